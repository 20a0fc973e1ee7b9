#include "horoscope/houses.h"

#include <array>
#include <cmath>
#include <string>

#include "calendar/angle_text.h"
#include "horoscope/body_positions.h"
#include "horoscope/chart_cells.h"
#include "horoscope/chart_objects.h"
#include "horoscope/error_boxes.h"
#include "horoscope/lords.h"
#include "horoscope/name_tables.h"
#include "platform/run_time_error.h"
#include "platform/vb_number.h"
#include "state/bhava_tables.h"
#include "state/result_windows.h"
#include "state/shared_records.h"

namespace jd {

namespace {

constexpr const char* kBhavaHeader =
    "House  |  Start Bhava | Mid Bhava    | Sandhi          | Planets"
    "                                                       ";
constexpr const char* kStarHeader =
    "House         |Longitude |   Rasi       | Rasi Lord |  Star             | Pada |Star Lord       |Sub  Lord    ";

// Cell kinds of FnClearChartCells for the three layouts of frm_BhavaChart.
constexpr int kNorthCells = 7;
constexpr int kEastCells = 8;
constexpr int kSouthCells = 9;

void appendToCell(Label& cell, const std::string& planets) { cell.setCaption(cell.caption() + planets); }

// Draws bhava k into the cell of the k-th sign from the ascendant's sign
// (South, East) or of house k (North). Any other style draws nothing.
void drawBhavaChart(BhavaTables& t, const std::string& style, int lagnaSign) {
    BhavaChartContents& w = resultWindows().frm_BhavaChart;
    if (style == "South") {
        FnClearChartCells(kSouthCells);
        w.Frame_SouthBride.setVisible(true);
        w.Frame_EastBride.setVisible(false);
        w.Frame_NorthBride.setVisible(false);
        for (int k = 1; k <= 12; ++k) appendToCell(w.Lab_GirlNav[t.gBhavaSign[k] - 1], t.gBhavaPlanets[k]);
    } else if (style == "North") {
        w.Frame_SouthBride.setVisible(false);
        w.Frame_EastBride.setVisible(false);
        w.Frame_NorthBride.setVisible(true);
        FnClearChartCells(kNorthCells);
        for (int k = 1; k <= 12; ++k) {
            t.gBhavaSign[k] = FnHouseFromSign(lagnaSign, t.gBhavaSign[k]);
            int signOfHouse = lagnaSign + k - 1;
            if (signOfHouse > 12) signOfHouse -= 12;
            w.Lab_NHouseNo[k].setCaption(std::to_string(signOfHouse));
            appendToCell(w.Lab_ChartHouseN_GirlNav[k], t.gBhavaPlanets[k]);
        }
    } else if (style == "East") {
        w.Frame_SouthBride.setVisible(false);
        w.Frame_EastBride.setVisible(true);
        w.Frame_NorthBride.setVisible(false);
        FnClearChartCells(kEastCells);
        for (int k = 1; k <= 12; ++k) appendToCell(w.Lab_ChartGHouse_Girl_Nav[t.gBhavaSign[k]], t.gBhavaPlanets[k]);
    }
}

// Start, middle, sandhi and planets of each bhava.
void fillBhavaGrid(const BhavaTables& t) {
    Grid& g = resultWindows().frm_CBhava.msh_Bhava;
    g.clear();
    g.setFormatString(kBhavaHeader);
    for (int k = 1; k <= 12; ++k) g.setText(k, 0, std::to_string(k));
    for (int k = 1; k <= 12; ++k) {
        g.setText(k, 1, FnFormatDegMinSec(t.gBhavaStart[k]));
        g.setText(k, 2, FnFormatDegMinSec(t.gBhavaMid[k]));
        g.setText(k, 3, FnFormatDegMinSec(t.gBhavaSandhi[k]));
        g.setText(k, 4, t.gBhavaPlanets[k]);
    }
}

// Longitude, sign, lords, star and pada of each bhava middle.
void fillStarGrid(const BhavaTables& t) {
    Grid& g = resultWindows().frm_CBhava.msh_star;
    g.clear();
    g.setFormatString(kStarHeader);
    for (int k = 1; k <= 12; ++k) g.setText(k, 0, std::to_string(k));
    for (int k = 1; k <= 12; ++k) g.setText(k, 1, FnFormatDegMinSec(t.gBhavaMid[k]));
    for (int k = 1; k <= 12; ++k) g.setText(k, 2, FnSignName(t.gBhavaSign[k]));
    for (int k = 1; k <= 12; ++k) g.setText(k, 3, FnSignLord(t.gBhavaMid[k], "Rasi"));

    clsStar& star = chartObjects().gObjStar;
    for (int k = 1; k <= 12; ++k) {
        star.PlanetPosition = t.gBhavaMid[k];
        star.findstar();
        g.setText(k, 4, star.StarName);
        g.setText(k, 5, std::to_string(star.StarQuarter));
        g.setText(k, 6, FnPlanetDisplayName(FnStarLord(star.StarNo)));
    }

    // The sub lord is looked up at the degree within the sign rounded to
    // hundredths, as the cusp tables of the sub lords are read.
    for (int k = 1; k <= 12; ++k) {
        const double d = val(formatNumber(FnDegreesInSign(t.gBhavaMid[k]), "000.00"));
        g.setText(k, 7, FnSubLordForSign(t.gBhavaSign[k], d));
    }
}

}  // namespace

double FnNormalize360(double& angle) {
    try {
        // The remainder is exact, so this is what adding or taking away 360
        // one turn at a time gives, however many turns the angle holds.
        if (!std::isfinite(angle)) throw RunTimeError::overflow();
        double a = angle;
        if (a < 0) {
            a = std::fmod(a, 360.0);
            a = a < 0 ? a + 360.0 : 0.0;
        } else if (a > 360) {
            a = std::fmod(a, 360.0);
            if (a == 0) a = 360.0;
        }
        angle = a;
        return a;
    } catch (const RunTimeError& e) {
        FnShowCriticalError(e);
        return 0;
    }
}

int FnWrapSign(int& n) {
    if (n > 12) n = (n - 1) % 12 + 1;
    return n;
}

void FnComputeBhavaCusps(double lagna, double midheaven, const std::string& bhavaSystem, BhavaTables& t) {
    if (!std::isfinite(lagna) || !std::isfinite(midheaven)) throw RunTimeError::overflow();
    const double a = lagna;
    const double m = midheaven;

    // 0 the ascendant, 6 the fourth cusp, 12 the descendant, 18 the
    // midheaven; the odd indices lie halfway between neighbouring cusps.
    std::array<double, 25> points{};

    // Midheaven to ascendant in six steps of q1 (indices 18..24).
    double q1 = a - m;
    if (q1 < 0) q1 += 360;
    q1 /= 6;
    int index = 18;
    for (int i = 0; i <= 6; ++i) {
        points[static_cast<size_t>(index)] = m + i * q1;
        ++index;
        if (index > 24) index = 0;
    }

    // Descendant to midheaven in six steps of q2 (indices 12..18).
    double descendant = a + 180;
    FnNormalize360(descendant);
    double q2 = m - descendant;
    if (q2 < 0) q2 += 360;
    q2 /= 6;
    for (int i = 0; i <= 6; ++i) {
        double p = a + 180 + i * q2;
        points[static_cast<size_t>(12 + i)] = FnNormalize360(p);
    }

    // The other half of the circle by opposition.
    for (int i = 0; i <= 11; ++i) {
        double p = points[static_cast<size_t>(i + 12)] + 180;
        points[static_cast<size_t>(i)] = FnNormalize360(p);
    }

    // Each cusp the middle of its bhava, which runs from sandhi to sandhi.
    for (int k = 1; k <= 12; ++k) {
        t.gBhavaMid[k] = points[static_cast<size_t>(2 * k - 2)];
        t.gBhavaSandhi[k] = points[static_cast<size_t>(2 * k - 1)];
    }
    for (int k = 1; k <= 12; ++k) FnNormalize360(t.gBhavaMid[k]);
    for (int k = 1; k <= 12; ++k) FnNormalize360(t.gBhavaSandhi[k]);
    t.gBhavaStart[1] = t.gBhavaSandhi[12];
    for (int k = 2; k <= 12; ++k) t.gBhavaStart[k] = t.gBhavaSandhi[k - 1];

    if (bhavaSystem == "Not Equal") {
        // Each cusp the start of its bhava; the middle lies on the arc
        // forward from the cusp to the next one, across 0 degrees if need be.
        std::array<double, 14> cusp{};
        for (int k = 1; k <= 12; ++k) cusp[k] = t.gBhavaMid[k];
        cusp[13] = cusp[1];
        for (int k = 1; k <= 12; ++k) {
            t.gBhavaStart[k] = cusp[k];
            t.gBhavaSandhi[k] = cusp[k + 1];
            t.gBhavaMid[k] =
                cusp[k] > cusp[k + 1] ? (cusp[k] + cusp[k + 1] + 360) / 2 : (cusp[k] + cusp[k + 1]) / 2;
        }
    }
    for (int k = 1; k <= 12; ++k) FnNormalize360(t.gBhavaMid[k]);

    t.gBhavaSign[1] = FnSignNumber(a, 30);
    for (int k = 2; k <= 12; ++k) {
        int sign = t.gBhavaSign[1] + k - 1;
        t.gBhavaSign[k] = FnWrapSign(sign);
    }
}

std::string FnPlanetsInBhava(double start, double end, int house) {
    const SharedState& s = state();
    const BodyPositions& p = s.positions;
    // Indexed like gChartAbbr: 1 Sun .. 9 Kethu.
    const std::array<double, 10> longitude = {0,
                                              p.gSunLongitude,
                                              p.gMoonLongitude,
                                              p.gMarsLongitude,
                                              p.gMercuryLongitude,
                                              p.gJupiterLongitude,
                                              p.gVenusLongitude,
                                              p.gSaturnLongitude,
                                              p.gRahuLongitude,
                                              p.gKethuLongitude};

    std::string text;
    auto collect = [&](double from, double to) {
        for (size_t i = 1; i <= 9; ++i) {
            if (from <= longitude[i] && longitude[i] <= to) {
                if (!text.empty()) text += ' ';
                text += s.names.gChartAbbr[i];
            }
        }
    };
    if (start > end) {
        // The bhava crosses 0 degrees Aries: the part before it first.
        collect(start, 360);
        collect(0, end);
    } else {
        collect(start, end);
    }

    if (house >= 1 && house <= 12) state().bhava.gBhavaPlanets[static_cast<size_t>(house)] = text;
    return text;
}

void FnFillBhavaPlanets() {
    SharedState& s = state();
    BhavaTables& t = s.bhava;
    for (int k = 1; k <= 12; ++k) t.gBhavaPlanets[k].clear();
    for (int k = 1; k <= 12; ++k) t.gBhavaPlanets[k] = FnPlanetsInBhava(t.gBhavaStart[k], t.gBhavaSandhi[k], k);
    t.gBhavaPlanets[1] = s.names.gChartAbbr[0] + " " + t.gBhavaPlanets[1];
}

void FnComputeBhavaTable() {
    try {
        // The rasi positions again: the navamsa run left its own behind.
        FnCalcBodyPositions(30);
        SharedState& s = state();
        BhavaTables& t = s.bhava;
        FnComputeBhavaCusps(s.positions.gLagnaLongitude, s.positions.gMidheaven, s.prefs.gBhavaSystem, t);

        FnFillBhavaPlanets();
        drawBhavaChart(t, s.prefs.gChartStyle, s.signs.gLagnaSign);

        // From here on a bhava's sign is the sign of its middle.
        for (int k = 1; k <= 12; ++k) t.gBhavaSign[k] = FnSignNumber(t.gBhavaMid[k], 30);

        fillBhavaGrid(t);
        fillStarGrid(t);
    } catch (const RunTimeError& e) {
        FnShowCriticalError(e);
    }
}

}  // namespace jd
