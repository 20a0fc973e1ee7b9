#pragma once
// The birth-details window: the user enters a person's name, sex, date and
// time of birth (12-hour clock with AM or PM), country, city and time zone,
// and OK casts the horoscope of those details.
//
// The window is created once, the first time anything refers to it (the main
// window's "&Enter Birth Details", or the chart run, which hides it during
// every cast), and keeps its entries while hidden. Besides its controls it
// keeps public fields: the chosen city's coordinates, the chosen zone's hours
// and direction and the number of the saved chart being edited. OK copies
// them into BirthDetails.
//
// Places are looked up by their keys: a city by the CityID its list entry
// carries, a zone by its SNo, a country's cities by its CountryID, every key
// bound as a query value. When a city or a zone cannot be read its fields are
// cleared, so OK asks for the city or zone again rather than cast a chart
// with the place or zone chosen before.
#include <array>
#include <cstdint>
#include <exception>
#include <string>

#include "platform/controls.h"
#include "platform/input_controls.h"
#include "platform/window.h"

namespace jd {

// A button of the window's toolbar, known by its key, with its tool tip.
class ToolButton : public CommandButton {
public:
    ToolButton(std::string key, std::string toolTip)
        : CommandButton(key), key_(std::move(key)), toolTip_(std::move(toolTip)) {}
    const std::string& key() const { return key_; }
    const std::string& toolTip() const { return toolTip_; }

private:
    std::string key_;
    std::string toolTip_;
};

// The 24-hour hour of a 12-hour hour text and the AM/PM choice: "12" AM is
// "0", "12" PM "12", any other PM hour its number plus 12 ("13".."23"), any
// other AM hour the text unchanged ("01".."11", leading zero kept). A PM hour
// that is no number raises Type mismatch.
std::string FnTwentyFourHour(const std::string& hourText, bool pm);

class frm_OpenChart final : public Window {
public:
    static constexpr const char* kWindowName = "frm_OpenChart";
    static constexpr const char* kCaption = "Enter Birth Details";

    frm_OpenChart();
    ~frm_OpenChart() override;

    // ---- labels
    Label lblName{"lblName", "Name"};
    Label lblSex{"lblSex", "Sex"};
    Label lblBirthDate{"lblBirthDate", "Birth Date"};
    Label lblDateHint{"lblDateHint", "(DD/MMM/YYYY)"};
    Label lblBirthTime{"lblBirthTime", "Birth Time"};
    Label lblCountry{"lblCountry", "Birth Country"};
    Label lblCity{"lblCity", "Birth City"};
    Label lblTimeZone{"lblTimeZone", "Time Zone"};
    Label lblLatitude{"lblLatitude", "Latitude"};
    Label lblLongitude{"lblLongitude", "Longitude"};

    // ---- the entries, in the order of the Enter chain
    TextBox Txt_VC_ChartName{"Txt_VC_ChartName", "", 25};
    ComboBox cbGender{"cbGender"};
    ComboBox txt_Date{"txt_Date"};
    ComboBox txt_Month{"txt_Month"};
    ComboBox txt_Year{"txt_Year"};
    ComboBox cbHour{"cbHour"};
    ComboBox cbMins{"cbMins"};
    OptionGroup amPm;
    OptionButton Opt_AM{"Opt_AM", "AM", amPm};
    OptionButton Opt_PM{"Opt_PM", "PM", amPm};
    ComboBox txt_VC_Country{"txt_VC_Country"};
    ComboBox txt_VC_City{"txt_VC_City"};
    ComboBox cbTimeZone{"cbTimeZone"};
    TextBox txtLatDetails{"txtLatDetails"};
    TextBox txtLonDetails{"txtLonDetails"};

    // ---- buttons
    CommandButton cmdadd{"cmdadd"};                    // opens the city master
    CommandButton cmdTimeZoneHelp{"cmdTimeZoneHelp"};  // opens the time-zone master
    CommandButton cmdSave{"cmdSave", "&OK"};
    CommandButton CMDCANCEl{"CMDCANCEl", "&Cancel"};

    // ---- the File menu (separators after Open and after Delete)
    CommandButton mnu_File{"mnu_File", "&File"};
    CommandButton mnu_New{"mnu_New", "&New"};
    CommandButton mnuOpen{"mnuOpen", "&Open"};
    CommandButton mnuSave{"mnuSave", "&Save"};
    CommandButton mnuDelete{"mnuDelete", "&Delete"};
    CommandButton mnuClose{"mnuClose", "&Close"};

    // ---- the toolbar tbrChartFile
    ToolButton tbrNew{"new", "New BrithDetails"};
    ToolButton tbrOpen{"open", "Open Birthdetails"};
    ToolButton tbrSave{"save", "Save Details"};
    ToolButton tbrDelete{"delete", "Delete Details"};
    ToolButton tbrClose{"close", "Close"};
    std::array<ToolButton*, 5> tbrChartFile() { return {&tbrNew, &tbrOpen, &tbrSave, &tbrDelete, &tbrClose}; }
    // A click on the toolbar button of that key (a disabled button does nothing).
    void tbrChartFile_ButtonClick(const std::string& key);

    // The controls of the Enter chain, in order (also the start of the tab order).
    std::array<Control*, 10> enterChain();

    // ---- public fields
    std::int32_t txt_VC_UserId = 0;      // Sno of the saved chart being edited; 0 = none
    std::int32_t txt_VC_TimeDiffId = 0;  // SNo of the zone of a chart loaded from the list
    double txt_VC_LatDeg = 0;
    std::string txt_VC_LatNS;
    double txt_VC_LatMin = 0;
    double txt_VC_LonDeg = 0;
    std::string txt_VC_LonEW;
    double txt_VC_LonMin = 0;
    double txt_VC_TimeDiff = 0;
    std::string txt_VC_TimeDiffEW;

    // The hours of the zone of that SNo, setting txt_VC_TimeDiffEW from its
    // row. A zone without a row gives 0 and clears the direction.
    double FnGetTimeZoneDifference(std::int32_t zoneSno);

    // Empties the entries for a new chart: focus to the name; name, sex, day,
    // month, year, hour, minute and country texts emptied (their lists stay);
    // city and zone lists emptied; latitude and longitude boxes emptied;
    // no saved chart. AM/PM and the place and zone fields stay.
    void FnClearBirthDetails();

    // The checks of the entries, in order, stopping at the first that fails:
    // its message shows with the information icon and the window's caption,
    // the focus goes to its box, and the result is false. OK and Save both
    // run them first; among them, the hour with AM or PM must give an hour of
    // the day from 0 to 23.
    bool FnValidateBirthDetails();

    // The 24-hour hour of the hour box and the AM/PM choice.
    std::string birthHour24() const { return FnTwentyFourHour(cbHour.text(), Opt_PM.value()); }

    // The handlers of the selections (also run by the type-ahead and by code
    // that selects an entry).
    void txt_VC_Country_Click();
    void txt_VC_City_Click();
    void cbTimeZone_Click();

    // OK: validate, write BirthDetails and ChartAyanamsa, hide, cast.
    void cmdSave_Click();

protected:
    void onLoad() override;
    void onUnload() override;

private:
    void layOut();
    void fillFixedLists();
    void takeDefaultsFromClock();
    void fillCountries();
    void clearCityCoordinates();
    void showCityCoordinates();
    void writeBirthDetails();
    void closeWindow();
    bool fails(bool failed, const char* message, Control* focus);
    void reportError(const std::exception& e);
    template <class F>
    void trapped(F&& f);
};

}  // namespace jd
