#pragma once
// How the calendar's routines report a trapped run-time error: the error's
// description in one message box with the critical icon and the OK button,
// with no title unless the routine names one.
#include <optional>
#include <string>

#include "platform/run_time_error.h"

namespace jd {

// A database failure met while a chart cast runs is not shown here: it ends
// the cast (see FnEndCastOnDatabaseFailure).
void FnShowCalendarError(const RunTimeError& e, const std::optional<std::string>& title = std::nullopt);

// A database failure met while a chart cast runs. Every stage of the cast
// would meet the same locked, damaged or incomplete file again, so it is
// carried past the stages' own handlers to the cast, which reports it once
// and ends.
struct CastDatabaseFailure {
    RunTimeError error;
};

// Called by the handlers of the cast's stages before they show their box:
// raises CastDatabaseFailure when `e` is a database failure (see
// isDatabaseFailure) and a cast runs; otherwise returns.
void FnEndCastOnDatabaseFailure(const RunTimeError& e);

class Database;

// The error of a routine that needs the shared database connection while
// none is open.
RunTimeError noDatabaseConnection();

// The error of a statement that was never opened (no connection, or a list
// filter a list does not know).
inline constexpr int kObjectClosedError = 3704;
inline constexpr const char* kObjectClosedText = "Operation is not allowed when the object is closed.";
RunTimeError closedConnection();

// The shared database connection, opened at start-up. While none is open the
// error `whenClosed` gives is raised: noDatabaseConnection where a routine
// uses the connection itself, closedConnection where it opens its
// statements on it (saved charts, preferences, personal details).
Database& sharedDatabase(RunTimeError (*whenClosed)() = noDatabaseConnection);

}  // namespace jd
