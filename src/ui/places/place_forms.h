#pragma once
// What the three place masters (countries, time zones, cities) share: the
// database connection, the trapping of run-time errors, the digit boxes, the
// checks of whole numbers, and the way back to the birth-details window.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/run_time_error.h"
#include "platform/services.h"
#include "platform/window.h"

namespace jd {

class Database;

// The window the birth-details picture buttons hide before they open a master.
inline constexpr const char* kBirthDetailsWindowName = "frm_OpenChart";

// The shared connection; "Object variable or With block variable not set"
// while none is open.
Database& placeConnection();

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

// The key filter of the boxes for degrees, minutes and hours: the digits 0 to
// 9, Backspace and Enter reach the box; every other key is swallowed.
void keepDigitKeys(int& keyAscii);

// A whole number as the digit boxes hold it: digits only, blanks around them
// allowed, within the 32-bit range. A sign, a decimal point or any other
// character (pasted text) gives nothing, so no negative or fractional
// degree, minute or hour is ever stored.
std::optional<std::int32_t> wholeNumber(std::string_view text);

// Cancel of the city and time-zone masters: when the birth-details window
// opened the master, it is shown again and the flag is cleared.
void showBirthDetailsAgain(WindowRegistry& windows);

}  // namespace jd
