#pragma once
// A program started headless: a copy of the built database in a folder of
// its own, the test doubles of the services, a window registry that knows
// the program's windows, and fresh shared records. start() loads the main
// window, which runs the whole start-up.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
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
        folder_ = std::filesystem::temp_directory_path() /
                  ("jd_shell_" + std::to_string(::getpid()) + "_" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
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

    std::filesystem::path folder_;
    FakeServices fakes;
    WindowRegistry windows{fakes.services()};
};

}  // namespace jd::testing_support
