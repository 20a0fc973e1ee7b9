#pragma once
// The one QApplication of the Qt tests (the platform is "offscreen"). It lives
// from before the first test to after the last, and is gone before the
// program's own exit, where Qt no longer takes down an application cleanly.
#include <QApplication>

namespace jd::qt::testing {

QApplication& app();

// A click of one mouse button at a point of a widget: the button goes down
// and up there.
void mouseClick(QWidget* w, QPointF at, Qt::MouseButton button = Qt::LeftButton);

}  // namespace jd::qt::testing
