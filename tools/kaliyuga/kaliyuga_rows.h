#pragma once
// The 60 rows of table KaliyugaYearDetails, made from the program's own
// ephemeris.
//
// Method. The solar calendar places the Sun's sidereal entry into Mesha of a
// year Y with the year's row and two constants of its 60-year cycle, c and k
// (for 1986 to 2045: c = 0.7609, k = 1):
//     v = YearRemain + c
//     the entry's weekday  = floor(v) + DayVal + k   (folded by sevens, 1 = Sunday)
//     the entry's time     = the hours and minutes of the day fraction v - floor(v)
// and takes the first day of 12 to 16 April with that weekday. For every year
// 1986 to 2045 this tool finds the entry with ClsFindPlanetPosition (Lahiri
// ayanamsa, Indian Standard Time, 5.5 hours east): the Sun's longitude is
// probed hour by hour from 10 April until it has passed 0 degrees, then minute
// by minute, and the entry minute is the last minute at which the Sun still
// stands in Pisces. The row of that year (Yearno = the year's place in the
// cycle, 1 = 1987) then takes
//     YearRemain = (minute of the day + 0.5) / 1440 - c, brought into 0..1 and
//                  written to six places: the middle of the entry minute, so
//                  the formula gives back that minute whatever the rounding;
//     DayVal     = the entry's weekday - floor(YearRemain + c) - k, brought by
//                  sevens into 7..13, so that the weekday number is at least 1
//                  in every cycle (k is 0 to 4 in all of them);
//     YearVal    = Y;
//     yearname   = the samvatsara of Y, Prabhava for 1987.
// Each row is checked against the formula before it is written.
//
// Outside 1986 to 2045 the same rows serve with the other cycles' constants,
// which drift from the true entry by a few hours per cycle; in some years of
// 1866 to 1925 no day of 12 to 16 April has the weekday the row gives. That is
// the calendar's model of those years, not a fault of the rows.
#include <array>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/cls_find_planet_position.h"
#include "platform/date_time.h"
#include "platform/vb_date.h"

