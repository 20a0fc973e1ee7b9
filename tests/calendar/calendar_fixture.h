#pragma once
// Fresh shared records with a scripted message box, the birth place set to
// New Delhi (or another place) with the Lahiri ayanamsa, and a connection to
// a database built once per test run from the shipped data files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/database.h"
#include "platform/database_build.h"
#include "platform/fake_services.h"
#include "state/shared_records.h"

namespace jd::calendar_testing {

struct Place {
    std::string latDeg, latNS, latMin, lonDeg, lonEW, lonMin, zoneHours, zoneEW;
};

inline const Place kNewDelhi{"28", "N", "37", "77", "E", "13", "5.5", "E"};
inline const Place kTromso{"69", "N", "39", "18", "E", "57", "1", "E"};

inline void setPlace(const Place& p) {
    BirthDetails& b = state().birth;
    b.gLatDeg = p.latDeg;
    b.gLatNS = p.latNS;
    b.gLatMin = p.latMin;
    b.gLonDeg = p.lonDeg;
    b.gLonEW = p.lonEW;
    b.gLonMin = p.lonMin;
    b.gZoneHours = p.zoneHours;
    b.gZoneEW = p.zoneEW;
}

// A temporary folder removed when the test run ends.
struct TempFolder {
    std::filesystem::path path;
    TempFolder() : path(std::filesystem::temp_directory_path() / ("jd_calendar_tests_" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

// The database built from data/ into the temporary folder, once per run.
inline const std::string& builtDatabasePath() {
    static const TempFolder folder;
    static const std::string path = [] {
        const std::string db = (folder.path / "DBTessel.db").string();
        buildDatabase(db, std::string(JD_SOURCE_DIR) + "/data");
        return db;
    }();
    return path;
}

class CalendarTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        state().services.messageBox = &boxes;
        state().chartAyanamsa.gAyanamsaChoice = "Lahiri";
        state().prefs.gAyanamsaName = "Lahiri";
        setPlace(kNewDelhi);
    }
    void TearDown() override { resetState(); }

    // Opens the shared connection on a copy of the built database of this
    // test's own, so a test may change rows.
    Database& openDatabase() {
        const auto dir = std::filesystem::path(builtDatabasePath()).parent_path();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        const auto copy = dir / (std::string(info->test_suite_name()) + "." + info->name() + ".db");
        std::filesystem::copy_file(builtDatabasePath(), copy, std::filesystem::copy_options::overwrite_existing);
        state().gDbConnection = Database::open(copy.string());
        return *state().gDbConnection;
    }

    ScriptedMessageBox boxes;
};

}  // namespace jd::calendar_testing
