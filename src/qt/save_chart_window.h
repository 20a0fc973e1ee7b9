#pragma once
// The save-chart window on the screen: a small window of its own with the
// name box and its two buttons, bound to the window's models.
#include <QWidget>

#include "qt/view_factory.h"

class QPushButton;

namespace jd {
class Frm_SaveChart;
}

namespace jd::qt {

// "&Save Chart" is the window's default button: Enter in the name box
// presses it, once for each press of the key, as Enter presses a focused
// button. A press that repeats a key held down, or whose key first went to
// another window (the Enter that answered a message box, held past it),
// presses nothing.
class SaveChartWindow : public QWidget {
    Q_OBJECT
public:
    explicit SaveChartWindow(Frm_SaveChart& model, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* name_;
    QPushButton* save_;
};

// Makes the frame show Frm_SaveChart in a SaveChartWindow.
void addSaveChartView(ViewFactory& views);

}  // namespace jd::qt
