// The type-ahead of editable combo boxes, the time-zone list of a country and
// the placing of a window.
#include "calendar/form_routines.h"

#include <string>
#include <vector>

#include "calendar_fixture.h"
#include "platform/input_controls.h"
#include "platform/window.h"

using namespace jd;
using namespace jd::calendar_testing;

namespace {

// A window holding one combo box whose key presses go through the type-ahead.
class ComboWindow : public Window {
public:
    explicit ComboWindow(ComboStyle style = ComboStyle::DropDownCombo) : Window("frm_Test", "Test"), combo("cbCountry", style) {
        combo.onKeyPress = [this](int& key) { FnComboAutoComplete(key, *this); };
        combo.onClick = [this] { ++clicks; };
        for (const char* name : {"Iceland", "India", "Indonesia", "Iran"}) combo.addItem(name);
    }
    ComboBox combo;
    int clicks = 0;
};

void typeText(ComboBox& c, const std::string& s) {
    for (char ch : s) c.pressKey(static_cast<unsigned char>(ch));
}

std::vector<std::string> texts(const ComboBox& c) {
    std::vector<std::string> out;
    for (const auto& e : c.entries()) out.push_back(e.text);
    return out;
}

std::vector<std::int32_t> itemData(const ComboBox& c) {
    std::vector<std::int32_t> out;
    for (const auto& e : c.entries()) out.push_back(e.itemData);
    return out;
}

}  // namespace

class ComboTypeAhead : public CalendarTest {};

TEST_F(ComboTypeAhead, CompletesToTheFirstEntryAndSwallowsTheKey) {
    ComboWindow w;
    w.setFocus(w.combo);

    w.combo.pressKey('i');
    EXPECT_EQ(w.combo.listIndex(), 0);
    EXPECT_EQ(w.combo.text(), "Iceland");
    EXPECT_EQ(w.combo.selStart(), 1);
    EXPECT_EQ(w.combo.selLength(), 6);

    w.combo.pressKey('n');
    EXPECT_EQ(w.combo.listIndex(), 1);
    EXPECT_EQ(w.combo.text(), "India");
    EXPECT_EQ(w.combo.selStart(), 2);
    EXPECT_EQ(w.combo.selLength(), 3);
    EXPECT_EQ(w.clicks, 2);  // each completion is a choice of the entry

    int key = 'd';
    FnComboAutoComplete(key, w);
    EXPECT_EQ(key, 0);
}

TEST_F(ComboTypeAhead, LettersInAnotherCaseTakeTheEntrysOwn) {
    ComboWindow w;
    w.setFocus(w.combo);
    typeText(w.combo, "INDO");
    EXPECT_EQ(w.combo.text(), "Indonesia");
    EXPECT_EQ(w.combo.listIndex(), 2);
    EXPECT_EQ(w.combo.selStart(), 4);
}

TEST_F(ComboTypeAhead, AKeyThatContinuesNoEntryIsTyped) {
    ComboWindow w;
    w.setFocus(w.combo);
    typeText(w.combo, "in");
    const int clicks = w.clicks;

    int key = 'x';
    FnComboAutoComplete(key, w);
    EXPECT_EQ(key, 'x');
    EXPECT_EQ(w.combo.listIndex(), 1);  // the selection stays as it was
    EXPECT_EQ(w.clicks, clicks);

    w.combo.pressKey('x');  // the key replaces the completed part
    EXPECT_EQ(w.combo.text(), "Inx");
    EXPECT_EQ(w.combo.listIndex(), -1);
}

TEST_F(ComboTypeAhead, LeavesOtherControlsAlone) {
    // A drop-down list is the platform's own.
    ComboWindow list(ComboStyle::DropDownList);
    list.setFocus(list.combo);
    int key = 'i';
    FnComboAutoComplete(key, list);
    EXPECT_EQ(key, 'i');
    EXPECT_EQ(list.combo.listIndex(), -1);

    // The routine works on the focused control, not on the combo whose key it is.
    ComboWindow w;
    TextBox other("txtName");
    w.setFocus(other);
    FnComboAutoComplete(key, w);
    EXPECT_EQ(key, 'i');
    EXPECT_EQ(w.combo.text(), "");
    FnComboAutoComplete(key, nullptr);
    EXPECT_EQ(key, 'i');
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ComboTypeAhead, AKeyCodeThatIsNoCharacterIsReportedUnderItsTitle) {
    ComboWindow w;
    w.setFocus(w.combo);
    int key = -5;
    FnComboAutoComplete(key, w);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.last().text, "Invalid procedure call or argument");
    EXPECT_EQ(boxes.last().icon, MsgIcon::Critical);
    EXPECT_EQ(boxes.last().title, std::optional<std::string>("Dravelin"));
    EXPECT_EQ(key, -5);
}

