#include "horoscope/error_boxes.h"

#include "calendar/calendar_errors.h"
#include "state/shared_records.h"

namespace jd {

void FnShowPlainError(const RunTimeError& e) {
    FnEndCastOnDatabaseFailure(e);
    if (MessageBox* box = state().services.messageBox)
        box->show(descriptionWithNumber(e), MsgIcon::None, MsgButtons::OK, std::nullopt);
}

void FnShowCriticalError(const RunTimeError& e) {
    FnEndCastOnDatabaseFailure(e);
    if (MessageBox* box = state().services.messageBox)
        box->show(e.description(), MsgIcon::Critical, MsgButtons::OK, std::nullopt);
}

}  // namespace jd
