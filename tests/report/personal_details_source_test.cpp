// Reading table PersonalDetails for the report's first page.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/database.h"
#include "platform/fake_services.h"
#include "report/report_document.h"
#include "platform/run_time_error.h"
#include "report/personal_details_source.h"
#include "state/result_windows.h"
#include "state/shared_records.h"

namespace jd {
namespace {

class PersonalDetailsTable : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = (std::filesystem::temp_directory_path() /
                 ("jd_report_personal_" + std::to_string(::getpid()) + ".db")).string();
        std::filesystem::remove(path_);
        db_ = std::make_unique<Database>(path_, Database::Mode::CreateIfMissing);
        // The columns in another order than usual: they are read by name.
        db_->executeScript(
            "CREATE TABLE PersonalDetails (EMail VARCHAR(50), Name VARCHAR(50), Address VARCHAR(30),"
            " Address2 VARCHAR(30), City VARCHAR(30), Country VARCHAR(30), Zipcode VARCHAR(10), Phone VARCHAR(30));");
    }
    void TearDown() override {
        db_.reset();
        std::filesystem::remove(path_);
    }
    std::string path_;
    std::unique_ptr<Database> db_;
};

TEST_F(PersonalDetailsTable, EmptyTableGivesNoRow) { EXPECT_FALSE(FnReadPersonalDetails(*db_).has_value()); }

TEST_F(PersonalDetailsTable, FirstRowByColumnNameWithNullsAsEmptyText) {
    db_->execute("INSERT INTO PersonalDetails (Name, Address, Address2, City, Country, Zipcode, Phone, EMail)"
                 " VALUES (?, ?, NULL, ?, ?, ?, ?, ?)",
                 "O'Brien Astrology", " 12 Temple St ", "Chennai", "India", "600004", "044 1234", "a@b.org");
    db_->execute("INSERT INTO PersonalDetails (Name) VALUES ('Second')");
    auto row = FnReadPersonalDetails(*db_);
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->Name, "O'Brien Astrology");
    EXPECT_EQ(row->Address, " 12 Temple St ");  // as stored
    EXPECT_EQ(row->Address2, "");
    EXPECT_EQ(row->City, "Chennai");
    EXPECT_EQ(row->Country, "India");
    EXPECT_EQ(row->Zipcode, "600004");
    EXPECT_EQ(row->Phone, "044 1234");
    EXPECT_EQ(row->EMail, "a@b.org");
}

TEST_F(PersonalDetailsTable, PrintWindowBuildReadsTheSharedConnection) {
    resetState();
    resultWindows().resetAll();
    db_->execute("INSERT INTO PersonalDetails (Name, Address, Address2, City, Country, Zipcode, Phone, EMail)"
                 " VALUES ('Desk Owner', '', '', '', '', '', '', '')");
    state().gDbConnection = std::shared_ptr<Database>(db_.get(), [](Database*) {});
    ScriptedMessageBox box;
    state().services.messageBox = &box;
    state().prefs.gChartStyle = "North";  // the designed windows hold no sign for the first house
    FnBuildHoroscopeReport();
    const std::string& text = resultWindows().Frm_Print.Te.text();
    EXPECT_NE(text.find(std::string(35, ' ') + "Desk Owner" + std::string(35, ' ') + "\r\n"), std::string::npos);
    // Each North chart that cannot be numbered shows a plain box without a title.
    ASSERT_EQ(box.shown().size(), 3u);
    EXPECT_EQ(box.shown()[0], (ShownBox{"Type mismatch13", MsgIcon::None, MsgButtons::OK, std::nullopt, kProgramName}));
    resultWindows().resetAll();
    resetState();
}

TEST(PersonalDetailsConnection, NoConnectionIsAnError) {
    resetState();
    try {
        FnReadPersonalDetails();
        ADD_FAILURE() << "no error";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), 91);
    }
}

}  // namespace
}  // namespace jd
