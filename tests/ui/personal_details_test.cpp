// The personal-details window: what it shows of the stored row, the boxes
// that take typing only after Edit, Save replacing the row as one unit, and
// New emptying the boxes while the stored details stay until Save.
#include "ui/shell/frm_details.h"

#include <gtest/gtest.h>

#include <vector>

#include "report/personal_details_source.h"
#include "shell_fixture.h"

namespace jd {
namespace {

using testing_support::ShellTest;

using Row = std::vector<std::string>;

class PersonalDetailsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        state().gDbConnection = Database::open((folder_ / "DBTessel.db").string());
    }

    frm_Details& open() { return windows.bringToFront<frm_Details>(); }
    bool isOpen() const { return windows.isLoaded<frm_Details>(); }

    static Row shown(frm_Details& w) {
        Row r;
        for (TextBox* b : w.boxes()) r.push_back(b->text());
        return r;
    }

    std::vector<Row> storedRows() {
        std::vector<Row> rows;
        Statement st = state().gDbConnection->query("SELECT * FROM PersonalDetails ORDER BY rowid");
        while (st.step()) {
            Row r;
            for (int c = 0; c < st.columnCount(); ++c) r.push_back(st.asText(c));
            rows.push_back(r);
        }
        return rows;
    }

    static void type(TextBox& box, const std::string& text) {
        for (char c : text) box.pressKey(static_cast<unsigned char>(c));
    }

    const Row kDefault{"Orvanta Technologies Pvt Ltd", "", "", "", "", "", "", ""};
};

TEST_F(PersonalDetailsTest, AnEmptyTableShowsTheDefaultAndSaveStoresIt) {
    frm_Details& w = open();
    EXPECT_EQ(w.left(), 2550);
    EXPECT_EQ(w.top(), 0);
    EXPECT_EQ(shown(w), kDefault);
    EXPECT_FALSE(w.editing());

    w.cmdSave.click();

    EXPECT_EQ(storedRows(), std::vector<Row>{kDefault});
    const ShownBox saved{"Details Saved", MsgIcon::None, MsgButtons::OK, "Edit Personal Info", "Edit Personal Info"};
    EXPECT_EQ(fakes.messageBox.shown(), std::vector<ShownBox>{saved});
    EXPECT_FALSE(isOpen());
    // The report finds what was saved.
    const auto forReport = FnReadPersonalDetails();
    ASSERT_TRUE(forReport.has_value());
    EXPECT_EQ(forReport->Name, "Orvanta Technologies Pvt Ltd");
}

TEST_F(PersonalDetailsTest, BoxesTakeNothingUntilEditAndThenNoMoreThanTheirColumn) {
    state().gDbConnection->execute("INSERT INTO PersonalDetails VALUES ('Ravi', 'Main Road', NULL, 'Chennai', "
                                   "'India', '600001', '044', 'ravi@example.org')");
    frm_Details& w = open();
    const Row stored{"Ravi", "Main Road", "", "Chennai", "India", "600001", "044", "ravi@example.org"};
    EXPECT_EQ(shown(w), stored);

    // Typing, Backspace, Delete and a paste before Edit change nothing.
    w.txtName.setSelStart(4);
    type(w.txtName, "x\b");
    w.txtCity.pressDelete();
    w.txtZip.paste("12");
    EXPECT_EQ(shown(w), stored);
    // New empties the boxes but leaves them read-only.
    w.cmdNew.click();
    type(w.txtName, "Ravi");
    EXPECT_EQ(w.txtName.text(), "");

    w.cmdEdit.click();
    EXPECT_TRUE(w.txtName.hasFocus());
    type(w.txtName, std::string(60, 'n'));
    type(w.txtZip, "123456789012");
    EXPECT_EQ(w.txtName.text(), std::string(50, 'n'));
    EXPECT_EQ(w.txtZip.text(), "1234567890");
}

TEST_F(PersonalDetailsTest, SaveReplacesTheRowWithTheTextsAsTyped) {
    state().gDbConnection->execute("INSERT INTO PersonalDetails VALUES ('Old', '', '', '', '', '', '', '')");
    frm_Details& w = open();
    w.cmdEdit.click();
    const Row typed{"O'Brien & Sons", "1 Temple St", "Flat \"B\"", "Madurai", "India", "625001",
                    "+91 452", "a'b@example.org"};
    for (size_t i = 0; i < typed.size(); ++i) {
        w.boxes()[i]->setText("");
        type(*w.boxes()[i], typed[i]);
    }
    w.cmdSave.click();
    EXPECT_EQ(storedRows(), std::vector<Row>{typed});

    // Every box empty stores one row of empty texts.
    frm_Details& again = open();
    EXPECT_EQ(shown(again), typed);
    again.cmdEdit.click();
    for (TextBox* b : again.boxes()) b->setText("");
    again.cmdSave.click();
    EXPECT_EQ(storedRows(), std::vector<Row>{Row(8, "")});
}

TEST_F(PersonalDetailsTest, NewEmptiesTheBoxesOnlyAndSaveReplacesTheStoredDetails) {
    const Row stored{"Ravi", "", "", "", "", "", "", ""};
    state().gDbConnection->execute("INSERT INTO PersonalDetails VALUES ('Ravi', '', '', '', '', '', '', '')");
    frm_Details& w = open();
    w.cmdNew.click();
    EXPECT_EQ(shown(w), Row(8, ""));
    EXPECT_TRUE(fakes.messageBox.shown().empty());
    // Until Save a report and the next opening find the stored details.
    EXPECT_EQ(storedRows(), std::vector<Row>{stored});
    EXPECT_EQ(FnReadPersonalDetails().value().Name, "Ravi");
    w.CMDCANCEl.click();
    EXPECT_FALSE(isOpen());
    EXPECT_EQ(shown(open()), stored);

    open().cmdNew.click();
    open().cmdSave.click();
    EXPECT_EQ(storedRows(), std::vector<Row>{Row(8, "")});
}

TEST_F(PersonalDetailsTest, AFailedInsertKeepsTheStoredDetails) {
    state().gDbConnection->executeScript(
        "INSERT INTO PersonalDetails VALUES ('Ravi', '', '', '', '', '', '', '');"
        "CREATE TRIGGER refuse BEFORE INSERT ON PersonalDetails BEGIN SELECT RAISE(ABORT, 'disk full'); END;");
    frm_Details& w = open();
    w.cmdEdit.click();
    w.txtName.setText("Someone Else");
    w.cmdSave.click();

    ASSERT_EQ(fakes.messageBox.shown().size(), 1u);
    EXPECT_EQ(fakes.messageBox.last().text, "disk full");
    EXPECT_EQ(fakes.messageBox.last().icon, MsgIcon::Critical);
    EXPECT_EQ(fakes.messageBox.last().title, std::nullopt);
    EXPECT_EQ(storedRows(), (std::vector<Row>{{"Ravi", "", "", "", "", "", "", ""}}));
    EXPECT_TRUE(isOpen());
    EXPECT_EQ(w.txtName.text(), "Someone Else");
}

}  // namespace
}  // namespace jd
