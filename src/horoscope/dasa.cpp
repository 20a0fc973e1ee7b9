#include "horoscope/dasa.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "calendar/calendar_errors.h"
#include "horoscope/chart_objects.h"
#include "horoscope/error_boxes.h"
#include "horoscope/lords.h"
#include "platform/database.h"
#include "platform/run_time_error.h"
#include "platform/text.h"
#include "platform/vb_date.h"
#include "platform/vb_number.h"
#include "state/result_windows.h"
#include "state/shared_records.h"

namespace jd {

namespace {

// The vimshottari cycle: each lord's years and the lord after it. The years
// add up to 120.
struct CycleEntry {
    const char* lord;
    int years;
    const char* next;
};

constexpr CycleEntry kCycle[] = {
    {"Sun", 6, "Moon"},        {"Moon", 10, "Mars"},       {"Mars", 7, "Rahu"},
    {"Rahu", 18, "Jupiter"},   {"Jupiter", 16, "Saturn"},  {"Saturn", 19, "Mercury"},
    {"Mercury", 17, "Kethu"},  {"Kethu", 7, "Venus"},      {"Venus", 20, "Sun"},
};

const CycleEntry* cycleEntry(const std::string& name) {
    const std::string key = trim(name);
    for (const CycleEntry& e : kCycle)
        if (key == e.lord) return &e;
    return nullptr;
}

// A product of dasa years kept within a 16-bit integer, as the periods are
// reckoned (at most 20 x 20 x 20 = 8000).
int yearsProduct(int a, int b, int c = 1) {
    const long long p = static_cast<long long>(a) * b * c;
    if (p < -32768 || p > 32767) throw RunTimeError::overflow();
    return static_cast<int>(p);
}

DateTime addDays(const DateTime& t, double days) { return dateAdd(DateUnit::Day, days, t); }

// The length of a bhukthi in years, split into whole years, months (with
// their fraction) and the days of that fraction rounded (half to even; it can
// reach 30). Adding it to a moment adds the days, then the whole months, then
// the years.
struct BhukthiParts {
    double years = 0;
    double months = 0;
    double days = 0;
};

BhukthiParts bhukthiParts(double bhukthiYears) {
    BhukthiParts p;
    p.years = vbInt(bhukthiYears);
    p.months = (bhukthiYears - p.years) * 12;
    p.days = roundHalfEven((p.months - vbInt(p.months)) * 30);
    return p;
}

DateTime addParts(const DateTime& t, const BhukthiParts& p) {
    DateTime r = dateAdd(DateUnit::Day, p.days, t);
    r = dateAdd(DateUnit::Month, vbInt(p.months), r);
    return dateAdd(DateUnit::Year, p.years, r);
}

// The nine antaras of a bhukthi from its start to its end. Antara a lasts
// (dasa years x bhukthi years x antara years) x days a year / 14400 days, the
// next starting where it ends, and the ninth closes on the bhukthi's end,
// taking up what the calendar reckoning of the bhukthi added or left.
AntaraGroup antaraGroup(int k, int dasa, const std::string& dasaLord, const std::string& bhukthiLord,
                        const DateTime& start, const DateTime& end, double daysPerYear) {
    AntaraGroup g{k, dasa, bhukthiLord, {}};
    const int dasaYears = FnDasaYears(dasaLord);
    const int bhukthiYears = FnDasaYears(bhukthiLord);
    std::string lord = bhukthiLord;
    for (DasaPeriod& p : g.antaras) {
        p.lord = lord;
        lord = FnNextDasaLord(lord);
    }

    DateTime at = start;
    for (size_t a = 0; a < 9; ++a) {
        DasaPeriod& p = g.antaras[a];
        p.start = at;
        p.end = a == 8 ? end
                       : addDays(at, yearsProduct(dasaYears, bhukthiYears, FnDasaYears(p.lord)) * daysPerYear / 14400);
        at = p.end;
    }
    return g;
}

std::string dateText(const DateTime& t) { return formatDate(t, "DD/MMM/YYYY"); }

// The age shown beside a period: the calendar year of its start less the
// birth year; a start in an earlier year than the birth shows 0.
std::string ageText(const DateTime& start, const DateTime& birth) {
    return std::to_string(std::max(0, start.year() - birth.year()));
}

std::string wholeText(double x) { return std::to_string(static_cast<long long>(vbInt(x))); }

// A heading row: one text across the row's four cells, merged, centred and
// bold in the current cell.
void setHeadingRow(Grid& g, int row, const std::string& text) {
    for (int c = 0; c < 4; ++c) g.setText(row, c, text);
    g.setMergeCells(1);
    g.setMergeRow(row, true);
    g.setRow(row);
    g.setCellAlignment(g.row(), g.col(), Alignment::CenterCenter);
    g.setCellBold(g.row(), g.col(), true);
}

void setPeriodRow(Grid& g, int row, const std::string& lord, const DateTime& start, const DateTime& end,
                  const std::string& age) {
    g.setText(row, 0, FnPlanetDisplayName(lord));
    g.setText(row, 1, dateText(start));
    g.setText(row, 2, dateText(end));
    g.setText(row, 3, age);
}

// The second connection: released when open, then opened afresh on the file
// of the shared connection.
Database& renewBhukthiConnection() {
    SharedState& s = state();
    s.gBhukthiConnection.reset();
    s.gBhukthiConnection = sharedDatabase().another();
    return *s.gBhukthiConnection;
}

}  // namespace

double FnStarMinutesLeft(int star, double longitude) {
    const int s = star >= 22 ? star - 1 : star;
    const int starEnd = yearsProduct(800, s);
    const double whole = vbInt(longitude);
    const double minutes = whole * 60 + (longitude - whole) * 60;
    return starEnd - vbInt(minutes);
}

int FnDasaYears(const std::string& name) {
    const CycleEntry* e = cycleEntry(name);
    return e ? e->years : 0;
}

std::string FnNextDasaLord(const std::string& name) {
    const CycleEntry* e = cycleEntry(name);
    return e ? e->next : "";
}

DateTime VimshottariScheme::bhukthiStart(int k) const {
    if (k < 1 || k > 81) throw RunTimeError::subscriptOutOfRange();
    return k == 1 ? firstDasaStart : bhukthiEnds[static_cast<size_t>(k - 2)];
}

VimshottariScheme computeVimshottariScheme(double moonLongitude, int star, const DateTime& birth,
                                           double daysPerYear) {
    VimshottariScheme v;
    v.birth = birth;
    v.star = star;

    // Dasa lords: from the lord of the Moon's star round the cycle. Star 22
    // (the last quarter of Uttarashada) is followed by Shravana, star 23.
    int t = star;
    for (auto& lord : v.dasaLords) {
        lord = FnStarLord(t);
        ++t;
        if (t > 28) t -= 28;
        if (t == 22) t = 23;
    }

    // The balance: the part of the first dasa that the Moon has still to run
    // through its star.
    const double minutes = FnStarMinutesLeft(star, moonLongitude);
    v.balanceYears = FnDasaYears(v.dasaLords[0]) * minutes / 800;

    v.dasaEnds[0] = addDays(birth, daysPerYear * v.balanceYears);
    for (size_t i = 1; i < 9; ++i)
        v.dasaEnds[i] = addDays(v.dasaEnds[i - 1], FnDasaYears(v.dasaLords[i]) * daysPerYear);

    // Bhukthi lords: each dasa's nine from its own lord round the cycle.
    for (size_t d = 0; d < 9; ++d) {
        v.bhukthiLords[9 * d] = v.dasaLords[d];
        for (size_t j = 1; j < 9; ++j) v.bhukthiLords[9 * d + j] = FnNextDasaLord(v.bhukthiLords[9 * d + j - 1]);
    }
    auto bhukthiYears = [&](int k) {
        const int d = (k - 1) / 9;
        return yearsProduct(FnDasaYears(v.bhukthiLords[static_cast<size_t>(k - 1)]),
                            FnDasaYears(v.dasaLords[static_cast<size_t>(d)])) /
               120.0;
    };

    // With calendar years (365.25 days) the first dasa's bhukthis run from
    // its whole start, its years in calendar years before its end, so its
    // ninth may end a few days off the dasa's end; and a bhukthi advances by
    // its calendar days, months and years. With 360-day years that start
    // lies its years x 360 days before its end, and every bhukthi lasts its
    // years x 360 days (3 x dasa years x bhukthi years, a whole number), so
    // the nine of a dasa fill it exactly.
    const bool calendarYears = daysPerYear != 360;
    const int firstYears = FnDasaYears(v.dasaLords[0]);
    v.firstDasaStart = calendarYears ? dateAdd(DateUnit::Year, -firstYears, v.dasaEnds[0])
                                     : addDays(v.dasaEnds[0], -firstYears * daysPerYear);
    DateTime end = v.firstDasaStart;
    for (int k = 1; k <= 81; ++k) {
        if (k == 10)
            end = addDays(v.dasaEnds[0], daysPerYear * bhukthiYears(k));
        else if (k > 9 && k % 9 == 0)
            end = v.dasaEnds[static_cast<size_t>(k / 9 - 1)];
        else if (calendarYears)
            end = addParts(end, bhukthiParts(bhukthiYears(k)));
        else
            end = addDays(end, daysPerYear * bhukthiYears(k));
        v.bhukthiEnds[static_cast<size_t>(k - 1)] = end;
    }

    // Shown: every bhukthi that ends at or after birth. Antaras: every
    // bhukthi that ends after birth, nine of them from the bhukthi's start,
    // each its share of the years, the ninth closing on the bhukthi's end.
    for (int k = 1; k <= 81; ++k) {
        const int d = (k - 1) / 9 + 1;
        const std::string& lord = v.bhukthiLords[static_cast<size_t>(k - 1)];
        const DateTime& bEnd = v.bhukthiEnds[static_cast<size_t>(k - 1)];
        if (bEnd >= birth) v.listed.push_back({k, d, lord, bEnd});
        if (bEnd <= birth) continue;

        v.antaraGroups.push_back(antaraGroup(k, d, v.dasaLords[static_cast<size_t>(d - 1)], lord,
                                             v.bhukthiStart(k), bEnd, daysPerYear));
    }
    return v;
}

std::string dasaBalanceText(const VimshottariScheme& v) {
    const double b = v.balanceYears;
    const double months = (b - vbInt(b)) * 12;
    const double days = (months - vbInt(months)) * 30;
    return "Dasa Balance at Birth :" + v.dasaLords[0] + "Dasa  " + wholeText(b) + "-" + wholeText(months) + "- " +
           wholeText(days);
}

void fillDasaAndBhukthiGrids(const VimshottariScheme& v, DasaContents& w) {
    w.Lab_DasaBalanceV.setCaption(dasaBalanceText(v));

    // Dasas: the first from the birth moment.
    Grid& dg = w.mshDasa;
    dg.setRows(10);
    for (int i = 1; i <= 9; ++i) {
        const DateTime start = i == 1 ? v.birth : v.dasaEnds[static_cast<size_t>(i - 2)];
        setPeriodRow(dg, i, v.dasaLords[static_cast<size_t>(i - 1)], start, v.dasaEnds[static_cast<size_t>(i - 1)],
                     i == 1 ? "0" : ageText(start, v.birth));
    }

    // Bhukthis, filled from the bottom: the headings of dasas 9 down to 2 on
    // every tenth row from the end, the shown bhukthis backward in between,
    // the first dasa's heading on row 1. Each shown bhukthi runs from the
    // end of the one shown before it, the first from the birth moment.
    const int m = static_cast<int>(v.listed.size());
    Grid& bg = w.mshBukti;
    bg.setRows(m + 10);
    int entry = m;  // 1-based index into the shown list
    for (int r = m + 9; r >= 2; --r) {
        const int fromEnd = m + 10 - r;
        if (fromEnd % 10 == 0 && fromEnd <= 80) {
            const int d = 10 - fromEnd / 10;
            setHeadingRow(bg, r, FnPlanetDisplayName(v.dasaLords[static_cast<size_t>(d - 1)]) + " Dasa");
            continue;
        }
        const ListedBhukthi& b = v.listed[static_cast<size_t>(entry - 1)];
        const DateTime start = entry == 1 ? v.birth : v.listed[static_cast<size_t>(entry - 2)].end;
        setPeriodRow(bg, r, b.lord, start, b.end, ageText(start, v.birth));
        --entry;
    }
    setHeadingRow(bg, 1, FnPlanetDisplayName(v.dasaLords[0]) + " Dasa");
}

void fillAntaraGrid(const VimshottariScheme& v, DasaContents& w) {

    // Antaras: a heading row and nine antara rows for every bhukthi that has
    // them, the grid growing by a row at a time; then the headings, from the
    // bottom, each naming its bhukthi and dasa.
    Grid& ag = w.mshAntra;
    ag.setRows(1);
    for (const AntaraGroup& g : v.antaraGroups) {
        int r = ag.rows() + 1;  // after the heading's row
        ag.setRows(r + 9);
        for (const DasaPeriod& p : g.antaras) setPeriodRow(ag, r++, p.lord, p.start, p.end, ageText(p.start, v.birth));
    }
    for (int i = static_cast<int>(v.antaraGroups.size()); i >= 1; --i) {
        const AntaraGroup& g = v.antaraGroups[static_cast<size_t>(i - 1)];
        setHeadingRow(ag, 10 * (i - 1) + 1,
                      FnPlanetDisplayName(v.dasaLords[static_cast<size_t>(g.dasa - 1)]) + " Dasa, " +
                          FnPlanetDisplayName(g.bhukthiLord) + " Bhukthi");
    }
}

void fillDasaWindow(const VimshottariScheme& v, DasaContents& w) {
    fillDasaAndBhukthiGrids(v, w);
    fillAntaraGrid(v, w);
}

void writeBhukthiRecords(const Grid& mshBukti, Database& db, std::int32_t userId) {
    const std::string user = std::to_string(userId);
    Transaction tx(db);
    Statement insert = db.prepare(
        "insert into tempBhukthi(UserID,DasaName,BhukthiName,BhukthiStart,BhukhiEnd,BhukthiAge) "
        "Values(?,?,?,?,?,?)");
    std::string dasaName;
    for (int r = 1; r < mshBukti.rows(); ++r) {
        const std::string& name = mshBukti.text(r, 0);
        if (rightText(name, 4) == "Dasa") {
            dasaName = leftText(name, textLength(name) - 4);
            insert.bindAll(user, "", "", "", "", "");
        } else {
            insert.bindAll(user, dasaName + " ", name, mshBukti.text(r, 1), mshBukti.text(r, 2), mshBukti.text(r, 3));
        }
        insert.execute();
        insert.reset();
    }
    tx.commit();
}

void FnComputeVimshottariDasa() {
    try {
        SharedState& s = state();
        const BirthDetails& b = s.birth;
        const ChartAyanamsa& ay = s.chartAyanamsa;
        ChartCalculators& calc = chartObjects();

        // A freshly computed sidereal Moon by the chart's ayanamsa.
        ClsFindPlanetPosition& pp = calc.gObjPlanetPos;
        pp.FindFixValues(s.gBirthDateTime, b.gLatNS, toDouble(b.gLatDeg), toDouble(b.gLatMin), b.gLonEW,
                         toDouble(b.gLonDeg), toDouble(b.gLonMin), toDouble(b.gZoneHours), b.gZoneEW, 0,
                         ay.gAyanamsaChoice, ay.gChartCustomZeroYear, ay.gChartCustomProgress);
        s.positions.gMoonLongitude = pp.FnFindMoonPosition();

        clsStar& star = calc.gObjStar;
        star.PlanetPosition = s.positions.gMoonLongitude;
        star.findstar();

        const VimshottariScheme v = computeVimshottariScheme(s.positions.gMoonLongitude, star.StarNo,
                                                             s.gBirthDateTime, s.prefs.gDaysPerYear);
        DasaContents& w = resultWindows().Frm_Dasa;
        fillDasaAndBhukthiGrids(v, w);

        // Records only while a cast's finishing step was cut short.
        if (s.gComputing) {
            const std::int32_t userId = s.gCurrentChartUserId ? s.gCurrentChartUserId() : 0;
            writeBhukthiRecords(w.mshBukti, renewBhukthiConnection(), userId);
        }
        fillAntaraGrid(v, w);
        renewBhukthiConnection();
    } catch (const RunTimeError& e) {
        FnShowPlainError(e);
    }
}

}  // namespace jd
