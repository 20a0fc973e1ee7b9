#include "calendar/calendar_errors.h"

#include "platform/database.h"
#include "platform/services.h"
#include "state/shared_records.h"

namespace jd {

void FnEndCastOnDatabaseFailure(const RunTimeError& e) {
    if (state().gCastInProgress && isDatabaseFailure(e)) throw CastDatabaseFailure{e};
}

void FnShowCalendarError(const RunTimeError& e, const std::optional<std::string>& title) {
    FnEndCastOnDatabaseFailure(e);
    if (MessageBox* box = state().services.messageBox) box->show(e.description(), MsgIcon::Critical, MsgButtons::OK, title);
}

RunTimeError noDatabaseConnection() { return {91, "Object variable or With block variable not set"}; }

RunTimeError closedConnection() { return {kObjectClosedError, kObjectClosedText}; }

Database& sharedDatabase(RunTimeError (*whenClosed)()) {
    auto& db = state().gDbConnection;
    if (!db) throw whenClosed();
    return *db;
}

}  // namespace jd