class TimeZoneList : public CalendarTest {};

TEST_F(TimeZoneList, ZonesInTheCountrysOrderWithTheirKeys) {
    openDatabase();
    ComboBox zones("cbTimeZone");
    zones.addItem("left over", 7);
    zones.setListIndex(0);

    FnFillTimeZoneCombo(90, zones);  // India
    EXPECT_EQ(texts(zones), (std::vector<std::string>{"India  (5.5 hrs E)"}));
    EXPECT_EQ(itemData(zones), (std::vector<std::int32_t>{102}));
    EXPECT_EQ(zones.listIndex(), -1);
    EXPECT_EQ(zones.text(), "");

    FnFillTimeZoneCombo(11, zones);  // Australia: the list's order, not the places'
    EXPECT_EQ(texts(zones), (std::vector<std::string>{"Australia (Sydney)  (10 hrs E)", "Australia (Perth)  (8 hrs E)",
                                                      "Australia (Adelaide)  (9.5 hrs E)"}));
    EXPECT_EQ(itemData(zones), (std::vector<std::int32_t>{11, 12, 13}));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(TimeZoneList, EntriesThatAreNoKeyOrNameNoZoneAddNothing) {
    Database& db = openDatabase();
    struct Case {
        const char* list;
        std::vector<std::int32_t> keys;
    };
    const Case cases[] = {
        {"", {}},
        {"102,abc,9999999,12", {102, 12}},
        {" 9 , 102", {9, 102}},
        {"99999999999,5.5,-3,0x10,102", {102}},
        {"102,,102", {102, 102}},
    };
    for (const Case& c : cases) {
        db.execute("UPDATE Country_Master SET TimeZoneID = ? WHERE CountryID = 90", std::string(c.list));
        ComboBox zones("cbTimeZone");
        FnFillTimeZoneCombo(90, zones);
        EXPECT_EQ(itemData(zones), c.keys) << c.list;
    }
    // A country that is not there.
    ComboBox zones("cbTimeZone");
    zones.addItem("left over");
    FnFillTimeZoneCombo(424242, zones);
    EXPECT_EQ(zones.listCount(), 0);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(TimeZoneList, AFailedQueryKeepsWhatWasAddedAndShowsTheError) {
    Database& db = openDatabase();
    db.execute("UPDATE Country_Master SET TimeZoneID = '102,12' WHERE CountryID = 90");
    db.execute("UPDATE TimeZone SET TimeDifference = 'x' WHERE SNo = 12");
    ComboBox zones("cbTimeZone");
    FnFillTimeZoneCombo(90, zones);
    EXPECT_EQ(texts(zones), (std::vector<std::string>{"India  (5.5 hrs E)"}));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.last().text, "Type mismatch");
    EXPECT_EQ(boxes.last().icon, MsgIcon::Critical);
    EXPECT_EQ(boxes.last().title, std::nullopt);
}

TEST(CenterForm, CentredOnlyOnTheScreenItWasMadeFor) {
    resetState();
    FixedScreen screen;
    state().services.screen = &screen;
    struct Case {
        int screenWidth, screenHeight;
        double left, top;
    };
    const Case cases[] = {
        {15360, 11520, 4680, 4260},  // 1024 x 768 pixels: centred
        {12000, 9000, 2000, 2000},   // 800 x 600: a third of the free space
        {19200, 11520, 4400, 2840},  // 1280 x 768
    };
    for (const Case& c : cases) {
        screen.set(c.screenWidth, c.screenHeight);
        Window w("Frm_SaveChart", "Save Chart", WindowKind::MdiChild);
        w.move(0, 0, 6000, 3000);
        FnCenterFormOnScreen(w);
        EXPECT_DOUBLE_EQ(w.left(), c.left) << c.screenWidth;
        EXPECT_DOUBLE_EQ(w.top(), c.top) << c.screenWidth;
    }
    resetState();
}
