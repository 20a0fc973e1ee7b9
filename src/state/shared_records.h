#pragma once
// The process-wide records of the program, one instance each. The chart run
// and the windows hand their data to each other through these; the field names
// are the program's own names for them.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/date_time.h"
#include "platform/services.h"
#include "state/bhava_tables.h"

namespace jd {

class Database;  // platform/database.h
class WindowRegistry;  // platform/window.h
struct ChartCalculators;  // horoscope/chart_objects.h
struct CalendarCalculators;  // calendar/calendar_objects.h

// The birth details of the chart being cast, as texts (written by OK and by
// start-up; the chart run reads them).
struct BirthDetails {
    std::string gChartName;
    std::string gBirthDay;     // "1".."31" (as typed, may be "05")
    std::string gBirthMonth;   // "Jan".."Dec"
    std::string gBirthYear;    // four digits
    std::string gBirthHour;    // 0..23
    std::string gBirthMinute;  // 0..59
    std::string gZoneText;     // the time-zone entry's text
    std::string gGender;
    std::string gCity;
    std::string gCountry;
    std::string gLatDeg, gLatNS, gLatMin;  // "N"/"S"
    std::string gLonDeg, gLonEW, gLonMin;  // "E"/"W"
    std::string gZoneHours;                // not negative, e.g. "5.5"
    std::string gZoneEW;                   // "E"/"W"
};

struct Preferences {
    double gDaysPerYear = 365.25;         // 365.25 or 360
    std::string gChartStyle = "South";    // "South", "North", "East"
    std::string gLanguage = "English";    // "English", "Sanskrit"
    double gCustomZeroYear = 0;
    double gCustomProgress = 0;
    std::string gAyanamsaName = "Lahiri"; // "Lahiri", "KP", "Raman", "Sayana", "Custom"
    std::string gBhavaSystem = "Equal";   // "Equal" or "Not Equal"
};

// The ayanamsa in force for the chart being cast.
struct ChartAyanamsa {
    std::string gAyanamsaChoice = "Lahiri";
    double gChartCustomZeroYear = 0;
    double gChartCustomProgress = 0;
};

// Sidereal longitudes in degrees (0 up to 360) of the current chart.
struct BodyPositions {
    double gLagnaLongitude = 0, gSunLongitude = 0, gGulikaLongitude = 0, gMaandiLongitude = 0,
           gMoonLongitude = 0, gMarsLongitude = 0, gMercuryLongitude = 0, gJupiterLongitude = 0,
           gVenusLongitude = 0, gSaturnLongitude = 0, gRahuLongitude = 0, gKethuLongitude = 0;
    double gMidheaven = 0;
    double gAyanamsaValue = 0;
    DateTime gBirthDateTime;  // the local birth moment
    // False when the sun times that place Gulika and Maandi were not found
    // (no sunrise or sunset that day): their longitudes and signs are then 0
    // and the charts leave them out.
    bool gGulikaMaandiKnown = false;
};

// Sign numbers 1..12 of the bodies for the division last computed.
struct BodySigns {
    int gLagnaSign = 0, gSunSign = 0, gGulikaSign = 0, gMaandiSign = 0, gMoonSign = 0, gMarsSign = 0,
        gMercurySign = 0, gJupiterSign = 0, gVenusSign = 0, gSaturnSign = 0, gRahuSign = 0,
        gKethuSign = 0;
    int gVargaLagnaSign = 0;
};

// Names in the chosen language. Index ranges as the program uses them:
// gChartAbbr 0..13, gBodyName 0..13, gSignName and gSignAbbr 1..12 (index 0 unused).
struct NameTables {
    std::array<std::string, 14> gChartAbbr;
    std::array<std::string, 14> gBodyName;
    std::array<std::string, 13> gSignName;
    std::array<std::string, 13> gSignAbbr;
};

struct CalendarResults {
    std::string gPurnimantaMonth, gPurnimantaAdhika, gPurnimantaYearName;
    std::string gAmantaMonth, gAmantaAdhika, gAmantaYearName;
    std::string gSolarYearName;
    long gKaliYear = 0;
    std::string gSolarMonth;
    int gSolarDay = 0;
};

// Sun times of a day; empty where the Sun does not rise or set that day.
struct SunTimes {
    std::optional<DateTime> gDaySunrise, gDaySunset, gNextDaySunrise;
};

// Everything the process shares. One instance, reached through state().
struct SharedState {
    BirthDetails birth;
    Preferences prefs;
    ChartAyanamsa chartAyanamsa;
    BodyPositions positions;
    BodySigns signs;
    NameTables names;
    CalendarResults calendar;
    SunTimes sunTimes;
    BhavaTables bhava;  // the houses of the chart last cast

    DateTime gBirthDateTime;   // parsed from BirthDetails by the chart run
    DateTime gBirthClockTime;  // the birth moment built by the birth texts
    std::optional<DateTime> gSunriseTime;     // the sunrise that begins the birth's vedic day
    std::optional<DateTime> gLocalMeanTime;   // local mean time of birth, to the minute
    double gIshtaGhatika = 0;

    std::string gActiveWindowName;
    bool gPlaceFormFromChart = false;
    bool gComputing = false;
    // Raised while a chart cast runs, so that no second cast starts from an
    // event handled during the first (horoscope/chart_run.h).
    bool gCastInProgress = false;
    int gRowIndex = 0;

    std::shared_ptr<Database> gDbConnection;  // opened at start-up, kept to the end
    // The program's folder, where the database, the help document and the
    // advertisement pages lie (set by main() or a test before start-up).
    std::string gAppPath;
    // Reads the current chart number txt_VC_UserId of the birth-details
    // window (0 for a chart not saved, else its ChartSave Sno). The window
    // installs it when it loads; while none is installed the number is 0.
    std::function<std::int32_t()> gCurrentChartUserId;
    // The dasa step's own connection to the same database, opened anew at
    // the end of every dasa step and kept until the next one.
    std::shared_ptr<Database> gBhukthiConnection;
    // The desktop services (message boxes, clock, ...) that the process's
    // procedures report through; main() or a test fills them.
    Services services;
    // The windows of the process, reached by name (set by main() or a test;
    // the chart run shows, hides and unloads the result windows through it).
    WindowRegistry* gWindows = nullptr;
    // The chart computation's calculator instances, created on first use
    // (horoscope/chart_objects.h).
    std::shared_ptr<ChartCalculators> gChartObjects;
    // The calendar's own calculator instances and working values, created on
    // first use (calendar/calendar_objects.h).
    std::shared_ptr<CalendarCalculators> gCalendarObjects;
};

SharedState& state();
// Puts every record back to its state at program start (tests use this).
void resetState();

}  // namespace jd
