#pragma once
// The divisional charts table: the sign of the ascendant and the nine planets
// in the rasi and twenty vargas, one row per chart in mshVargas of
// Frm_Vargas. Nine vargas are computed from the longitude with a fixed
// divisor; eleven are looked up, body by body, in table chartsmaster.
#include <array>
#include <string>
#include <string_view>

namespace jd {

// Column headings of mshVargas by language (95 characters each).
inline constexpr std::string_view kVargasHeaderSanskrit =
    "  Chart                  | Lag  | Sur  | Cha  | Kuj  | Bud  | Gur  | Suk  | San  | Rah  | Ket  ";
inline constexpr std::string_view kVargasHeaderEnglish =
    "  Chart                  | Asc  | Sun  | Moo  | Mar  | Mer  | Jup  | Ven  | Sat  | Rah  | Ket  ";

// How a row's signs are found: computed from the longitude with the row's
// divisor, or looked up in chartsmaster by rasi sign and degree in the sign.
inline constexpr int kVargaComputed = 0;
inline constexpr int kVargaLookedUp = 1;

struct VargaChart {
    std::string_view name;  // column 0 of the row, the same in both languages
    int mode;               // kVargaComputed or kVargaLookedUp
    double divisor;         // degrees; 0 for a looked-up row
};

// Rows 1..21 of the table in order (index 0 is row 1, the rasi). The divisors
// are the program's decimal values, not the nearby fractions (4.2857, not
// 30/7): near the end of the zodiac they give other signs. The Nava-Navamsa
// is computed on 81 times each longitude with divisor 360.
inline constexpr std::array<VargaChart, 21> kVargaCharts{{
    {"Rasi", kVargaComputed, 30},
    {"Navamsa", kVargaComputed, 3.33333333333333},
    {"Hora", kVargaLookedUp, 0},
    {"Drekkana", kVargaLookedUp, 0},
    {"Chaturthamsha", kVargaLookedUp, 0},
    {"Panchamsha", kVargaComputed, 6},
    {"Shashtamsha", kVargaComputed, 5},
    {"Sapthamsha", kVargaComputed, 4.2857},
    {"Ashatamsha", kVargaComputed, 3.75},
    {"Dashamsha", kVargaLookedUp, 0},
    {"Ekadashamsha", kVargaLookedUp, 0},
    {"Dwadashamsha", kVargaLookedUp, 0},
    {"Shodashamsha", kVargaComputed, 1.875},
    {"Vimshamsha", kVargaComputed, 1.5},
    {"Chaturvimshamsha", kVargaLookedUp, 0},
    {"Saptavimshamsha", kVargaComputed, 1.1111},
    {"Trimshamsha", kVargaLookedUp, 0},
    {"Khavedamsa", kVargaLookedUp, 0},
    {"Akshvedamsa", kVargaLookedUp, 0},
    {"Shastiamsa", kVargaLookedUp, 0},
    {"Nava-Navamsa", kVargaComputed, 360},
}};

// The ten bodies in the table's order: Lagna, Sun, Moon, Mars, Mercury,
// Jupiter, Venus, Saturn, Rahu, Kethu.
using VargaLongitudes = std::array<double, 10>;

// The varga step of the chart run. Writes the header for gLanguage ("Sanskrit"
// or "English"; any other value leaves the designed header), the chart names,
// the rasi row and, through FnVargaRow, the twenty vargas. Leaves the rasi
// signs (span 30) of the chart in gVargaLagnaSign and the nine planets' fields
// of BodySigns; gLagnaSign is not touched. A run-time error ends the step
// with the plain box (description followed directly by the number).
void FnFillVargasTable();

// One varga row: the signs of the ten bodies, computed with the divisor, or,
// for mode kVargaLookedUp, looked up in chartsmaster by the varga's name in
// capitals, the body's rasi sign (gVargaLagnaSign and BodySigns) and its
// degree within the sign. The row is the one whose name matches chartName
// without regard to case or surrounding blanks. A sign outside 1..12 leaves
// its cell empty. A run-time error (a failed lookup among them) is shown in
// the plain box and leaves the row's cells unwritten.
void FnVargaRow(const VargaLongitudes& longitudes, const std::string& chartName, double divisor, int mode);

}  // namespace jd
