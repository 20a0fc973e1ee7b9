#pragma once
// Work left for the event loop's next pass: after what it handles now (the
// rest of a run of model changes, the event being delivered) is done.
#include <QMetaObject>
#include <QObject>
#include <utility>

namespace jd::qt {

// Runs `f` once, in `context`'s thread, on the event loop's next pass;
// not at all when `context` has gone by then.
template <class F>
void onNextPass(QObject* context, F&& f) {
    QMetaObject::invokeMethod(context, std::forward<F>(f), Qt::QueuedConnection);
}

}  // namespace jd::qt
