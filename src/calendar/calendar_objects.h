#pragma once
// The calendar's own calculator instances and the working values its
// routines leave between calls. The lunar-month searches step through time
// with a planet-position service of their own, so their stepping never
// disturbs the chart's results; the solar calendar and the samvatsara lookup
// keep the values of the year they examined last.
//
// One instance lives with the process's shared records
// (state().gCalendarObjects), created on first use; resetState() starts it
// afresh.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/cls_find_planet_position.h"
#include "engine/cls_sunrise.h"
#include "engine/cls_tithi.h"
#include "platform/date_time.h"

namespace jd {

// The place, zone and ayanamsa the calendar computes for: the birth place of
// BirthDetails read as numbers, and the ayanamsa in force for the chart
// being cast (ChartAyanamsa).
struct CalendarPlace {
    std::string latNS, lonEW, zoneEW;
    double latDeg = 0, latMin = 0, lonDeg = 0, lonMin = 0, zoneHours = 0;
    std::string ayanamsa;
    double zeroYear = 0, progress = 0;
    bool operator==(const CalendarPlace&) const = default;
};

// The calendar's place from the shared records. A degree, minute or zone
// text that is no number raises RunTimeError::typeMismatch().
CalendarPlace FnCalendarPlace();

// Sidereal longitudes of the Sun and the Moon, degrees.
struct SunMoon {
    double sun = 0;
    double moon = 0;
};

// What the last samvatsara lookup left.
struct SamvatsaraLookup {
    int gSamvatsaraYear = 0;   // the year last asked for
    int gSamvatsaraIndex = 0;  // its Yearno 1..60
    std::string gSamvatsaraName;
    double gYearVal = 0;
    int gDayVal = 0;
    double gYearRemain = 0;
    bool found = false;  // whether the last lookup found its row
};

// The working values of the solar calendar, overwritten by each computation.
struct SolarWorking {
    int gSolarCalcYear = 0;              // the year whose new year was computed last
    double gNewYearDayFraction = 0;      // that new year's fraction of a day
    std::optional<DateTime> gSolarYearStart;  // its new-year sunrise
    std::optional<DateTime> gSolarNewYear;    // new year of the moment's calendar year
    std::optional<DateTime> previousNewYear;  // new year of the calendar year before
    std::array<std::string, 12> gSolarMonthNames;
    std::array<std::optional<DateTime>, 12> gSolarMonthStarts;
};

// The results of one full-moon or new-moon search.
struct LunarSearch {
    int count = 0;                     // moons recorded going back with the Sun in one sign (1 or 2)
    std::string recordedMoments;       // their general date-time texts, latest first, joined by "*"
    std::vector<DateTime> moments;     // the same moments
    double recordedSun = 0;            // the Sun at the last moment recorded
    std::string firstSign;             // the sign of the moons recorded
    std::string lastSign;              // the sign of the last moon examined going back
    std::string forwardSign;           // the sign of the first moon found going forward
    int forwardCount = 0;              // moons counted forward in the backward sign, else 0
    bool startedInside = false;        // the search began inside the moon's tithi
};

struct CalendarCalculators {
    ClsFindPlanetPosition gObjCalPlanetPos;
    clsTithi gObjCalTithi;
    clsFindSunrise gObjCalSunrise;
    clsFindSunSet gObjCalSunset;

    SamvatsaraLookup samvatsara;
    SolarWorking solar;
    LunarSearch purnima;   // the full-moon search
    LunarSearch amavasya;  // the new-moon search
    // Sunrise and sunset of the date whose lunar month was found last.
    std::optional<DateTime> lunarSunrise, lunarSunset;

    // The hour stride with which the lunar searches probe ahead between the
    // hours where something can happen. The searches decide on whole hours
    // counted from the date; a tithi lasts at least nineteen hours and the
    // Sun stays four weeks in a sign, so probing every `searchStride` hours
    // (up to 12) and walking back hour by hour over the last stride reaches
    // exactly the hours an hour-by-hour walk would stop at. 1 walks every hour.
    int searchStride = 12;

    // The Sun and Moon at a moment (to the minute) for a place, through
    // gObjCalPlanetPos. Moments already computed for the same place and
    // ayanamsa are answered from memory: the ephemeris is a function of its
    // inputs, so the answer is the same.
    SunMoon sunMoon(const DateTime& t, const CalendarPlace& place);
    // The count of ephemeris computations made so far.
    long ephemerisCalls() const { return ephemerisCalls_; }
    void forgetPositions() { positions_.clear(); }

private:
    CalendarPlace positionsFor_;
    std::unordered_map<std::int64_t, SunMoon> positions_;
    long ephemerisCalls_ = 0;
};

// The calendar's calculators, created on first use.
CalendarCalculators& calendarObjects();

}  // namespace jd
