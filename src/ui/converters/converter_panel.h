#pragma once
// The input panel that the two ishta ghatika converters share: a birth date,
// two time boxes (hour and minute, or ghatika and vighatika), a country, a
// city with its coordinates shown read-only, a time zone, a result label,
// Calculate and Cancel, and two picture buttons that open the city and
// time-zone masters.
//
// Each converter is a child window of the main window, created by its menu
// command and discarded when it closes. It reads the place tables and asks
// the engine for the sunrise itself; it shares nothing with the chart.
//
// Places are looked up by their keys: the cities of a country by its
// CountryID, a city by the CityID its list entry carries, a zone by its SNo,
// each bound as a query value. Calculate goes ahead only with the
// coordinates of the city shown and a zone read for the chosen country, so
// a result is never computed for a place or zone chosen before.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/controls.h"
#include "platform/date_time.h"
#include "platform/input_controls.h"
#include "platform/window.h"

namespace jd {

class clsFindSunrise;
class RunTimeError;

// What tells the two converters apart.
struct ConverterDesign {
    const char* windowName;
    const char* caption;
    bool fromBirthTime;          // birth time in (true) or ishta ghatika in (false)
    const char* timeCaption;     // "Birth Time" or "Ishta Ghatika"
    const char* resultName;      // txtIshtaGhati or txtBirthTime
    const char* submitCaption;
    const char* cityButtonName;  // the picture button that opens the city master
    const char* zoneButtonName;  // the one that opens the time-zone master
};

class ConverterPanel : public Window {
public:
    explicit ConverterPanel(const ConverterDesign& design);
    ~ConverterPanel() override;

    // ---- fixed labels, top to bottom
    Label lblBirthDate{"lblBirthDate", "Birth Date "};
    Label lblDateHint{"lblDateHint", "(DD/MMM/YYYY)"};
    Label lblTime;
    Label lblTimeHint{"lblTimeHint", "( 24 Hour Format )"};
    Label lblCountry{"lblCountry", "Birth  Country"};
    Label lblCity{"lblCity", "Birth City"};
    Label lblLatitude{"lblLatitude", "Latitude"};
    Label lblLongitude{"lblLongitude", "Longitude"};
    Label lblTimeZone{"lblTimeZone", "Time Zone"};

    // ---- the entries, in tab order
    ComboBox Txt_VP_Date{"Txt_VP_Date"};
    ComboBox Txt_VP_Month{"Txt_VP_Month"};
    ComboBox Txt_VP_YEAR{"Txt_VP_YEAR"};
    ComboBox cbHour{"cbHour"};  // hour, or ghatika
    ComboBox cbMins{"cbMins"};  // minute, or vighatika
    ComboBox Cmb_VP_Country{"Cmb_VP_Country"};
    ComboBox Cmb_VP_City{"Cmb_VP_City"};
    ComboBox cbTimeZone{"cbTimeZone"};
    TextBox txtLatDetails{"txtLatDetails"};
    TextBox txtLonDetails{"txtLonDetails"};

    // ---- result and buttons
    Label result;  // txtIshtaGhati or txtBirthTime: empty until a computation writes it
    CommandButton cmdSubmit;
    CommandButton Command1{"Command1", "&Cancel"};
    CommandButton cityMasterButton;
    CommandButton zoneMasterButton;

    // ---- the chosen place and zone (set only by the window's own handlers)
    double Txt_BI_LatDegree = 0;
    std::string CB_BI_Lat_NS;
    double Txt_BI_LatMinute = 0;
    double Txt_BI_LonDegree = 0;
    std::string CB_BI_Lon_EW;
    double Txt_BI_LonMinute = 0;
    double Txt_BI_TimeDiff = 0;
    std::string Txt_BI_TimeDiffEW;

    const ConverterDesign& design() const { return design_; }
    // The day, month and year texts joined by "/" ("14/Jul/1965").
    std::string dateText() const;

    // The handlers of the list choices (also run by the type-ahead and by
    // code that selects an entry).
    void Cmb_VP_Country_Click();
    void Cmb_VP_City_Click();
    void cbTimeZone_Click();
    // Calculate: the checks in order, then the computation.
    void cmdSubmit_Click();
    void Command1_Click();

protected:
    void onLoad() override;

    // The window's computation, run once every check has passed.
    virtual void compute() = 0;
    // The sunrise of a date at the chosen place and zone, from the window's
    // own sunrise calculator; nothing when the Sun does not rise that day.
    std::optional<DateTime> sunriseOn(const DateTime& date);
    std::optional<DateTime> risingIntoMidnightSunOn(const DateTime& date);
    // Tells the user that the Sun does not rise on that date at the chosen
    // place, and takes the result away: there is no time to show.
    void reportNoSunrise(const DateTime& date);
    void FnHideResult() { result.setVisible(false); }
    void FnShowResult() { result.setVisible(true); }

private:
    // Runs a handler's work; a run-time error shows its description in a
    // critical box with no title and ends the handler.
    template <class F>
    void trapped(F&& f);
    void reportError(const RunTimeError& e);
    void layOut();
    void wireKeys();
    void fillFixedLists();
    void presetFromClock();
    void fillCountries();
    void openMaster(const char* windowName);
    void clearPlace();
    void clearZone();
    void showPlace();
    void FnGetTimeZoneDifference(std::int32_t zoneSno);
    bool checksPass();
    bool fails(bool failed, const char* message, Control* focus, bool withCaption = false);
    // Whether the coordinates in force are those of the city in the box, and
    // the zone in force that of the zone in the box.
    bool placeInForce() const;
    bool zoneInForce() const;

    const ConverterDesign& design_;
    bool loading_ = false;
    std::int32_t countryId_ = 0;
    std::optional<std::int32_t> cityInForce_;
    std::optional<std::int32_t> zoneInForce_;
    std::unique_ptr<clsFindSunrise> sunrise_;
};

}  // namespace jd
