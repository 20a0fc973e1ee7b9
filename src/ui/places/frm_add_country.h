#pragma once
// The country master "Country": adds countries to Country_Master and renames
// them, refusing empty names and names already listed (compared without
// regard to letter case, as the table compares them), with a search by the
// first letters of a name in each of its two lists. Countries are never
// deleted here: cities, time zones and saved charts refer to them by key.
//
// A new country starts with an empty time-zone list (TimeZoneID ""); only
// the time-zone master adds to it.
#include <cstdint>
#include <string>

#include "platform/controls.h"
#include "platform/input_controls.h"
#include "platform/window.h"

namespace jd {

class frm_Add_Country final : public Window {
public:
    static constexpr const char* kWindowName = "frm_Add_Country";
    static constexpr const char* kCaption = "Country";

    frm_Add_Country();

    TabStrip TabStrip1{"TabStrip1", {"Add Country", "Edit Country"}};

    // ---- the Add panel
    Frame frameAdd{"frameAdd"};
    Label Label6{"Label6", "Search"};
    TextBox txtSearch{"txtSearch", "", 25};
    Label Label1{"Label1", "Existing Country"};
    ListBox lstboxAdd{"lstboxAdd"};
    Label Label2{"Label2", "Enter Country"};
    TextBox txtAddName{"txtAddName", "", 25};
    CommandButton cmdAddSave{"cmdAddSave", "&Save"};

    // ---- the Edit panel
    Frame frameEdit{"frameEdit", "", false};
    Label Label3{"Label3", "Search "};
    TextBox txtEditSearch{"txtEditSearch", "", 25};
    Label Label4{"Label4", "Select Country"};
    ListBox lstEditBox{"lstEditBox"};
    Label Label5{"Label5", "Modified Name"};
    TextBox txtEdit{"txtEdit", "", 25};
    CommandButton cmdEditUpdate{"cmdEditUpdate", "&Update"};

    CommandButton cmdAddCLose{"cmdAddCLose", "&Cancel"};

    // The CountryID that Update renames: the entry last chosen in lstEditBox.
    std::int32_t selectedCountryId() const { return selectedCountryId_; }

    // Refills both lists from the table, in name order.
    void FnFillCountryLists();
    // Selects the first entry of the list that begins with the search text,
    // letters compared without case; none stays selected when none does.
    void FnSearchListBox(ListBox& list, TextBox& search);

    void TabStrip1_Click();
    void cmdAddSave_Click();
    void cmdEditUpdate_Click();
    void lstEditBox_Click();

protected:
    void onLoad() override;

private:
    void layOut();
    void search(ListBox& list, TextBox& box, int keyCode, const char* notFound);
    bool refuse(bool failed, const char* message, TextBox* focus);

    std::int32_t selectedCountryId_ = 0;
};

}  // namespace jd
