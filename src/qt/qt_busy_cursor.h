#pragma once
// The busy cursor as Qt shows it.
#include "platform/services.h"

namespace jd::qt {

// The application's override cursor in the wait shape. Showing it runs
// nothing of the program's own (no timer, no queued call): only the windows'
// repaints.
class QtBusyCursor : public BusyCursor {
public:
    void show() override;
    void restore() override;
};

}  // namespace jd::qt
