#include "calendar/form_routines.h"

#include <cstdint>
#include <optional>
#include <string>

#include "calendar/calendar_errors.h"
#include "platform/database.h"
#include "platform/input_controls.h"
#include "platform/text.h"
#include "platform/vb_date.h"
#include "platform/vb_number.h"
#include "platform/window.h"
#include "state/shared_records.h"

namespace jd {
namespace {

// The character of a key code as UTF-8; a code that is no character raises
// "Invalid procedure call or argument", as the run time's Chr does.
std::string characterOf(int code) {
    if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) throw RunTimeError::invalidCall();
    return utf8Character(static_cast<unsigned>(code));
}


}  // namespace

void FnComboAutoComplete(int& KeyAscii, Control* focused) {
    try {
        auto* combo = dynamic_cast<ComboBox*>(focused);
        if (!combo || !combo->editable()) return;
        const std::string typed = leftText(combo->text(), combo->selStart()) + characterOf(KeyAscii);
        const int found = combo->findPrefix(typed);
        if (found < 0) return;
        combo->setListIndex(found);
        combo->setSelStart(textLength(typed));
        combo->setSelLength(textLength(combo->text()));
        KeyAscii = 0;
    } catch (const RunTimeError& e) {
        FnShowCalendarError(e, std::string("Dravelin"));
    }
}

void FnComboAutoComplete(int& KeyAscii, Window& window) { FnComboAutoComplete(KeyAscii, window.focused()); }

void FnSelectAllOnFocus(std::initializer_list<ComboBox*> combos) {
    for (ComboBox* c : combos)
        c->onGotFocus = [c] {
            c->setSelStart(0);
            c->setSelLength(textLength(c->text()));
        };
}

void FnFillDateCombos(ComboBox& day, ComboBox& month, ComboBox& year) {
    for (ComboBox* c : {&day, &month, &year}) c->clear();
    for (int d = 1; d <= 31; ++d) day.addItem(formatNumber(d, "00"));
    for (int m = 1; m <= 12; ++m) month.addItem(monthAbbreviation(m));
    for (int y = 1900; y <= 2050; ++y) year.addItem(std::to_string(y));
}

void FnShowDateInCombos(const DateTime& date, ComboBox& day, ComboBox& month, ComboBox& year) {
    day.setText(formatNumber(date.day(), "00"));
    month.setText(monthAbbreviation(date.month()));
    year.setText(std::to_string(date.year()));
}

void FnFillTimeZoneCombo(std::int32_t CountryID, ComboBox& combo) {
    try {
        combo.clear();
        Database& db = sharedDatabase();
        std::string list;
        {
            Statement country = db.query("select * from Country_Master Where CountryID = ?", CountryID);
            if (country.step()) list = country.asText("TimeZoneID");
        }
        for (const std::string& entry : split(list, ",")) {
            const auto key = wholeNumber(entry);
            if (!key) continue;
            Statement zone = db.query("select * from TimeZone where SNo = ? order by Place", *key);
            if (!zone.step()) continue;
            const std::string hours = zone.isNull("TimeDifference") ? std::string()
                                                                     : numberText(zone.asDouble("TimeDifference"));
            combo.addItem(zone.asText("Place") + "  (" + hours + " hrs " + zone.asText("TimeZone") + ")",
                          toInt32(zone.asDouble("SNo")));
        }
    } catch (const RunTimeError& e) {
        FnShowCalendarError(e);
    }
}

std::optional<std::int32_t> wholeNumber(std::string_view text) {
    const std::string t = trim(text);
    if (!allDigits(t) || t.size() > 10) return std::nullopt;
    const long long v = std::stoll(t);
    if (v > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(v);
}

void FnCenterFormOnScreen(Window& window) {
    const Screen* screen = state().services.screen;
    if (!screen) return;
    // 1024 x 768 pixels at 15 twips to the pixel.
    const double d = screen->width() == 1024 * 15 && screen->height() == 768 * 15 ? 2 : 3;
    window.move((screen->width() - window.width()) / d, (screen->height() - window.height()) / d);
}

}  // namespace jd
