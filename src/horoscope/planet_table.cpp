#include "horoscope/planet_table.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "calendar/angle_text.h"
#include "horoscope/avasthas.h"
#include "horoscope/body_positions.h"
#include "horoscope/chart_objects.h"
#include "horoscope/error_boxes.h"
#include "horoscope/lords.h"
#include "horoscope/name_tables.h"
#include "platform/vb_date.h"
#include "platform/vb_number.h"
#include "state/result_windows.h"
#include "state/shared_records.h"

namespace jd {

namespace {

constexpr const char* kHeader =
    "Planet|   Longitude  |   Rasi    |Rasi Lord|Star            |Pada|Star Lord|Sub  Lord|Karaka*|Avasthas** ";

// The English names of rows 2..10 as the avastha routine takes them.
constexpr std::array<const char*, 11> kEnglishName = {"",        "",      "Sun",   "Moon",   "Mars", "Mercury",
                                                      "Jupiter", "Venus", "Saturn", "Rahu", "Kethu"};

constexpr std::array<const char*, 8> kKarakaName = {"", "Atma", "Amatya", "Bhratri", "Matri", "Puttra", "Gnati",
                                                    "Dara"};

// The value of a degrees.minutes.seconds text ("24.37.45") in degrees, so
// that texts equal to the minute still rank by their seconds.
double degreeTextValue(const std::string& text) {
    double value = 0;
    double unit = 1;
    size_t start = 0;
    for (int part = 0; part < 3 && start <= text.size(); ++part) {
        const size_t dot = text.find('.', start);
        const std::string piece = text.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        value += std::atof(piece.c_str()) * unit;
        unit /= 60;
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    return value;
}

// Sorts the non-fixed rows of the one-column work grid by their degree texts,
// largest first; equal texts keep their order.
void sortDegreesDescending(Grid& work) {
    std::vector<std::string> texts;
    for (int r = work.fixedRows(); r < work.rows(); ++r) texts.push_back(work.text(r, 0));
    std::stable_sort(texts.begin(), texts.end(), [](const std::string& a, const std::string& b) {
        return degreeTextValue(a) > degreeTextValue(b);
    });
    for (int r = work.fixedRows(); r < work.rows(); ++r)
        work.setText(r, 0, texts[static_cast<size_t>(r - work.fixedRows())]);
}

}  // namespace

void FnRankCharaKarakas(Grid& table, Grid& work) {
    work.clear();
    for (int k = 1; k <= 7; ++k) work.setText(k, 0, table.text(k + 1, 1));
    sortDegreesDescending(work);
    for (int k = 1; k <= 7; ++k)
        for (int r = 2; r <= 8; ++r)
            if (work.text(k, 0) == table.text(r, 1)) table.setText(r, 8, kKarakaName[static_cast<size_t>(k)]);
}

void FnFillPlanetTable() {
    try {
        // 1, 2. Names of the language and the rasi positions.
        FnLoadNameTables();
        FnCalcBodyPositions(30);

        SharedState& s = state();
        const BodyPositions& pos = s.positions;
        const BirthDetails& b = s.birth;
        const ChartAyanamsa& ay = s.chartAyanamsa;

        // Longitudes of rows 1..10.
        const std::array<double, 11> lon = {0,
                                            pos.gLagnaLongitude,
                                            pos.gSunLongitude,
                                            pos.gMoonLongitude,
                                            pos.gMarsLongitude,
                                            pos.gMercuryLongitude,
                                            pos.gJupiterLongitude,
                                            pos.gVenusLongitude,
                                            pos.gSaturnLongitude,
                                            pos.gRahuLongitude,
                                            pos.gKethuLongitude};

        // 3. Positions one calendar day later, for the motion marks of rows 4..10.
        ClsFindPlanetPosition& pp = chartObjects().gObjPlanetPos;
        pp.FindFixValues(dateAdd(DateUnit::Day, 1, pos.gBirthDateTime), b.gLatNS, toDouble(b.gLatDeg),
                         toDouble(b.gLatMin), b.gLonEW, toDouble(b.gLonDeg), toDouble(b.gLonMin),
                         toDouble(b.gZoneHours), b.gZoneEW, 0, ay.gAyanamsaChoice, ay.gChartCustomZeroYear,
                         ay.gChartCustomProgress);
        std::array<double, 11> nextDay{};
        nextDay[4] = pp.FnFindMarsPosition();
        nextDay[5] = pp.FnFindMercuryPosition();
        nextDay[6] = pp.FnFindJupiterPosition();
        nextDay[7] = pp.FnFindVenusPosition();
        nextDay[8] = pp.FnFindSaturnPosition();
        nextDay[9] = pp.FnFindRahuPosition();
        nextDay[10] = pp.FnFindKethuPosition();

        // 4. Rasi signs.
        std::array<int, 11> sign{};
        for (int r = 1; r <= 10; ++r) sign[r] = FnSignNumber(lon[r], 30);

        // 5. A fresh table.
        PlanetPositionsContents& window = resultWindows().Frm_PP;
        Grid& grid = window.mshNirayana;
        grid.clear();
        grid.setFormatString(kHeader);

        // 6. Names, degrees, signs and sign lords, column by column.
        auto degreeText = [&](int r) { return FnFormatDegMinSec(FnDegreesInSign(lon[r])); };
        for (int r = 1; r <= 10; ++r) grid.setText(r, 0, s.names.gChartAbbr[static_cast<size_t>(r - 1)]);
        for (int r = 1; r <= 10; ++r) grid.setText(r, 1, degreeText(r));
        for (int r = 1; r <= 10; ++r) grid.setText(r, 2, FnSignName(sign[r]));
        for (int r = 1; r <= 10; ++r) grid.setText(r, 3, FnSignLord(lon[r], "Rasi"));

        // 7. Star, pada and star lord.
        clsStar& star = chartObjects().gObjStar;
        for (int r = 1; r <= 10; ++r) {
            star.PlanetPosition = lon[r];
            star.findstar();
            grid.setText(r, 4, star.StarName);
            grid.setText(r, 5, std::to_string(star.StarQuarter));
            grid.setText(r, 6, FnPlanetDisplayName(FnStarLord(star.StarNo)));
        }

        // 8. Sub lords from the table of the sign's group.
        for (int r = 1; r <= 10; ++r) {
            if (sign[r] < 1 || sign[r] > 12) continue;
            grid.setText(r, 7, FnSubLordForSign(sign[r], FnDegreesInSign(lon[r])));
        }

        // 9. Chara karakas of the seven planets.
        FnRankCharaKarakas(grid, window.MSFlexGridSort);

        // 10. Avasthas.
        grid.setText(1, 9, "----");
        for (int r = 2; r <= 10; ++r)
            grid.setText(r, 9, FnAvasthaName(lon[r], kEnglishName[static_cast<size_t>(r)], pos.gMoonLongitude,
                                             s.signs.gLagnaSign));

        // 11. No karaka for the ascendant and the nodes.
        grid.setText(1, 8, "--");
        grid.setText(9, 8, "--");
        grid.setText(10, 8, "--");

        // 12. Degrees again, with the motion marks of Mars .. Kethu.
        for (int r = 1; r <= 10; ++r) {
            std::string text = degreeText(r);
            if (r >= 4) text += FnRetroMark(lon[r], nextDay[r], r <= 8 ? 1 : 2);
            grid.setText(r, 1, text);
        }
    } catch (const RunTimeError& e) {
        FnShowPlainError(e);
    }
}

}  // namespace jd
