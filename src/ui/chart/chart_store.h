#pragma once
// The saved charts. Table ChartSave keeps every chart the user saved, one row
// each; the settings section "Horo" keeps the chart saved last, which start-up
// casts. Here are the rows in their stored forms, the statements on them
// (every value bound, never joined into the SQL text), the eighteen "Horo"
// keys, and the birth-details window's Save and Delete.
#include <array>
#include <exception>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calendar/calendar_errors.h"
#include "state/horo_settings.h"
#include "platform/run_time_error.h"

namespace jd {

class Database;
class SettingsStore;
class Window;
class frm_OpenChart;

// Where the chart saved last is kept: application name and section.

// What the user is told when the chart the window was linked to has gone from
// the table (deleted through another list or window in the meantime).
inline constexpr const char* kSavedChartGone = "The saved chart no longer exists.";

// The shared connection gDbConnection; raises closedConnection() when the
// program has none open.
Database& sharedConnection();

// Runs f; a run-time error it raises is shown as its description in a
// critical box with no title, as every saved-chart procedure reports.
void showSavedChartError(Window& w, const std::exception& e);
template <typename F>
void trapSavedChartErrors(Window& w, F&& f) {
    try {
        f();
    } catch (const RunTimeError& e) {
        showSavedChartError(w, e);
    }
}

// One row of ChartSave.
struct SavedChart {
    std::int32_t Sno = 0;    // the key the database gave the row
    std::string ChartName;   // name "~" day "-" month "-" year, e.g. "Sample~5-Jul-1965"
    std::string Gender;      // "Male", "Female" or "" (no sex chosen)
    std::string Country;     // the country's CountryID as decimal text
    std::string City;        // the city's name
    int ChartDay = 0;        // 1..31
    int ChartMonth = 0;      // 1..12
    int ChartYear = 0;
    int ChartHour = 0;       // 0..23
    int ChartMinute = 0;
    int ChartSecond = 0;     // always 0
    double LatitudeDegree = 0;
    std::string Latitude_NS;
    double LatitudeMinute = 0;
    double LongitudeDegree = 0;
    std::string Longitude_EW;
    double LongitudeMinute = 0;
    std::int32_t TimeDifference = 0;  // the zone's SNo in TimeZone, not hours
    bool operator==(const SavedChart&) const = default;
};

// An entry of the saved-chart list: the row's key and its stored name.
struct SavedChartEntry {
    std::int32_t Sno = 0;
    std::string ChartName;
    bool operator==(const SavedChartEntry&) const = default;
};

// The person's name of a stored ChartName: the text before its first "~"
// (all of it when there is none).
std::string chartNamePart(std::string_view chartName);

// Whether a stored chart's name part is exactly `name` (letter case counts).
bool chartNameUsed(Database& db, std::string_view name);

// Adds the row (its Sno is ignored) and returns the key the database gave it.
std::int32_t insertChart(Database& db, const SavedChart& chart);

// Rewrites every field of the row numbered chart.Sno; false when the table
// has no such row.
bool updateChart(Database& db, const SavedChart& chart);

// Removes the row of that number; false when the table has no such row.
bool deleteChart(Database& db, std::int32_t sno);

// The row of that number, or nothing.
std::optional<SavedChart> readChart(Database& db, std::int32_t sno);

// The charts of a list filter, in the order of their stored names (letter
// case ignored): "All" every chart, "Male" and "Female" those of that sex,
// "G" the couple charts of GChartSave. Any other filter raises the error of a
// query that was never opened.
std::vector<SavedChartEntry> listCharts(Database& db, std::string_view filter);

// The eighteen keys of "Horo" as texts, in the order every save writes them.
struct HoroChart {
    std::string Name;        // the bare name, without "~" and the date
    std::string Day;         // the day box ("05")
    std::string Month;       // "Jan".."Dec"
    std::string Year;
    std::string Hour;        // on the 24-hour clock ("0", "05", "12", "17")
    std::string Min;
    std::string TimeZone;    // the zone text of the chart last cast (start-up ignores it)
    std::string Sex;
    std::string City;
    std::string Country;     // the country's name
    std::string LatNS, LatMin, LatDeg;
    std::string LonEW, LonMin, LonDeg;
    std::string TimeDiff;    // zone hours ("5.5")
    std::string TimeDiffEW;

    // Key names and values, in writing order.
    std::array<std::pair<const char*, const std::string*>, 18> keys() const;
};

// Writes all eighteen keys, in order and in one operation: the store holds
// the whole chart or, when it cannot be written, what it held before (the
// store's error is raised).
void writeHoroChart(SettingsStore& settings, const HoroChart& chart);

// The "Horo" keys of the chart that stands in the birth-details window.
HoroChart horoChartOf(const frm_OpenChart& w);

// ---- the birth-details window's saved-chart commands. Each traps its own
// errors: the description in a critical box with no title.

// Save: validates the entries; a chart linked to a row (txt_VC_UserId not 0)
// is rewritten in it, any other is inserted through the save-chart window,
// which refuses a name already used. Every save that gets past the checks
// writes the "Horo" keys (a chart linked to a row before its update, any
// other after its insert). A settings file that cannot be written is
// reported in a box of its own and does not stop the save of the row.
// BirthDetails is never written here: it stays the chart last cast.
void FnSaveChart(frm_OpenChart& w);

// Rewrites the linked row from the window and says so; a row that has gone
// is reported and the window is no longer linked to it.
void FnUpdateChart(frm_OpenChart& w);

// Deletes the linked row, empties the window and says so; a row that has
// gone is reported and the window's entries are kept.
void FnDeleteChart(frm_OpenChart& w);

// Links the window to the row just inserted for it.
void FnGetLastChartSno(frm_OpenChart& w, std::int32_t insertedSno);

// Delete from the menu (fromToolbar false) or the toolbar: only for a linked
// chart, and from the toolbar only when the name is not blank; asks "Are You
// Sure You want to delete ?" and deletes on Yes.
void FnAskDeleteChart(frm_OpenChart& w, bool fromToolbar);

}  // namespace jd
