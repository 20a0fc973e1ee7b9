#include "ui/places/place_forms.h"

#include <cstdint>
#include <utility>

#include "calendar/calendar_errors.h"
#include "calendar/form_routines.h"
#include "platform/database.h"
#include "platform/input_controls.h"
#include "platform/text.h"
#include "state/shared_records.h"

namespace jd {

RunTimeError placeRowGone(const std::string& what) { return {kDbNoCurrentRow, "The " + what + " no longer exists."}; }

void showPlaceError(Window& w, const RunTimeError& e) {
    placeMessage(w, e.description(), MsgIcon::Critical, std::nullopt);
}

void placeMessage(Window& w, const std::string& text, MsgIcon icon, const std::optional<std::string>& title) {
    if (MessageBox* box = w.services().messageBox) box->show(text, icon, MsgButtons::OK, title);
}

bool refuseEntry(Window& w, bool failed, const std::string& message, MsgIcon icon, Control* box) {
    if (!failed) return false;
    placeMessage(w, message, icon, w.caption());
    if (box) w.setFocus(*box);
    return true;
}

void keepDigitKeys(int& keyAscii) {
    if ((keyAscii >= '0' && keyAscii <= '9') || keyAscii == key::Backspace || keyAscii == key::Enter) return;
    keyAscii = 0;
}

void wirePlaceComboKeys(Window& w, ComboBox& combo, std::function<void()> enter) {
    combo.onKeyPress = [&w, enter = std::move(enter)](int& k) {
        FnComboAutoComplete(k, w);
        const bool isEnter = k == key::Enter;
        k = 0;
        if (isEnter) enter();
    };
}

void wirePlaceTextKeys(TextBox& box, bool digits, std::function<void()> enter) {
    box.onKeyPress = [digits, enter = std::move(enter)](int& k) {
        if (k == key::Enter) {
            k = 0;
            enter();
        } else if (digits) {
            keepDigitKeys(k);
        }
    };
}

std::function<void()> focusTo(Window& w, Control& next) {
    return [&w, &next] { w.setFocus(next); };
}

void forEachCountryByName(const std::function<void(const std::string& name, std::int32_t id)>& take) {
    Statement rows = sharedDatabase().query("select CountryID, CountryName from Country_Master order by CountryName");
    while (rows.step()) take(rows.asText("CountryName"), rows.asInt("CountryID"));
}

void fillCountryCombos(std::initializer_list<ComboBox*> combos) {
    for (ComboBox* c : combos) c->clear();
    forEachCountryByName([&](const std::string& name, std::int32_t id) {
        for (ComboBox* c : combos) c->addItem(name, id);
    });
}

void fillLetterCombo(ComboBox& combo, const char* first, const char* second) {
    combo.clear();
    combo.addItem(first);
    combo.addItem(second);
}

void showBirthDetailsAgain(WindowRegistry& windows) {
    if (!state().gPlaceFormFromChart) return;
    // It comes back as the picture button hid it: with the owner it had,
    // where it lay.
    if (windows.isDefined(kBirthDetailsWindowName)) {
        Window& entry = windows.get(kBirthDetailsWindowName);
        entry.show(entry.owner());
    }
    state().gPlaceFormFromChart = false;
}

}  // namespace jd
