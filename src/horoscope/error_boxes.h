#pragma once
// The two message-box forms with which the horoscope computation reports a
// trapped run-time error. Neither sets a title; both have the OK button only.
// While a chart cast runs, a database failure shows neither box: it ends the
// cast, which reports it once (FnEndCastOnDatabaseFailure).
#include "platform/run_time_error.h"

namespace jd {

// The error's description followed directly by its number ("Overflow6"),
// no icon.
void FnShowPlainError(const RunTimeError& e);

// The error's description alone, with the critical icon.
void FnShowCriticalError(const RunTimeError& e);

}  // namespace jd
