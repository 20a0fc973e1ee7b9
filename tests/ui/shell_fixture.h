#pragma once
// A program started headless: a copy of the built database in a folder of
// its own, the test doubles of the services, a window registry that knows
// the program's windows, and fresh shared records. start() loads the main
// window, which runs the whole start-up.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <random>
#include <string>

#include "platform/database.h"
#include "platform/fake_services.h"
#include "platform/window.h"
#include "state/result_windows.h"
#include "state/shared_records.h"
#include "ui/chart/result_windows.h"
#include "ui/chart/frm_open_chart.h"
#include "ui/chart/frm_print.h"
#include "ui/shell/about_us.h"
#include "ui/shell/main_horoscope.h"
#include "ui/shell/mdi_quill.h"

namespace jd::testing_support {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        resultWindows().resetAll();
        folder_ = uniqueFolder();
        // A folder of the test's own, not one inside a folder named after a
        // parameterised test, which nothing would remove.
        ASSERT_EQ(folder_.parent_path(), std::filesystem::temp_directory_path());
        std::filesystem::copy_file(std::string(JD_BINARY_DIR) + "/bin/DBTessel.db", folder_ / "DBTessel.db");
        state().gAppPath = folder_.string();
        state().services = fakes.services();
        state().gWindows = &windows;
        defineResultWindows(windows);
        windows.define<frm_OpenChart>();
        windows.define<Frm_Print>();
        windows.define<frm_MainHoroscope>();
        windows.define<frm_AboutUs>();
    }

    void TearDown() override {
        state().gWindows = nullptr;
        resetState();
        resultWindows().resetAll();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // Runs the start-up: loads the main window.
    MDIQuill& start() { return windows.get<MDIQuill>(); }

    // Changes the stored database before start-up.
    void sql(const std::string& statement) {
        Database db((folder_ / "DBTessel.db").string());
        db.executeScript(statement);
    }

    void saveHoro(const std::string& key, const std::string& value) {
        fakes.settings.SaveSetting(kHoroApplication, kHoroSection, key, value);
    }

    std::string frontName() const { return windows.front() ? windows.front()->name() : std::string(); }

    // A new folder of this test's own in the temp folder, named after the
    // suite and the test (a parameterised test's "/" made "_") and a random
    // number, so that no other test, suite or run of the suite shares it and
    // TearDown removes it whole.
    static std::filesystem::path uniqueFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("jd_shell_") + info->test_suite_name() + "." + info->name();
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '_') c = '_';
        std::random_device random;
        for (;;) {
            const auto folder = std::filesystem::temp_directory_path() / (name + "_" + std::to_string(random()));
            if (std::filesystem::create_directory(folder)) return folder;
        }
    }

    std::filesystem::path folder_;
    FakeServices fakes;
    WindowRegistry windows{fakes.services()};
};

}  // namespace jd::testing_support
