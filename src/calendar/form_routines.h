#pragma once
// Routines the windows share: the type-ahead of editable combo boxes, the
// lists of a birth date, the time-zone list of a country, whole numbers as
// typed or listed, and the placing of a window on the screen.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace jd {

class ComboBox;
class Control;
class DateTime;
class Window;

// The type-ahead, called from a combo box's key-press handler with the key
// being pressed. It acts on the control that has the focus: when that is an
// editable combo box (a drop-down list is left alone), the text up to the
// caret followed by the key's character is looked for at the start of the
// list's entries, letters compared without case. The first entry found is
// chosen (its click fires, as for the user's choice), the text becomes the
// entry's own, the part after the typed characters is selected, and
// KeyAscii is set to 0 so the key is not typed. With no entry found nothing
// changes and the key is typed. A trapped error is shown in a critical box
// titled "Dravelin".
void FnComboAutoComplete(int& KeyAscii, Control* focused);
// The same on the control that has the focus in the window.
void FnComboAutoComplete(int& KeyAscii, Window& window);

// Makes each combo box select its whole text when it gets the focus, so what
// the user types next replaces it or starts the type-ahead afresh.
void FnSelectAllOnFocus(std::initializer_list<ComboBox*> combos);

// Empties the three boxes of a birth date and gives them their lists: the
// days "01" to "31", the months "Jan" to "Dec" and the years 1900 to 2050.
void FnFillDateCombos(ComboBox& day, ComboBox& month, ComboBox& year);
// Shows a date in those boxes ("07", "Mar", "2024") as texts, choosing no
// entry.
void FnShowDateInCombos(const DateTime& date, ComboBox& day, ComboBox& month, ComboBox& year);

// Empties the combo box and fills it with the time zones of a country from
// the place tables, in the order of the country's TimeZoneID list: one entry
// "Place  (hours hrs E)" per zone found, e.g. "India  (5.5 hrs E)", whose item
// data is the zone's SNo. A list entry that is no whole number, or names no
// zone, adds nothing. Selects no entry. A trapped error is shown in a
// critical box and leaves the entries added so far.
void FnFillTimeZoneCombo(std::int32_t CountryID, ComboBox& combo);

// A whole number as the digit boxes and a country's list of zone keys hold
// it: digits only, blanks around them allowed, within the 32-bit range. A
// sign, a decimal point or any other character (pasted text) gives nothing,
// so no negative or fractional degree, minute, hour or key is ever taken.
std::optional<std::int32_t> wholeNumber(std::string_view text);

// Places the window on the screen: centred on a 1024 x 768 screen, else a
// third of the free width from the left and a third of the free height from
// the top.
void FnCenterFormOnScreen(Window& window);

}  // namespace jd
