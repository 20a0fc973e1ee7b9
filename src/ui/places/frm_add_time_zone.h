#pragma once
// The time-zone master "Time Zone": adds a time zone to a country, edits a
// zone's name, offset and direction, and lists the zones of a country.
//
// A zone is a row of TimeZone; a country owns its zones through the list of
// keys in its Country_Master.TimeZoneID ("4" or "4,17,18"). Save inserts the
// zone and appends its key to the country's list in one transaction, so a
// zone is never left without its country and the list never gains a leading
// comma or a key twice. Zones are never deleted or moved to another country.
//
// The user types whole hours and minutes; the zone keeps decimal hours to
// the nearest hundredth (5 h 30 min is 5.5) and shows them back as hours and
// minutes for editing.
#include <cstdint>
#include <string>

#include "platform/controls.h"
#include "platform/input_controls.h"
#include "platform/window.h"

namespace jd {

// The stored offset of whole hours and minutes: h + m / 60 to the nearest
// hundredth (5 h 5 min gives 5.08; minutes of 60 or more add hours).
double FnDecimalHours(double hours, double minutes);

// A stored offset taken apart for the edit boxes: the hours are the digits of
// its shortest text before the point; the minutes "00" without a point, else
// the first two digits after it (one digit counting as tenths) as hundredths
// of an hour, turned into whole minutes (5.5 gives "5" and "30", 5.08 gives
// "5" and "4").
struct HoursAndMinutes {
    std::string hours;
    std::string minutes;
};
HoursAndMinutes FnSplitDecimalHours(double value);

// A country's zone list with one more key: the keys joined by "," without
// blanks, empty pieces dropped, the key added at the end unless the list
// already holds it.
std::string FnAppendZoneKey(const std::string& zoneList, std::int32_t zoneKey);

class frm_AddTimeZone final : public Window {
public:
    static constexpr const char* kWindowName = "frm_AddTimeZone";
    static constexpr const char* kCaption = "Time Zone";
    // The header of the three zone grids, each column as wide as its text.
    static constexpr const char* kGridFormat =
        "Time Zone                                              |   Time Difference (in Hours)|  Zone   ";

    frm_AddTimeZone();

    TabStrip TabStrip1{"TabStrip1", {"Add Time Zone", "Edit Time Zone", "View  Time Zone"}};

    // ---- the Add panel
    Frame frameAdd{"frameAdd"};
    Frame frameAddSave{"frameAddSave"};
    Frame frameAddSearch{"frameAddSearch"};
    Label lblAddCountry{"lblAddCountry", "Country"};
    ComboBox cbAddCountry{"cbAddCountry"};
    Label lblAddCity{"lblAddCity", "Time Zone"};
    TextBox txtAddCity{"txtAddCity", "", 50};
    Label lblAddHours{"lblAddHours", "Hours "};
    TextBox txtAddLatDeg{"txtAddLatDeg", "", 2};
    Label lblAddMinutes{"lblAddMinutes", "Minutes"};
    TextBox txtAddLAtMin{"txtAddLAtMin", "", 3};
    Label lblAddEW{"lblAddEW", "East / West "};
    ComboBox cbAddEW{"cbAddEW"};
    CommandButton cmdAddSave{"cmdAddSave", "&Save"};
    Grid mshCity{"mshCity", 1, 3, 1, 0};

    // ---- the Edit panel
    Frame frameEdit{"frameEdit", "", false};
    Frame frameUpdate{"frameUpdate"};
    Frame frameEditSearch{"frameEditSearch"};
    Label lblEditCountry{"lblEditCountry", "Country "};
    ComboBox cbEditCountry{"cbEditCountry"};
    Label lblEditZone{"lblEditZone", "Time Zone"};
    ComboBox cbEditCity{"cbEditCity"};
    Label lblEditCity{"lblEditCity", "Edit  Time Zone"};
    TextBox txtEditCity{"txtEditCity", "", 50};
    Label lblEditHours{"lblEditHours", "Hours"};
    TextBox txtEditLatDeg{"txtEditLatDeg", "", 2};
    Label lblEditMinutes{"lblEditMinutes", "Minutes"};
    TextBox txtEditLatMIn{"txtEditLatMIn", "", 2};
    Label lblEditEW{"lblEditEW", "East / West "};
    ComboBox cbEditEW{"cbEditEW"};
    CommandButton cmdEditUpdate{"cmdEditUpdate", "&Update"};
    Grid mshEditCity{"mshEditCity", 1, 3, 1, 0};

    // ---- the View panel
    Frame Frameview{"Frameview", "", false};
    Label lblViewCountry{"lblViewCountry", "Select Country"};
    ComboBox cmbCountry{"cmbCountry"};
    Grid mshViewCity{"mshViewCity", 1, 3, 1, 0};

    CommandButton Command1{"Command1", "&Cancel"};

    // The window's state: the country last chosen on any panel, its zone list
    // as read then, and the zone last chosen for editing.
    std::int32_t currentCountryId() const { return currentCountryId_; }
    const std::string& currentZoneList() const { return currentZoneList_; }
    std::int32_t editedZoneId() const { return editedZoneId_; }

    void FnFillCountryCombos();
    void FnFillAddTimeZoneGrid();
    void FnFillEditTimeZones();
    void FnFillViewTimeZoneGrid();

    void TabStrip1_Click();
    void cbAddCountry_Click();
    void cbEditCountry_Click();
    void cmbCountry_Click();
    void cbEditCity_Click();
    void cmdAddSave_Click();
    void cmdEditUpdate_Click();
    void Command1_Click();

protected:
    void onLoad() override;

private:
    void layOut();
    void chooseCountry(ComboBox& combo, void (frm_AddTimeZone::*fill)());
    void fillZones(Grid& grid, ComboBox* zoneCombo);
    bool refuse(bool failed, const char* message, Control& box);
    void confirmDecimalHours(const std::string& text);

    std::int32_t currentCountryId_ = 0;
    std::string currentZoneList_;
    std::int32_t editedZoneId_ = 0;
};

}  // namespace jd
