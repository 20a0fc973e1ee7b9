#pragma once
// The birth-details window on the screen: a window of its own (the frame's
// when the frame's menu shows it), with a fixed dialog border and only a
// close button on its title bar; its File menu, its toolbar and its boxes
// bound to the window's models.
#include <QWidget>
#include <utility>
#include <vector>

#include "platform/subscription.h"
#include "qt/view_factory.h"

class QMenuBar;
class QToolBar;

namespace jd {
class Control;
class frm_OpenChart;
}  // namespace jd

namespace jd::qt {

class OpenChartWindow : public QWidget {
    Q_OBJECT
public:
    explicit OpenChartWindow(frm_OpenChart& model, QWidget* parent = nullptr);

    QMenuBar* menuBar() const { return menuBar_; }
    QToolBar* toolBar() const { return toolBar_; }

protected:
    // Whoever gives the window its owner keeps its border and title bar.
    bool event(QEvent* e) override;

private:
    void bindCommand(QAction* action, Control& model);
    // Whether the window still has the fixed border and title bar above.
    bool hasOwnFlags() const;

    frm_OpenChart& model_;
    QMenuBar* menuBar_;  // owned by the window
    QToolBar* toolBar_;  // owned by the window
    std::vector<Subscription> subs_;
    bool applyingFlags_ = false;
};

// Makes the frame show frm_OpenChart in an OpenChartWindow.
void addOpenChartView(ViewFactory& views);

}  // namespace jd::qt
