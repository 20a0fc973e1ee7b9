#pragma once
// Saved charts without a display: a database built from the data folder once
// per run into a temporary folder, a copy of it for each test, the test
// doubles of the services (the settings store records the order of its
// writes), a window registry and fresh shared records.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/database.h"
#include "platform/database_build.h"
#include "platform/fake_services.h"
#include "platform/window.h"
#include "state/result_windows.h"
#include "state/shared_records.h"
#include "ui/chart/chart_store.h"
#include "ui/chart/frm_open_chart.h"

namespace jd::testing_support {

namespace fs = std::filesystem;

// The settings store that also keeps every write in order.
class RecordingSettings : public MemorySettingsStore {
public:
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override {
        writes.push_back({appName + "/" + section + "/" + key, value});
        MemorySettingsStore::SaveSetting(appName, section, key, value);
    }
    std::vector<std::pair<std::string, std::string>> writes;
};

// The folder of the run, removed when the run ends.
struct SavedChartFolder {
    fs::path path = fs::temp_directory_path() / ("jd_saved_charts_" + std::to_string(::getpid()));
    SavedChartFolder() {
        fs::remove_all(path);
        fs::create_directories(path);
        buildDatabase((path / "built.db").string(), std::string(JD_SOURCE_DIR) + "/data");
    }
    ~SavedChartFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

inline const fs::path& savedChartFolder() {
    static const SavedChartFolder folder;
    return folder.path;
}

// A chart as the user enters it in the birth-details window.
struct Entry {
    std::string name = "Sample";
    std::string sex = "Male";
    std::string day = "05", month = "Jul", year = "1965";
    std::string hour = "05", minute = "30";
    bool pm = true;
    std::string country = "India", city = "Hyderabad";
    int zone = 0;  // the entry of the zone list
};

// A row of ChartSave: a chart of Hyderabad, India (country 90, zone 102),
// 5 Jul 1965 17:30, under the name and sex given.
inline SavedChart storedChart(const std::string& chartName, const std::string& gender = "Male") {
    SavedChart c;
    c.ChartName = chartName;
    c.Gender = gender;
    c.Country = "90";
    c.City = "Hyderabad";
    c.ChartDay = 5;
    c.ChartMonth = 7;
    c.ChartYear = 1965;
    c.ChartHour = 17;
    c.ChartMinute = 30;
    c.LatitudeDegree = 17;
    c.Latitude_NS = "N";
    c.LatitudeMinute = 23;
    c.LongitudeDegree = 78;
    c.Longitude_EW = "E";
    c.LongitudeMinute = 27;
    c.TimeDifference = 102;
    return c;
}

class SavedChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        resultWindows().resetAll();
        fakes.clock.set(DateTime::of(2024, 3, 7, 13, 30, 0));
        services = fakes.services();
        services.settings = &settings;
        state().services = services;
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        dbPath = (savedChartFolder() / (test + ".db")).string();
        fs::copy_file(savedChartFolder() / "built.db", dbPath, fs::copy_options::overwrite_existing);
        state().gDbConnection = Database::open(dbPath);
        windows = std::make_unique<WindowRegistry>(services);
        state().gWindows = windows.get();
    }
    void TearDown() override {
        windows.reset();
        resetState();
        resultWindows().resetAll();
        std::error_code ignored;
        fs::remove(dbPath, ignored);
    }

    Database& db() { return *state().gDbConnection; }

    frm_OpenChart& chartWindow() {
        frm_OpenChart& w = windows->get<frm_OpenChart>();
        w.show();
        return w;
    }

    static int indexOf(const ComboBox& c, const std::string& text) {
        for (int i = 0; i < c.listCount(); ++i)
            if (c.list(i) == text) return i;
        ADD_FAILURE() << text << " is not in " << c.name();
        return -1;
    }

    // Fills the window's boxes as the user would, choosing from the lists.
    frm_OpenChart& enter(const Entry& e) {
        frm_OpenChart& w = chartWindow();
        w.Txt_VC_ChartName.setText(e.name);
        if (e.sex.empty())
            w.cbGender.setText("");
        else
            w.cbGender.choose(indexOf(w.cbGender, e.sex));
        w.txt_Date.choose(indexOf(w.txt_Date, e.day));
        w.txt_Month.choose(indexOf(w.txt_Month, e.month));
        w.txt_Year.choose(indexOf(w.txt_Year, e.year));
        w.cbHour.choose(indexOf(w.cbHour, e.hour));
        w.cbMins.choose(indexOf(w.cbMins, e.minute));
        (e.pm ? w.Opt_PM : w.Opt_AM).click();
        w.txt_VC_Country.choose(indexOf(w.txt_VC_Country, e.country));
        w.txt_VC_City.choose(indexOf(w.txt_VC_City, e.city));
        w.cbTimeZone.choose(e.zone);
        return w;
    }

    int rowCount() {
        Statement st = db().query("SELECT COUNT(*) FROM ChartSave");
        st.step();
        return st.asInt(0);
    }

    std::string horo(const std::string& key) const {
        return settings.GetSetting(kHoroApplication, kHoroSection, key, "<missing>");
    }

    std::vector<std::string> boxTexts() const { return fakes.messageBox.texts(); }

    FakeServices fakes;
    RecordingSettings settings;
    Services services;
    std::string dbPath;
    std::unique_ptr<WindowRegistry> windows;
};

}  // namespace jd::testing_support
