#include "ui/places/place_forms.h"

#include <cstdint>

#include "calendar/calendar_errors.h"
#include "platform/database.h"
#include "platform/input_controls.h"
#include "platform/text.h"
#include "state/shared_records.h"

namespace jd {

Database& placeConnection() {
    auto& db = state().gDbConnection;
    if (!db) throw noDatabaseConnection();
    return *db;
}

RunTimeError placeRowGone(const std::string& what) { return {kDbNoCurrentRow, "The " + what + " no longer exists."}; }

void showPlaceError(Window& w, const RunTimeError& e) {
    placeMessage(w, e.description(), MsgIcon::Critical, std::nullopt);
}

void placeMessage(Window& w, const std::string& text, MsgIcon icon, const std::optional<std::string>& title) {
    if (MessageBox* box = w.services().messageBox) box->show(text, icon, MsgButtons::OK, title);
}

void keepDigitKeys(int& keyAscii) {
    if ((keyAscii >= '0' && keyAscii <= '9') || keyAscii == key::Backspace || keyAscii == key::Enter) return;
    keyAscii = 0;
}

std::optional<std::int32_t> wholeNumber(std::string_view text) {
    const std::string t = trim(text);
    if (t.empty() || t.size() > 10) return std::nullopt;
    for (char c : t)
        if (c < '0' || c > '9') return std::nullopt;
    const long long v = std::stoll(t);
    if (v > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(v);
}

void showBirthDetailsAgain(WindowRegistry& windows) {
    if (!state().gPlaceFormFromChart) return;
    if (windows.isDefined(kBirthDetailsWindowName)) windows.get(kBirthDetailsWindowName).show();
    state().gPlaceFormFromChart = false;
}

}  // namespace jd
