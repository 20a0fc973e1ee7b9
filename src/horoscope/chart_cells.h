#pragma once
// The rasi and navamsa charts as texts in the label cells of frm_rasi and
// frm_Navamsa, in the "South", "North" or "East" style, and the clearing of
// the cells of those windows and of frm_BhavaChart.
//
// South and East cells are by sign, North cells by house counted from the
// lagna's sign. Each window holds the three layouts in three frames and shows
// the one of the chosen style.
#include <string>

namespace jd {

// The navamsa span as the program uses it: a shade less than 30 / 9.
inline constexpr double kNavamsaSpan = 3.33333333333333;

// Empties the captions of one cell array:
//   1 frm_rasi.Lab_GM_GirlHouse (0..11)           2 frm_Navamsa.Lab_GirlNav (0..11)
//   3 frm_rasi.Lab_ChartHouseN_Girl (1..12)       4 frm_Navamsa.Lab_ChartHouseN_GirlNav (1..12)
//   5 frm_rasi.Lab_chartHouse_Girl_Rasi (1..12)   6 frm_Navamsa.Lab_ChartGHouse_Girl_Nav (1..12)
//   7 frm_BhavaChart.Lab_ChartHouseN_GirlNav      8 frm_BhavaChart.Lab_ChartGHouse_Girl_Nav
//   9 frm_BhavaChart.Lab_GirlNav (0..11)
// Any other kind does nothing.
void FnClearChartCells(int kind);

// Adds one body to the cell of its sign: kind "1" rasi South (name, two
// blanks and its degrees in the sign, one line per body), "2" navamsa South
// (name and two blanks, one line per body), "3" rasi East (all on one line:
// the first name and two blanks, each further name after two more blanks),
// "5" navamsa East (name and two blanks, one line per body). Lines are joined
// by CR LF. Any other kind does nothing. A sign outside 1..12 shows the
// plain error box ("Subscript out of range9") and adds nothing.
void FnPutBodyInChartCell(const std::string& kind, const std::string& name, int sign, double longitude);

// The house that `sign` occupies when `lagnaSign` is house 1:
// 13 - lagnaSign + sign, less 12 when above 12.
int FnHouseFromSign(int lagnaSign, int sign);

enum class ChartDivision { Rasi, Navamsa };

// Draws one chart from BodyPositions, BodySigns and NameTables in the style
// gChartStyle (compared exactly with "South", "East" and "North"), clearing
// its cells first and showing the frame of the style alone. Returns false,
// drawing nothing and leaving the frames alone, for any other style.
// Gulika and Maandi are left out when their positions are not known.
// Errors of the frame switching and of the North layout's own cell writes
// are raised to the caller: they end the chart run.
bool FnDrawChart(ChartDivision division);

}  // namespace jd
