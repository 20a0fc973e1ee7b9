#pragma once
// The save-chart window "Save Chart". Save of the birth-details window fills
// its fields and runs SC_SaveChart while the window stays hidden; the window
// shows only when the chart's name is already used, so the user can type
// another name ("&Save Chart") or give up ("&Cancel"). A chart saved from
// here becomes the birth-details window's current chart, under the name it
// was saved with, and is written to "Horo" again with that name.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/date_time.h"
#include "platform/input_controls.h"
#include "platform/window.h"
#include "ui/chart/chart_store.h"

namespace jd {

class Frm_SaveChart final : public Window {
public:
    static constexpr const char* kWindowName = "Frm_SaveChart";
    static constexpr const char* kCaption = "Save Chart";

    Frm_SaveChart();

    Label lblChartName{"lblChartName", "Enter Chart Name"};
    TextBox Txt_SC_ChartName{"Txt_SC_ChartName", "", 25};
    CommandButton Cmd_SC_Save{"Cmd_SC_Save", "&Save Chart"};
    CommandButton Cmd_SC_Close{"Cmd_SC_Close", "&Cancel"};

    // The chart to insert, as Save of the birth-details window sets it.
    std::string SC_ChartName;
    std::string SC_Country;  // CountryID as decimal text
    std::string SC_City;
    DateTime SC_Date;        // the birth date
    DateTime SC_Time;        // the birth time on the 24-hour clock
    std::string SC_Gender;
    double SC_LatDeg = 0;
    std::string SC_LatNS;
    double SC_LatMin = 0;
    double SC_LonDeg = 0;
    std::string SC_LonEW;
    double SC_LonMin = 0;
    std::int32_t SC_TimeDiff = 0;  // the zone's SNo in TimeZone

    // The "Horo" keys of the same chart, written again when a retry saves it.
    HoroChart horoChart;

    // Checks the name and inserts the chart, giving the new row's key; then
    // says so and unloads this window. A name already used shows this window
    // with the refusal and gives nothing; the table is left unchanged.
    // Errors go to the caller.
    std::optional<std::int32_t> SC_SaveChart();

    // The row SC_SaveChart inserts for the fields as they stand.
    SavedChart chartToInsert() const;

    void Cmd_SC_Save_Click();

protected:
    void onLoad() override;
};

}  // namespace jd
