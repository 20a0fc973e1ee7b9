#pragma once
// The save-chart window on the screen: a small window of its own with the
// name box and its two buttons, bound to the window's models.
#include <QWidget>

#include "qt/view_factory.h"

namespace jd {
class Frm_SaveChart;
}

namespace jd::qt {

class SaveChartWindow : public QWidget {
    Q_OBJECT
public:
    explicit SaveChartWindow(Frm_SaveChart& model, QWidget* parent = nullptr);
};

// Makes the frame show Frm_SaveChart in a SaveChartWindow.
void addSaveChartView(ViewFactory& views);

}  // namespace jd::qt
