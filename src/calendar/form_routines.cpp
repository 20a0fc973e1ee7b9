#include "calendar/form_routines.h"

#include <cstdint>
#include <optional>
#include <string>

#include "calendar/calendar_errors.h"
#include "platform/database.h"
#include "platform/input_controls.h"
#include "platform/text.h"
#include "platform/vb_number.h"
#include "platform/window.h"
#include "state/shared_records.h"

namespace jd {
namespace {

// The character of a key code as UTF-8; a code that is no character raises
// "Invalid procedure call or argument", as the run time's Chr does.
std::string characterOf(int code) {
    if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) throw RunTimeError::invalidCall();
    const auto c = static_cast<unsigned>(code);
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// A time-zone key of a country's list: digits only (blanks around them
// allowed), within the 32-bit range.
std::optional<std::int32_t> zoneKey(const std::string& entry) {
    const std::string s = trim(entry);
    if (s.empty() || s.size() > 10) return std::nullopt;
    for (char ch : s) {
        if (ch < '0' || ch > '9') return std::nullopt;
    }
    const long long v = std::stoll(s);
    if (v > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(v);
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

void FnFillTimeZoneCombo(std::int32_t CountryID, ComboBox& combo) {
    try {
        combo.clear();
        if (!state().gDbConnection) throw noDatabaseConnection();
        Database& db = *state().gDbConnection;
        std::string list;
        {
            Statement country = db.query("select * from Country_Master Where CountryID = ?", CountryID);
            if (country.step()) list = country.asText("TimeZoneID");
        }
        for (const std::string& entry : split(list, ",")) {
            const auto key = zoneKey(entry);
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

void FnCenterFormOnScreen(Window& window) {
    const Screen* screen = state().services.screen;
    if (!screen) return;
    // 1024 x 768 pixels at 15 twips to the pixel.
    const double d = screen->width() == 1024 * 15 && screen->height() == 768 * 15 ? 2 : 3;
    window.move((screen->width() - window.width()) / d, (screen->height() - window.height()) / d);
}

}  // namespace jd
