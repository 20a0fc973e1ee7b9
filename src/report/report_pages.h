#pragma once
// The pages of the horoscope report, each appended to one working text. A page
// routine writes the page's own lines; the document (report_document.h) puts
// the separators and page headers between them. Every line ends in CR LF.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/text_charts.h"
#include "state/result_windows.h"

namespace jd {

// The first row of table PersonalDetails, by its eight roles.
struct PersonalDetailsRow {
    std::string Name, Address, Address2, City, Country, Zipcode, Phone, EMail;
};

namespace report {

// The title of the site that publishes the report: on page 1 and in every
// page header.
inline constexpr std::string_view ReportSiteTitle = "Jataka Desk";

// 41 blanks, the site title, " - Horoscope  Page " and the number (no line end).
std::string pageHeader(int page);

// Page 1: the invocation, the title, the 29 birth-detail lines and the centred
// personal details (four lines of blanks when there is no row). Ends with the
// last personal-details line; the separator follows.
void appendBirthDetailsPage(std::string& out, const UserDetailsContents& details,
                            const std::optional<PersonalDetailsRow>& personal);

// Name, address, country and e-mail texts of the personal-details block.
std::vector<std::string> personalDetailsTexts(const std::optional<PersonalDetailsRow>& personal);

// Which picture the charts are drawn in, from the chart-style preference
// (compared without regard to case); none for an unknown style.
enum class ChartStyle { South, North, East };
std::optional<ChartStyle> chartStyleOf(std::string_view gChartStyle);

// The twelve cells of each chart as the report hands them to the drawer.
ChartCells rasiCells(const RasiContents& w, ChartStyle style);
ChartCells divisionCells(const DivisionChartContents& w, ChartStyle style, bool bhava);

// Page 2 after its header: the rasi chart, four line ends, the navamsa chart.
void appendChartsPage(std::string& out, const ResultWindows& windows, std::optional<ChartStyle> style,
                      const ReportErrorSink& onError);

// Page 3 after its header: the bhava chart and the table of bhava positions
// from msh_star; the heading names the house system.
void appendHousesPage(std::string& out, const ResultWindows& windows, std::optional<ChartStyle> style,
                      std::string_view gBhavaSystem, const ReportErrorSink& onError);

// Page 4 after its header: planet positions and ashtakavarga. Returns the
// Planet field (six characters) of every body row of mshNirayana, in grid
// order, for the headings of page 5.
std::vector<std::string> appendPlanetsPage(std::string& out, const PlanetPositionsContents& planets,
                                           const AVargasContents& ashtakavarga);

// The line and page counters of the period lists: lines of the current page
// as the lists reckon them, and the number of the next page header.
struct PageCounters {
    int line = 0;
    int page = 0;
};

// Page 5 after its header: the vargas and the vimshottari dasa. The Planet
// fields are page 4's. Returns the counters the bhukti list starts from.
PageCounters appendVargasDasaPage(std::string& out, const VargasContents& vargas, const DasaContents& dasa,
                                  const std::vector<std::string>& planetFields);

// The bhukti list (on page 5 and after), ending with the page separator and
// one empty line; and the antara list, opening a new page.
void appendBhuktiList(std::string& out, const Grid& mshBukti, PageCounters& counters);
void appendAntraList(std::string& out, const Grid& mshAntra, PageCounters& counters);

}  // namespace report
}  // namespace jd
