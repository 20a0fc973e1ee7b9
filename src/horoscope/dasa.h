#pragma once
// The vimshottari dasa step of a chart: the nine dasas from the Moon's
// nakshatra at birth, the balance of the first dasa, the bhukthis of every
// dasa and the antaras of every bhukthi that ends after birth, shown in
// Frm_Dasa and, while a cast's finishing step was cut short, recorded in
// table tempBhukthi.
//
// Lords travel as their English names ("Sun" .. "Kethu"); the windows show
// their display names in the chosen language. Every moment keeps the time of
// day of the birth: day counts are rounded to whole days (a half to the even
// day) and months and years keep the day of the month, clamped to the month's
// last day.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/date_time.h"

namespace jd {

struct DasaContents;
class Database;
class Grid;

// The dasa step of the chart computation: no arguments, no result. Computes
// the Moon afresh for the birth details and the chart's ayanamsa (rewriting
// gMoonLongitude), fills the balance label and the three grids of Frm_Dasa,
// writes the bhukthi records while gComputing is raised, and last opens the
// second connection (gBhukthiConnection) anew. A run-time error is shown as
// its description followed by its number in a plain box and ends the step;
// what was written before stays.
void FnComputeVimshottariDasa();

// Arc-minutes from a longitude to the end of its nakshatra. `star` is the
// longitude's star in the 28-star numbering (22 = "Uttarashada - Abijit"), so
// star 22 counts to the end of Uttarashada at 280 degrees.
double FnStarMinutesLeft(int star, double longitude);

// The dasa years of a lord (blanks around the name ignored); 0 for any other
// text.
int FnDasaYears(const std::string& name);

// The lord after this one in the vimshottari cycle (blanks around the name
// ignored); "" for any other text.
std::string FnNextDasaLord(const std::string& name);

// One period of the scheme: its lord and the moments it runs between.
struct DasaPeriod {
    std::string lord;
    DateTime start;
    DateTime end;
};

// A bhukthi shown in the bhukthi grid: its number k (1..81, the j-th bhukthi
// of dasa d being 9 (d - 1) + j), its dasa d (1..9), its lord and its end.
struct ListedBhukthi {
    int k = 0;
    int dasa = 0;
    std::string lord;
    DateTime end;
};

// The antaras of one bhukthi: nine periods that follow each other from the
// bhukthi's start to its end.
struct AntaraGroup {
    int k = 0;
    int dasa = 0;
    std::string bhukthiLord;
    std::array<DasaPeriod, 9> antaras;
};

// The whole vimshottari scheme of one birth.
struct VimshottariScheme {
    DateTime birth;
    int star = 0;                 // the Moon's star, 1..28
    double balanceYears = 0;      // what is left of the first dasa at birth
    std::array<std::string, 9> dasaLords;
    std::array<DateTime, 9> dasaEnds;
    DateTime firstDasaStart;      // the start of the whole first dasa, before birth
    std::array<std::string, 81> bhukthiLords;
    std::array<DateTime, 81> bhukthiEnds;
    std::vector<ListedBhukthi> listed;  // the bhukthis ending at or after birth
    std::vector<AntaraGroup> antaraGroups;  // one per bhukthi ending after birth

    // The start of bhukthi k (1..81): the end of the one before, or the
    // first dasa's start for k = 1.
    DateTime bhukthiStart(int k) const;
};

// The scheme from the Moon's sidereal longitude and its star (1..28), the
// birth moment and the days of a year (365.25 or 360). Raises
// RunTimeError::invalidCall() when a moment leaves the years 1..9999.
VimshottariScheme computeVimshottariScheme(double moonLongitude, int star, const DateTime& birth,
                                           double daysPerYear);

// "Dasa Balance at Birth :" + first lord + "Dasa  " + years "-" months "- "
// days, each part truncated.
std::string dasaBalanceText(const VimshottariScheme& scheme);

// Writes the balance label and the three grids of the dasa window from the
// scheme (the grids in their designed state): the label, the dasa grid and
// the bhukthi grid first, then the antara grid.
void fillDasaWindow(const VimshottariScheme& scheme, DasaContents& window);
void fillDasaAndBhukthiGrids(const VimshottariScheme& scheme, DasaContents& window);
void fillAntaraGrid(const VimshottariScheme& scheme, DasaContents& window);

// Appends one tempBhukthi row per row 1 .. rows - 1 of the bhukthi grid, in
// one transaction: a heading row ("... Dasa") as the user id and empty
// texts, a bhukthi row as the user id, the heading's name with a blank after
// it (the heading keeps one of its own, so two in all), and the row's four
// cells. Every value is bound. An error rolls all of them back.
void writeBhukthiRecords(const Grid& mshBukti, Database& db, std::int32_t userId);

}  // namespace jd
