#include "calendar/calendar_errors.h"

#include "platform/services.h"
#include "state/shared_records.h"

namespace jd {

void FnShowCalendarError(const RunTimeError& e, const std::optional<std::string>& title) {
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