namespace jd::kaliyuga {

inline const std::array<const char*, 60> kYearNames = {
    "Prabhava",   "Vibhava",     "Shukla",      "Pramoduta",  "Prajotpatti", "Angirasa",     "Shrimukha",
    "Bhava",      "Yuva",        "Dhatri",      "Ishvara",    "Bahudhanya",  "Pramathi",     "Vikrama",
    "Vrisha",     "Chitrabhanu", "Subhanu",     "Tarana",     "Parthiva",    "Vyaya",        "Sarvajit",
    "Sarvadhari", "Virodhi",     "Vikriti",     "Khara",      "Nandana",     "Vijaya",       "Jaya",
    "Manmatha",   "Durmukhi",    "Hevilambi",   "Vilambi",    "Vikari",      "Sharvari",     "Plava",
    "Shubhakrit", "Shobhakrit",  "Krodhi",      "Vishvavasu", "Parabhava",   "Plavanga",     "Kilaka",
    "Saumya",     "Sadharana",   "Virodhakrit", "Paridhavi",  "Pramadicha",  "Ananda",       "Rakshasa",
    "Nala",       "Pingala",     "Kalayukti",   "Siddharthi", "Raudri",      "Durmati",      "Dundubhi",
    "Rudhirodgari", "Raktakshi", "Krodhana",    "Akshaya"};

// The cycle 1986 to 2045 whose entries the rows reproduce.
inline constexpr int kFirstYear = 1986;
inline constexpr int kLastYear = 2045;
inline constexpr double kCycleConstant = 0.7609;
inline constexpr int kWeekdayStep = 1;

// Sidereal (Lahiri) longitude of the Sun at a moment of Indian Standard Time.
inline double sunAt(ClsFindPlanetPosition& pp, const DateTime& ist) {
    pp.FindFixValues(ist, "N", 28, 37, "E", 77, 13, 5.5, "E", 0, "Lahiri", 0, 0);
    return pp.FnFindSunPosition();
}

// Whether the Sun has passed 0 degrees (it is then low in Aries, not high in
// Pisces).
inline bool inMesha(double sun) { return sun < 180 || sun >= 360; }

// The minute (Indian Standard Time) in which the Sun enters Mesha in a year:
// the last minute at which it still stands in Pisces.
inline DateTime meshaEntry(int year) {
    ClsFindPlanetPosition pp;
    std::int64_t t = DateTime::of(year, 4, 10).totalSeconds();
    if (inMesha(sunAt(pp, DateTime::fromTotalSeconds(t)))) throw std::runtime_error("entry before 10 April");
    while (!inMesha(sunAt(pp, DateTime::fromTotalSeconds(t + 3600)))) {
        t += 3600;
        if (t > DateTime::of(year, 4, 20).totalSeconds()) throw std::runtime_error("no entry by 20 April");
    }
    while (!inMesha(sunAt(pp, DateTime::fromTotalSeconds(t + 60)))) t += 60;
    return DateTime::fromTotalSeconds(t);
}

// The year's place in the cycle, 1 = 1987, 60 = 1986.
inline int yearno(int year) {
    int n = (year - 1986) % 60;
    return n <= 0 ? n + 60 : n;
}

struct Row {
    int Yearno;
    std::string yearname;
    int YearVal;
    int DayVal;
    double YearRemain;
    DateTime entry;  // the entry the row stands for
};

// What the calendar's formula gives back from a row: the weekday and the
// hours and minutes of the entry.
struct Placed {
    int weekday;
    int hour;
    int minute;
};

inline Placed placeEntry(int DayVal, double YearRemain, double c, int k) {
    const double v = YearRemain + c;
    int w = static_cast<int>(std::floor(v)) + DayVal + k;
    if (w >= 8) w = (w - 1) % 7 + 1;
    const double h = (v - std::floor(v)) * 24;
    const double m = (h - std::floor(h)) * 60;
    return {w, static_cast<int>(std::floor(h)), static_cast<int>(std::floor(m))};
}

inline Row makeRow(int year) {
    const DateTime entry = meshaEntry(year);
    if (entry.month() != 4 || entry.day() < 12 || entry.day() > 16)
        throw std::runtime_error("entry outside 12 to 16 April in " + std::to_string(year));
    const double dayFraction = (entry.hour() * 60 + entry.minute() + 0.5) / 1440.0;
    double remain = dayFraction - kCycleConstant;
    if (remain < 0) remain += 1;
    remain = std::round(remain * 1e6) / 1e6;
    int dayVal = weekday(entry) - static_cast<int>(std::floor(remain + kCycleConstant)) - kWeekdayStep;
    while (dayVal < 7) dayVal += 7;
    while (dayVal > 13) dayVal -= 7;

    const Placed p = placeEntry(dayVal, remain, kCycleConstant, kWeekdayStep);
    if (p.weekday != weekday(entry) || p.hour != entry.hour() || p.minute != entry.minute())
        throw std::runtime_error("row does not give back the entry of " + std::to_string(year));
    const int n = yearno(year);
    return {n, kYearNames[static_cast<std::size_t>(n - 1)], year, dayVal, remain, entry};
}

// The 60 rows in Yearno order.
inline std::vector<Row> generateRows() {
    std::vector<Row> rows(60);
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        Row r = makeRow(year);
        rows[static_cast<std::size_t>(r.Yearno - 1)] = r;
    }
    return rows;
}

inline std::string renderSql(const std::vector<Row>& rows) {
    std::string out =
        "DELETE FROM KaliyugaYearDetails;\n"
        "-- The 60 years of the samvatsara cycle. Generated by tools/kaliyuga from the\n"
        "-- program's own ephemeris (see tools/kaliyuga/kaliyuga_rows.h for the method);\n"
        "-- do not edit by hand, run tools/kaliyuga/regenerate.sh.\n"
        "-- DayVal and YearRemain give back, with the cycle constants of 1986-2045,\n"
        "-- the weekday and the time (IST) of the Sun's sidereal (Lahiri) entry into\n"
        "-- Mesha in the year YearVal; the comment of each row shows that entry.\n"
        "INSERT INTO KaliyugaYearDetails (Yearno, yearname, YearVal, DayVal, YearRemain) VALUES\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        char line[200];
        std::snprintf(line, sizeof line, "(%d, '%s', %d, %d, %.6f)%s -- %04d-%02d-%02d %02d:%02d\n", r.Yearno,
                      r.yearname.c_str(), r.YearVal, r.DayVal, r.YearRemain, i + 1 == rows.size() ? ";" : ",",
                      r.entry.year(), r.entry.month(), r.entry.day(), r.entry.hour(), r.entry.minute());
        out += line;
    }
    return out;
}

}  // namespace jd::kaliyuga
