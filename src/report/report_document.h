#pragma once
// The horoscope report as one fixed-width text of several pages: birth
// details, the rasi and navamsa charts, the bhava chart and table, planet
// positions and ashtakavarga, vargas and dasa, the bhukti list and, on request,
// the antara list. It is built from what the result windows show, so it always
// shows the chart that the windows show.
#include <functional>
#include <optional>
#include <string>

#include "report/report_pages.h"
#include "report/text_charts.h"
#include "state/result_windows.h"

namespace jd {

// Everything one report is made from.
struct ReportSources {
    const ResultWindows& windows;
    std::string gChartStyle;   // "South", "North" or "East", any case
    std::string gBhavaSystem;  // "Equal" gives the equal-division heading
    std::optional<PersonalDetailsRow> personalDetails;  // none: the table is empty
    bool withAntra = true;     // the print window's "With Antra"
    ReportErrorSink onError;   // the plain error box of the chart drawers
};

// The whole report text. A failure while reading a window or a grid raises
// its RunTimeError; nothing is returned then.
std::string FnBuildHoroscopeReportText(const ReportSources& sources);

// Reads the first row of table PersonalDetails (none when the table is empty).
using PersonalDetailsReader = std::function<std::optional<PersonalDetailsRow>()>;

// The print window's build step: reads the result windows, the preferences
// gChartStyle and gBhavaSystem, the print window's "With Antra" and the
// personal details, and replaces the text of Frm_Print.Te with the report.
// When anything fails the error reaches the caller and Te keeps its text.
void FnBuildHoroscopeReport(const PersonalDetailsReader& readPersonalDetails, const ReportErrorSink& onError);

// The same as the print window runs it: the personal details from the shared
// connection gDbConnection, a drawer's error in a plain box (no icon, OK, no
// title) of the process's message-box service.
void FnBuildHoroscopeReport();

}  // namespace jd
