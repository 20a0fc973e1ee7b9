#pragma once
// How the calendar's routines report a trapped run-time error: the error's
// description in one message box with the critical icon and the OK button,
// with no title unless the routine names one.
#include <optional>
#include <string>

#include "platform/run_time_error.h"

namespace jd {

void FnShowCalendarError(const RunTimeError& e, const std::optional<std::string>& title = std::nullopt);

// The error of a routine that needs the shared database connection while
// none is open.
RunTimeError noDatabaseConnection();

}  // namespace jd
