#pragma once
// What the three place masters (countries, time zones, cities) share: the
// trapping of run-time errors, the keys of their boxes, the country lists,
// and the way back to the birth-details window. The masters reach the
// database through sharedDatabase() and read whole numbers with wholeNumber()
// of the shared form routines.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include "calendar/calendar_errors.h"
#include "calendar/form_routines.h"
#include "platform/run_time_error.h"
#include "platform/services.h"
#include "platform/window.h"

namespace jd {

class ComboBox;
class Control;
class TextBox;

// The window the birth-details picture buttons hide before they open a master.
inline constexpr const char* kBirthDetailsWindowName = "frm_OpenChart";

// An update that met no row: the row was removed under the window. Raised so
// that the handler reports it and nothing is claimed to be saved.
RunTimeError placeRowGone(const std::string& what);

// The handlers of the masters report a run-time error as its description in
// a box with the critical icon and no title, and leave the handler.
void showPlaceError(Window& w, const RunTimeError& e);
template <class F>
void trapPlaceErrors(Window& w, F&& f) {
    try {
        f();
    } catch (const RunTimeError& e) {
        showPlaceError(w, e);
    }
}

// A message box of a master (OK button).
void placeMessage(Window& w, const std::string& text, MsgIcon icon, const std::optional<std::string>& title);
// A master's refusal of what the user entered: when `failed`, the message
// (OK button, the window's caption as title), then the focus to the box the
// message names, if any, so that what the user types next goes there.
// Returns `failed`.
bool refuseEntry(Window& w, bool failed, const std::string& message, MsgIcon icon, Control* box);

// The key filter of the boxes for degrees, minutes and hours: the digits 0 to
// 9, Backspace and Enter reach the box; every other key is swallowed.
void keepDigitKeys(int& keyAscii);

// The keys of a master's combo box: the type-ahead first, then Enter runs
// `enter` and every other key is discarded, so the box's text is empty or one
// of its entries.
void wirePlaceComboKeys(Window& w, ComboBox& combo, std::function<void()> enter);
// The keys of a master's text box: Enter runs `enter`; a box for degrees,
// minutes or hours (`digits`) takes only the keys keepDigitKeys lets through.
void wirePlaceTextKeys(TextBox& box, bool digits, std::function<void()> enter);
// What Enter does in a box that hands the focus on to the next control.
std::function<void()> focusTo(Window& w, Control& next);

// Runs `take` on every country of Country_Master in name order, with its
// CountryID.
void forEachCountryByName(const std::function<void(const std::string& name, std::int32_t id)>& take);
// Empties the combo boxes and fills each with every country in name order,
// the entry's item data its CountryID.
void fillCountryCombos(std::initializer_list<ComboBox*> combos);
// Empties the combo box and gives it the two letters of a direction or
// hemisphere ("E" and "W", "N" and "S") to choose from.
void fillLetterCombo(ComboBox& combo, const char* first, const char* second);

// Cancel of the city and time-zone masters: when the birth-details window
// opened the master, it is shown again, with the owner it had, and the flag
// is cleared.
void showBirthDetailsAgain(WindowRegistry& windows);

}  // namespace jd
