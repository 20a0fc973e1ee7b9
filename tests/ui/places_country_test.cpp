// The country master: adding and renaming countries with the checks that
// keep names unique without regard to case, and the search of its lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text.h"
#include "saved_chart_fixture.h"
#include "ui/places/frm_add_country.h"

namespace jd {
namespace {

using testing_support::SavedChartTest;

class CountryMaster : public SavedChartTest {
protected:
    frm_Add_Country& master() { return windows->get<frm_Add_Country>(); }

    int countriesNamed(const std::string& name) {
        Statement st = db().query("select count(*) from Country_Master where CountryName = ?", name);
        st.step();
        return st.asInt(0);
    }
    int countryCount() {
        Statement st = db().query("select count(*) from Country_Master");
        st.step();
        return st.asInt(0);
    }
    static int indexOf(const ListBox& l, const std::string& text) {
        for (int i = 0; i < l.listCount(); ++i)
            if (l.list(i) == text) return i;
        return -1;
    }
    static void typeAndRelease(TextBox& box, const std::string& text, int releasedKey) {
        box.setText(text);
        box.keyUp(releasedKey);
    }
    std::vector<std::string> texts() const { return fakes.messageBox.texts(); }
};

TEST_F(CountryMaster, AddStoresTheTrimmedNameWithAnEmptyZoneListAndListsItInOrder) {
    frm_Add_Country& w = master();
    w.txtAddName.setText("  Atlantis  ");
    w.cmdAddSave.click();

    Statement row = db().query("select CountryID, TimeZoneID from Country_Master where CountryName = 'Atlantis'");
    ASSERT_TRUE(row.step());
    EXPECT_FALSE(row.isNull("TimeZoneID"));
    EXPECT_EQ(row.asText("TimeZoneID"), "");
    ASSERT_EQ(fakes.messageBox.shown().size(), 1u);
    EXPECT_EQ(fakes.messageBox.last(), (ShownBox{"Details Saved", MsgIcon::Information, MsgButtons::OK,
                                                 std::string("Country"), "Country"}));
    EXPECT_EQ(w.txtAddName.text(), "");

    const int i = indexOf(w.lstEditBox, "Atlantis");
    ASSERT_GT(i, 0);
    EXPECT_EQ(w.lstEditBox.itemData(i), row.asInt("CountryID"));
    EXPECT_EQ(indexOf(w.lstboxAdd, "Atlantis"), i);
    EXPECT_LT(compareNoCase(w.lstboxAdd.list(i - 1), "Atlantis"), 0);
    EXPECT_GT(compareNoCase(w.lstboxAdd.list(i + 1), "Atlantis"), 0);

    // A name with an apostrophe goes in as typed; Enter in the box adds too.
    w.txtAddName.setText("Cote d'Ivoire Nord");
    w.txtAddName.pressKey(key::Enter);
    EXPECT_EQ(countriesNamed("Cote d'Ivoire Nord"), 1);
}

TEST_F(CountryMaster, AddRefusesEmptyAndListedNamesInAnyCase) {
    frm_Add_Country& w = master();
    const int before = countryCount();
    const struct {
        const char* typed;
        const char* message;
    } cases[] = {{"", "Enter a Country Name"},
                 {"   ", "Enter a Country Name"},
                 {"india", "Country Name already Exists"},
                 {" INDIA ", "Country Name already Exists"}};
    // While a refusal is read, the file is not held for writing.
    fakes.messageBox.whileShown = [&](const std::string& text) { EXPECT_FALSE(db().inTransaction()) << text; };
    for (const auto& c : cases) {
        fakes.messageBox.clear();
        w.txtAddName.setText(c.typed);
        w.cmdAddSave.click();
        EXPECT_EQ(texts(), std::vector<std::string>{c.message}) << c.typed;
        EXPECT_EQ(w.txtAddName.text(), c.typed);
        EXPECT_EQ(w.focused(), &w.txtAddName);
    }
    EXPECT_EQ(countryCount(), before);
}

TEST_F(CountryMaster, RenameChangesTheSelectedCountryKeepingItsKey) {
    frm_Add_Country& w = master();
    w.TabStrip1.clickTab(2);
    // The first country is chosen, but the name box stays empty.
    ASSERT_EQ(w.lstEditBox.listIndex(), 0);
    EXPECT_EQ(w.txtEdit.text(), "");
    const std::int32_t first = w.lstEditBox.itemData(0);
    EXPECT_EQ(w.selectedCountryId(), first);

    w.lstEditBox.setListIndex(indexOf(w.lstEditBox, "India"));
    EXPECT_EQ(w.txtEdit.text(), "India");
    w.txtEdit.setText(" Bharat");
    w.txtEdit.pressKey(key::Enter);
    EXPECT_EQ(texts(), std::vector<std::string>{"Successfully Updated"});
    // Stored as typed, the leading blank included, under the same key.
    Statement row = db().query("select CountryName from Country_Master where CountryID = 90");
    ASSERT_TRUE(row.step());
    EXPECT_EQ(row.asText(0), " Bharat");
    EXPECT_NE(indexOf(w.lstEditBox, " Bharat"), -1);
    EXPECT_EQ(w.txtEdit.text(), "");
}

TEST_F(CountryMaster, RenameRefusals) {
    frm_Add_Country& w = master();
    w.TabStrip1.clickTab(2);
    const int india = indexOf(w.lstEditBox, "India");
    const struct {
        const char* typed;
        const char* message;
        const char* left;  // what the name box holds afterwards
    } cases[] = {{"  ", "Enter the New Name", "  "},
                 {"India ", "No Modifications Done", ""},
                 {"INDIA", "Country Name already Exists", "INDIA"},
                 {"Nepal", "Country Name already Exists", "Nepal"}};
    fakes.messageBox.whileShown = [&](const std::string& text) { EXPECT_FALSE(db().inTransaction()) << text; };
    for (const auto& c : cases) {
        fakes.messageBox.clear();
        w.lstEditBox.setListIndex(india);
        w.txtEdit.setText(c.typed);
        w.cmdEditUpdate.click();
        EXPECT_EQ(texts(), std::vector<std::string>{c.message}) << c.typed;
        EXPECT_EQ(w.txtEdit.text(), c.left) << c.typed;
    }
    EXPECT_EQ(countriesNamed("India"), 1);

    // With no country selected (a search found none) nothing is renamed,
    // not even the country chosen before.
    typeAndRelease(w.txtEditSearch, "zz", 'Z');
    ASSERT_EQ(w.lstEditBox.listIndex(), -1);
    fakes.messageBox.clear();
    w.txtEdit.setText("Narnia");
    w.cmdEditUpdate.click();
    EXPECT_EQ(texts(), std::vector<std::string>{"Select the Country to Modify"});
    EXPECT_EQ(countriesNamed("Narnia"), 0);
    EXPECT_EQ(countriesNamed("India"), 1);
}

TEST_F(CountryMaster, RenamingACountryThatIsGoneIsReportedNotClaimed) {
    db().execute("insert into Country_Master (CountryName) values ('Atlantis')");
    frm_Add_Country& w = master();
    w.TabStrip1.clickTab(2);
    w.lstEditBox.setListIndex(indexOf(w.lstEditBox, "Atlantis"));
    db().execute("delete from Country_Master where CountryName = 'Atlantis'");
    w.txtEdit.setText("Lemuria");
    w.cmdEditUpdate.click();
    ASSERT_EQ(fakes.messageBox.shown().size(), 1u);
    EXPECT_EQ(fakes.messageBox.last().text, "The country no longer exists.");
    EXPECT_EQ(fakes.messageBox.last().icon, MsgIcon::Critical);
    EXPECT_FALSE(fakes.messageBox.last().title);
    EXPECT_EQ(countriesNamed("Lemuria"), 0);
}

TEST_F(CountryMaster, SearchSelectsTheFirstNameBeginningWithTheTextInAnyCase) {
    frm_Add_Country& w = master();
    typeAndRelease(w.txtSearch, "iND", 'D');
    ASSERT_GE(w.lstboxAdd.listIndex(), 0);
    EXPECT_EQ(w.lstboxAdd.text(), "India");
    EXPECT_TRUE(fakes.messageBox.shown().empty());

    // Enter names what is missing unless the whole name was typed.
    typeAndRelease(w.txtSearch, "iND", key::Enter);
    typeAndRelease(w.txtSearch, " india ", key::Enter);
    EXPECT_EQ(texts(), std::vector<std::string>{"No Such Country Exists"});

    // On the Edit panel a found country is chosen for renaming.
    w.TabStrip1.clickTab(2);
    typeAndRelease(w.txtEditSearch, "nep", key::Enter);
    EXPECT_EQ(w.txtEdit.text(), "Nepal");
    EXPECT_EQ(w.lstEditBox.itemData(w.lstEditBox.listIndex()), w.selectedCountryId());
    EXPECT_EQ(texts().back(), "No Such Country  Exists");

    typeAndRelease(w.txtEditSearch, "qqq", 'Q');
    EXPECT_EQ(w.lstEditBox.listIndex(), -1);
    EXPECT_EQ(w.focused(), &w.txtEditSearch);
}

}  // namespace
}  // namespace jd
