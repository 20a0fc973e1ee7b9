#include "horoscope/chart_cells.h"

#include <array>
#include <vector>

#include "calendar/angle_text.h"
#include "horoscope/error_boxes.h"
#include "platform/run_time_error.h"
#include "state/result_windows.h"
#include "state/shared_records.h"

namespace jd {

namespace {

const char* const kLineBreak = "\r\n";

// One body of a chart: its entry of gChartAbbr and where its sign and
// longitude are kept.
struct ChartBody {
    int abbr;
    int BodySigns::*sign;
    double BodyPositions::*longitude;
    bool upagraha;  // Gulika or Maandi: known only with the day's sun times
};

// The bodies in the order they are drawn.
const std::array<ChartBody, 12> kBodies{{
    {0, &BodySigns::gLagnaSign, &BodyPositions::gLagnaLongitude, false},
    {1, &BodySigns::gSunSign, &BodyPositions::gSunLongitude, false},
    {2, &BodySigns::gMoonSign, &BodyPositions::gMoonLongitude, false},
    {3, &BodySigns::gMarsSign, &BodyPositions::gMarsLongitude, false},
    {4, &BodySigns::gMercurySign, &BodyPositions::gMercuryLongitude, false},
    {5, &BodySigns::gJupiterSign, &BodyPositions::gJupiterLongitude, false},
    {6, &BodySigns::gVenusSign, &BodyPositions::gVenusLongitude, false},
    {7, &BodySigns::gSaturnSign, &BodyPositions::gSaturnLongitude, false},
    {8, &BodySigns::gRahuSign, &BodyPositions::gRahuLongitude, false},
    {9, &BodySigns::gKethuSign, &BodyPositions::gKethuLongitude, false},
    {10, &BodySigns::gGulikaSign, &BodyPositions::gGulikaLongitude, true},
    {13, &BodySigns::gMaandiSign, &BodyPositions::gMaandiLongitude, true},
}};

// The bodies that a chart of the current positions shows.
std::vector<ChartBody> bodiesShown() {
    std::vector<ChartBody> shown;
    const bool upagrahasKnown = state().positions.gGulikaMaandiKnown;
    for (const ChartBody& b : kBodies)
        if (!b.upagraha || upagrahasKnown) shown.push_back(b);
    return shown;
}

void clearArray(LabelArray& cells) {
    for (int i = cells.lower(); i <= cells.upper(); ++i) cells[i].setCaption("");
}

// The three frames of one chart window.
struct ChartFrames {
    Frame& south;
    Frame& north;
    Frame& east;
};

ChartFrames framesOf(ChartDivision division) {
    ResultWindows& w = resultWindows();
    if (division == ChartDivision::Rasi)
        return {w.frm_rasi.Frame_SouthBride, w.frm_rasi.Frame_NorthBride, w.frm_rasi.Frame_EastBride};
    return {w.frm_Navamsa.Frame_SouthBride, w.frm_Navamsa.Frame_NorthBride, w.frm_Navamsa.Frame_EastBride};
}

void putBodies(const char* kind) {
    const BodyPositions& pos = state().positions;
    const BodySigns& signs = state().signs;
    const NameTables& names = state().names;
    for (const ChartBody& b : bodiesShown())
        FnPutBodyInChartCell(kind, names.gChartAbbr[b.abbr], signs.*b.sign, pos.*b.longitude);
}

void drawNorth(ChartDivision division, const ChartFrames& frames) {
    frames.south.setVisible(false);
    frames.east.setVisible(false);
    frames.north.setVisible(true);
    const bool rasi = division == ChartDivision::Rasi;
    FnClearChartCells(rasi ? 3 : 4);

    ResultWindows& w = resultWindows();
    LabelArray& houses = rasi ? w.frm_rasi.Lab_ChartHouseN_Girl : w.frm_Navamsa.Lab_ChartHouseN_GirlNav;
    LabelArray& signNumbers = rasi ? w.frm_rasi.Lab_NHouseNo : w.frm_Navamsa.Lab_NHouseNo;
    const BodySigns& signs = state().signs;
    const NameTables& names = state().names;
    const int lagnaSign = signs.gLagnaSign;

    // House i holds the i-th sign counted from the lagna's.
    for (int i = 1; i <= 12; ++i) {
        int s = i - 1 + lagnaSign;
        if (s > 12) s -= 12;
        signNumbers[i].setCaption(std::to_string(s));
    }

    // The lagna is named by its display name ("Asc", "Lagna"), the others by
    // their chart names; no degrees, no line breaks.
    Label& first = houses[1];
    first.setCaption(first.caption() + names.gBodyName[0] + "  ");
    for (const ChartBody& b : bodiesShown()) {
        if (b.abbr == 0) continue;
        Label& cell = houses[FnHouseFromSign(lagnaSign, signs.*b.sign)];
        cell.setCaption(cell.caption() + names.gChartAbbr[b.abbr] + "  ");
    }
}

}  // namespace

void FnClearChartCells(int kind) {
    try {
        ResultWindows& w = resultWindows();
        switch (kind) {
            case 1: clearArray(w.frm_rasi.Lab_GM_GirlHouse); break;
            case 2: clearArray(w.frm_Navamsa.Lab_GirlNav); break;
            case 3: clearArray(w.frm_rasi.Lab_ChartHouseN_Girl); break;
            case 4: clearArray(w.frm_Navamsa.Lab_ChartHouseN_GirlNav); break;
            case 5: clearArray(w.frm_rasi.Lab_chartHouse_Girl_Rasi); break;
            case 6: clearArray(w.frm_Navamsa.Lab_ChartGHouse_Girl_Nav); break;
            case 7: clearArray(w.frm_BhavaChart.Lab_ChartHouseN_GirlNav); break;
            case 8: clearArray(w.frm_BhavaChart.Lab_ChartGHouse_Girl_Nav); break;
            case 9: clearArray(w.frm_BhavaChart.Lab_GirlNav); break;
            default: break;
        }
    } catch (const RunTimeError& e) {
        FnShowPlainError(e);
    }
}

void FnPutBodyInChartCell(const std::string& kind, const std::string& name, int sign, double longitude) {
    try {
        ResultWindows& w = resultWindows();
        Label* cell = nullptr;
        std::string entry;
        if (kind == "1") {
            cell = &w.frm_rasi.Lab_GM_GirlHouse[sign - 1];
            entry = name + "  " + FnFormatDegMin(FnDegreesInSign(longitude));
        } else if (kind == "2") {
            cell = &w.frm_Navamsa.Lab_GirlNav[sign - 1];
            entry = name + "  ";
        } else if (kind == "3") {
            // One line: each further name follows after two blanks.
            cell = &w.frm_rasi.Lab_chartHouse_Girl_Rasi[sign];
            if (!cell->caption().empty()) {
                cell->setCaption(cell->caption() + "  " + name);
                return;
            }
            entry = name + "  ";
        } else if (kind == "5") {
            cell = &w.frm_Navamsa.Lab_ChartGHouse_Girl_Nav[sign];
            entry = name + "  ";
        } else {
            return;
        }
        if (cell->caption().empty())
            cell->setCaption(entry);
        else
            cell->setCaption(cell->caption() + kLineBreak + entry);
    } catch (const RunTimeError& e) {
        FnShowPlainError(e);
    }
}

int FnHouseFromSign(int lagnaSign, int sign) {
    int h = 13 - lagnaSign + sign;
    if (h > 12) h -= 12;
    return h;
}

bool FnDrawChart(ChartDivision division) {
    const std::string& style = state().prefs.gChartStyle;
    const bool rasi = division == ChartDivision::Rasi;
    const ChartFrames frames = framesOf(division);
    if (style == "South") {
        FnClearChartCells(rasi ? 1 : 2);
        frames.south.setVisible(true);
        frames.east.setVisible(false);
        frames.north.setVisible(false);
        putBodies(rasi ? "1" : "2");
        return true;
    }
    if (style == "East") {
        frames.south.setVisible(false);
        frames.east.setVisible(true);
        frames.north.setVisible(false);
        FnClearChartCells(rasi ? 5 : 6);
        putBodies(rasi ? "3" : "5");
        return true;
    }
    if (style == "North") {
        drawNorth(division, frames);
        return true;
    }
    return false;
}

}  // namespace jd
