#include "qt/qt_busy_cursor.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

namespace jd::qt {

void QtBusyCursor::show() {
    // The window system takes the new shape as it is set. The caller holds
    // the event loop (a statement waiting for the database file): the
    // windows draw their pending repaints now, but no other event, timer or
    // queued call runs here, so nothing the program does can reach the
    // database from inside the wait, and the user's clicks and keys stay
    // queued until it ends.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

void QtBusyCursor::restore() { QGuiApplication::restoreOverrideCursor(); }

}  // namespace jd::qt
