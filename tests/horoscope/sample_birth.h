#pragma once
// The built-in sample chart (14 Jul 1965 14:15, 17°20'N 78°30'E, zone 5.5 E,
// "Lahiri") as the shared records hold it, and a fixture that starts each test
// from fresh records and windows with a scripted message box.
#include <gtest/gtest.h>

#include <string>

#include "platform/date_time.h"
#include "platform/fake_services.h"
#include "platform/vb_date.h"
#include "state/result_windows.h"
#include "state/shared_records.h"

namespace jd::testing_support {

struct Birth {
    std::string day = "14", month = "Jul", year = "1965", hour = "14", minute = "15";
    std::string latDeg = "17", latNS = "N", latMin = "20";
    std::string lonDeg = "78", lonEW = "E", lonMin = "30";
    std::string zoneHours = "5.5", zoneEW = "E";
};

// Tromsø (69°39'N 18°57'E, zone 1 E) at noon on the 21st of a month of 2000:
// in "Dec" the Sun does not rise (polar night), in "Jun" it does not set.
inline Birth tromsoNoon(const std::string& month) {
    Birth b;
    b.day = "21";
    b.month = month;
    b.year = "2000";
    b.hour = "12";
    b.minute = "0";
    b.latDeg = "69";
    b.latMin = "39";
    b.lonDeg = "18";
    b.lonMin = "57";
    b.zoneHours = "1";
    return b;
}

inline void setBirth(const Birth& b) {
    BirthDetails& d = state().birth;
    d.gChartName = "Sample Chart";
    d.gGender = "Male";
    d.gBirthDay = b.day;
    d.gBirthMonth = b.month;
    d.gBirthYear = b.year;
    d.gBirthHour = b.hour;
    d.gBirthMinute = b.minute;
    d.gLatDeg = b.latDeg;
    d.gLatNS = b.latNS;
    d.gLatMin = b.latMin;
    d.gLonDeg = b.lonDeg;
    d.gLonEW = b.lonEW;
    d.gLonMin = b.lonMin;
    d.gZoneHours = b.zoneHours;
    d.gZoneEW = b.zoneEW;
    // The birth texts set the clock time of birth before anything uses it.
    state().gBirthClockTime = DateTime::of(std::stoi(b.year), monthFromName(b.month), std::stoi(b.day),
                                           std::stoi(b.hour), std::stoi(b.minute), 0);
}

class ChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        resultWindows().resetAll();
        state().services.messageBox = &boxes;
        state().prefs.gLanguage = "English";
        state().prefs.gAyanamsaName = "Lahiri";
        state().chartAyanamsa.gAyanamsaChoice = "Lahiri";
        setBirth(Birth{});
    }
    void TearDown() override {
        resetState();
        resultWindows().resetAll();
    }

    ScriptedMessageBox boxes;
};

}  // namespace jd::testing_support
