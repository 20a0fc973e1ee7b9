// The control models: the semantics the windows are written against.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/input_controls.h"
#include "platform/run_time_error.h"
#include "platform/subscription.h"

namespace jd {
namespace {

int errorNumber(const std::function<void()>& f) {
    try {
        f();
    } catch (const RunTimeError& e) {
        return e.number();
    }
    return 0;
}

// ------------------------------------------------------------------ combo box

struct ComboFixture : ::testing::Test {
    ComboBox combo{"txt_VC_Country"};
    std::vector<std::string> clicks;  // index and text as the handler saw them
    int changes = 0;
    void SetUp() override {
        combo.addItem("India", 1);
        combo.addItem("Indonesia", 7);
        combo.addItem("Nepal", 3);
        combo.onClick = [this] { clicks.push_back(std::to_string(combo.listIndex()) + ":" + combo.text()); };
        combo.onChange = [this] { ++changes; };
    }
};

TEST_F(ComboFixture, SelectingFromCodeFiresClickWithTheEntryInPlaceEvenWhenAlreadySelected) {
    combo.setListIndex(1);
    combo.setListIndex(1);
    EXPECT_EQ(clicks, (std::vector<std::string>{"1:Indonesia", "1:Indonesia"}));
    EXPECT_EQ(combo.itemData(combo.listIndex()), 7);
    EXPECT_EQ(changes, 0);  // a choice is no edit of the text
}

TEST_F(ComboFixture, SettingTheTextSelectsNothingEvenWhenItNamesAnEntry) {
    combo.setListIndex(0);
    clicks.clear();
    combo.setText("Nepal");
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(combo.text(), "Nepal");
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(changes, 1);
    combo.setText("Nepal");
    EXPECT_EQ(changes, 1);  // no change when the text stays
}

TEST_F(ComboFixture, ClearingEmptiesListTextAndIndexWithoutEvents) {
    combo.setListIndex(2);
    clicks.clear();
    combo.clear();
    EXPECT_EQ(combo.listCount(), 0);
    EXPECT_EQ(combo.text(), "");
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ComboFixture, IndexMinusOneEmptiesTheTextAndFiresNoClick) {
    combo.setListIndex(2);
    clicks.clear();
    combo.setListIndex(-1);
    EXPECT_EQ(combo.text(), "");
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ComboFixture, BadIndexesRaiseThePlatformErrors) {
    EXPECT_EQ(errorNumber([&] { combo.setListIndex(3); }), 380);
    EXPECT_EQ(errorNumber([&] { combo.setListIndex(-2); }), 380);
    EXPECT_EQ(errorNumber([&] { combo.list(3); }), 381);
    EXPECT_EQ(errorNumber([&] { combo.itemData(-1); }), 381);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ComboFixture, ASwallowedKeyLeavesTextAndSelectionAsTheyWere) {
    combo.setListIndex(0);
    combo.onKeyPress = [](int& k) { k = 0; };
    combo.pressKey('x');
    combo.pressKey(key::Backspace);
    EXPECT_EQ(combo.text(), "India");
    EXPECT_EQ(combo.listIndex(), 0);
    EXPECT_EQ(changes, 0);
}

TEST_F(ComboFixture, ATypedKeyReplacesTheSelectedPartAndLeavesNoEntrySelected) {
    // The state the type-ahead leaves: "In" typed, "dia" completed and selected.
    combo.setListIndex(0);
    combo.setSelStart(2);
    combo.setSelLength(99);  // cut at the end of the text
    EXPECT_EQ(combo.selLength(), 3);
    combo.pressKey('x');
    EXPECT_EQ(combo.text(), "Inx");
    EXPECT_EQ(combo.selStart(), 3);
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(changes, 1);
}

TEST_F(ComboFixture, PrefixSearchIgnoresLetterCaseAndFindsTheFirstEntry) {
    EXPECT_EQ(combo.findPrefix("IN"), 0);
    EXPECT_EQ(combo.findPrefix("indo"), 1);
    EXPECT_EQ(combo.findPrefix("nE"), 2);
    EXPECT_EQ(combo.findPrefix("x"), -1);
    EXPECT_EQ(combo.findPrefix(""), 0);
}

TEST_F(ComboFixture, InsertingAndRemovingKeepTheSelectionOnItsEntry) {
    combo.setListIndex(1);
    combo.addItemAt(0, "Bhutan", 9);
    EXPECT_EQ(combo.listIndex(), 2);
    EXPECT_EQ(combo.list(combo.listIndex()), "Indonesia");
    combo.removeItem(0);
    EXPECT_EQ(combo.listIndex(), 1);
    combo.removeItem(1);
    EXPECT_EQ(combo.listIndex(), -1);
}

TEST(DropDownList, TakesOnlyEntriesAsTextAndJumpsByFirstLetter) {
    ComboBox c{"cb", ComboStyle::DropDownList};
    c.addItem("East");
    c.addItem("North");
    c.addItem("nadir");
    int clicks = 0;
    c.onClick = [&] { ++clicks; };
    c.setText("North");
    EXPECT_EQ(c.listIndex(), 1);
    EXPECT_EQ(errorNumber([&] { c.setText("West"); }), 383);
    c.pressKey('N');
    EXPECT_EQ(c.text(), "nadir");
    c.pressKey('n');
    EXPECT_EQ(c.text(), "North");  // wraps round to the first match
    EXPECT_EQ(clicks, 3);
}

// ------------------------------------------------------------------- text box

TEST(TextBox, ASwallowedKeyLeavesTheTextUnchanged) {
    TextBox t{"txtLatDetails"};
    t.setText("17 N 20");
    int changes = 0;
    std::vector<int> seen;
    t.onChange = [&] { ++changes; };
    t.onKeyPress = [&](int& k) { seen.push_back(k); k = 0; };
    t.pressKey('5');
    t.pressKey(key::Backspace);
    t.paste("abc");
    EXPECT_EQ(t.cut(), "");
    EXPECT_EQ(t.text(), "17 N 20");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(seen, (std::vector<int>{'5', key::Backspace, key::CtrlV, key::CtrlX}));
}

TEST(TextBox, DigitsOnlyHandlerRefusesLettersButKeepsDigitsAndBackspace) {
    TextBox t{"txtHours"};
    t.onKeyPress = [](int& k) {
        if (!((k >= '0' && k <= '9') || k == key::Backspace || k == key::Enter)) k = 0;
    };
    for (int k : std::vector<int>{'1', 'a', '2', key::Backspace, '5', '-'}) t.pressKey(k);
    EXPECT_EQ(t.text(), "15");
}

TEST(TextBox, MaxLengthCountsCharactersForTypingPastingAndCode) {
    TextBox t{"Txt_VC_ChartName", "", 5};
    for (const char* s : {"T", "r", "o", "m", "s", "x"}) t.pressKey(s[0]);
    EXPECT_EQ(t.text(), "Troms");

    t.setText("Tromsø Nord");  // code: cut to five characters, never mid-character
    EXPECT_EQ(t.text(), "Troms");
    t.setText("Tøøø");
    t.setSelStart(4);
    t.pressKey(0xF8);  // ø typed as the fifth character
    EXPECT_EQ(t.text(), "Tøøøø");
    t.pressKey('x');
    EXPECT_EQ(t.text(), "Tøøøø");

    t.setText("ab");
    t.setSelStart(2);
    t.paste("cdefgh");
    EXPECT_EQ(t.text(), "abcde");

    // A full box still takes a key that replaces its selection.
    t.setSelStart(0);
    t.setSelLength(2);
    t.pressKey('Z');
    EXPECT_EQ(t.text(), "Zcde");
}

TEST(TextBox, EditingAtTheCaret) {
    struct Case {
        const char* start;
        int selStart, selLength;
        int keyAscii;
        const char* expected;
        int caret;
    };
    const Case cases[] = {
        {"abc", 3, 0, 'd', "abcd", 4},
        {"abc", 0, 0, 'x', "xabc", 1},
        {"abc", 1, 1, 'X', "aXc", 2},
        {"abc", 3, 0, key::Backspace, "ab", 2},
        {"abc", 0, 0, key::Backspace, "abc", 0},
        {"abc", 0, 3, key::Backspace, "", 0},
        {"aøc", 2, 0, key::Backspace, "ac", 1},
        {"abc", 1, 0, key::Enter, "abc", 1},  // a single-line box takes no line break
    };
    for (const auto& c : cases) {
        TextBox t;
        t.setText(c.start);
        t.setSelStart(c.selStart);
        t.setSelLength(c.selLength);
        t.pressKey(c.keyAscii);
        EXPECT_EQ(t.text(), c.expected) << c.start << " key " << c.keyAscii;
        EXPECT_EQ(t.selStart(), c.caret) << c.start << " key " << c.keyAscii;
    }
}

TEST(TextBox, LockedBoxSeesKeysButKeepsItsText) {
    TextBox t;
    t.setText("read only");
    t.setLocked(true);
    int keys = 0;
    t.onKeyPress = [&](int&) { ++keys; };
    t.pressKey('a');
    t.paste("b");
    t.pressDelete();
    EXPECT_EQ(t.text(), "read only");
    EXPECT_EQ(keys, 2);
    t.setText("code may still write");
    EXPECT_EQ(t.text(), "code may still write");
}

TEST(TextBox, PasteIntoASingleLineBoxStopsAtTheLineBreak) {
    TextBox single;
    single.paste("first\r\nsecond");
    EXPECT_EQ(single.text(), "first");
    TextBox multi;
    multi.setMultiLine(true);
    multi.paste("first\r\nsecond");
    multi.pressKey(key::Enter);
    EXPECT_EQ(multi.text(), "first\r\nsecond\r\n");
}

TEST(TextBox, ResetGoesBackToTheDesignedText) {
    TextBox t{"txtGName", "NAME", 25};
    t.setText("Someone");
    t.setLocked(true);
    t.setVisible(false);
    t.reset();
    EXPECT_EQ(t.text(), "NAME");
    EXPECT_FALSE(t.locked());
    EXPECT_TRUE(t.visible());
}

// ---------------------------------------------------------------- option buttons

TEST(OptionButtons, OneTrueAtATimeWithinEachGroup) {
    OptionGroup antra, output;
    OptionButton op1{"Op1", "With Antra", antra, true};
    OptionButton op2{"Op2", "Without Antra", antra};
    OptionButton op3{"Op3", "Generate Horoscope as a HTML file", output};
    OptionButton op4{"Op4", "Generate Horoscope as a Text file", output};
    OptionButton op5{"Op5", "Print Directly", output, true};
    std::vector<std::string> clicks;
    for (OptionButton* b : {&op1, &op2, &op3, &op4, &op5}) b->onClick = [&clicks, b] { clicks.push_back(b->name()); };

    op2.click();
    EXPECT_FALSE(op1.value());
    EXPECT_TRUE(op5.value());  // the other group is untouched
    op4.setValue(true);
    op4.setValue(true);  // already chosen: no second click
    EXPECT_EQ(antra.chosen(), "Op2");
    EXPECT_EQ(output.chosen(), "Op4");
    EXPECT_EQ(clicks, (std::vector<std::string>{"Op2", "Op4"}));

    op1.reset();
    op2.reset();
    EXPECT_EQ(antra.chosen(), "Op1");
}

TEST(OptionButtons, AButtonDestroyedBeforeItsGroupLeavesTheGroupSound) {
    OptionGroup g;
    OptionButton keep{"AM", "AM", g, true};
    {
        OptionButton gone{"PM", "PM", g};
        gone.click();
    }
    keep.click();
    EXPECT_EQ(g.chosen(), "AM");
}

// ------------------------------------------------------------------- list box

TEST(ListBox, SelectionChangesFireClickAndDeselectingTheSelectedEntryLeavesNone) {
    ListBox l{"lstEditBox"};
    l.addItem("India", 4);
    l.addItem("Nepal", 9);
    std::vector<std::string> clicks;
    l.onClick = [&] { clicks.push_back(l.text()); };
    l.setSelected(1, true);
    l.setSelected(1, true);   // no change, no click
    l.setSelected(0, false);  // not the selected one: nothing
    l.setSelected(1, false);
    EXPECT_EQ(l.listIndex(), -1);
    EXPECT_EQ(clicks, (std::vector<std::string>{"Nepal", ""}));
    EXPECT_EQ(errorNumber([&] { l.setSelected(2, true); }), 381);
    l.setListIndex(0);
    l.clear();
    EXPECT_EQ(l.listIndex(), -1);
    EXPECT_EQ(l.text(), "");
}

// ----------------------------------------------------------------------- tree

TEST(Tree, NodesAreNumberedFromOneAndKeysAreUnique) {
    Tree t{"tV"};
    t.add("", "User", "Birth Details");
    t.add("", "Rasi", "Rasi");
    EXPECT_EQ(t.add("Rasi", "Sub", "child"), 3);
    EXPECT_EQ(t.node(1).text, "Birth Details");
    EXPECT_EQ(t.node("Sub").parentKey, "Rasi");
    EXPECT_EQ(errorNumber([&] { t.add("", "User", "again"); }), 35602);
    EXPECT_EQ(errorNumber([&] { t.node(0); }), 9);
    EXPECT_EQ(errorNumber([&] { t.node(4); }), 9);
    EXPECT_EQ(errorNumber([&] { t.node("missing"); }), 9);
    EXPECT_EQ(errorNumber([&] { t.add("missing", "x", "x"); }), 9);
    EXPECT_EQ(t.nodeCount(), 3);
}

TEST(Tree, ClickingANodeSelectsItThenFiresNodeClickAndClick) {
    Tree t{"tV"};
    t.add("", "User", "Birth Details");
    t.add("", "BP", "Bhava Features");
    std::vector<std::string> events;
    t.onNodeClick = [&](int i) { events.push_back("node " + t.node(i).key + " selected " + std::to_string(t.selectedIndex())); };
    t.onClick = [&] { events.push_back("click"); };
    t.clickNode(2);
    EXPECT_EQ(events, (std::vector<std::string>{"node BP selected 2", "click"}));
    t.setNodeForeColor(2, 0xE17312);
    t.setNodeBold(2, true);
    EXPECT_TRUE(t.node(2).bold);
    t.clear();
    EXPECT_EQ(t.selectedIndex(), 0);
}

// ------------------------------------------------------------------ tab strip

TEST(TabStrip, SelectionIsOneBasedAndFiresClick) {
    TabStrip tabs{"TabStrip1", {"Add City", "Edit City", "View City"}};
    std::vector<int> clicks;
    tabs.onClick = [&] { clicks.push_back(tabs.selectedIndex()); };
    EXPECT_EQ(tabs.selectedIndex(), 1);
    tabs.setSelectedIndex(3);
    tabs.setSelectedIndex(3);  // no change from code: no click
    tabs.clickTab(3);          // the user's click always counts
    EXPECT_EQ(clicks, (std::vector<int>{3, 3}));
    EXPECT_EQ(tabs.caption(2), "Edit City");
    EXPECT_EQ(errorNumber([&] { tabs.setSelectedIndex(0); }), 9);
    tabs.reset();
    EXPECT_EQ(tabs.selectedIndex(), 1);
}

// ----------------------------------------------------------------------- grid

TEST(Grid, FormatStringSetsHeaderTextsAlignmentsAndRowHeaders) {
    Grid g{"mshDasa", 4, 3};
    g.setFormatString("<Dasa|^ From|>To;One|Two");
    EXPECT_EQ(g.text(0, 0), "Dasa");
    EXPECT_EQ(g.text(0, 1), " From");
    EXPECT_EQ(g.text(0, 2), "To");
    EXPECT_EQ(g.colAlignment(0), Alignment::LeftCenter);
    EXPECT_EQ(g.colAlignment(1), Alignment::CenterCenter);
    EXPECT_EQ(g.colAlignment(2), Alignment::RightCenter);
    EXPECT_EQ(g.text(1, 0), "One");
    EXPECT_EQ(g.text(2, 0), "Two");
    EXPECT_GT(g.colWidth(1), g.colWidth(2));  // the wider heading gets the wider column

    // A format with more columns than the grid widens it; blanks are kept.
    g.setFormatString("Zodiac       | Sun    |Moon   |Total With * ");
    EXPECT_EQ(g.cols(), 4);
    EXPECT_EQ(g.text(0, 3), "Total With * ");
}

TEST(Grid, ClearEmptiesEveryCellHeaderIncludedAndKeepsTheShape) {
    Grid g{"mshNirayana", 3, 2};
    g.setFormatString("Planet|Longitude");
    g.setText(2, 1, "10.05.15");
    g.setCellBold(2, 1, true);
    g.clear();
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c) EXPECT_EQ(g.text(r, c), "") << r << "," << c;
    EXPECT_EQ(g.rows(), 3);
    EXPECT_EQ(g.formatString(), "Planet|Longitude");
}

TEST(Grid, NumericDescendingSortKeepsTiesInOrderAndTheHeaderInPlace) {
    Grid g{"MSFlexGridSort", 8, 2};
    g.setFormatString("Longitude     |Who");
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"12.05.10", "Sun"},  {"12.05.30", "Moon"}, {"3.59.59", "Mars"}, {"12.10.00", "Mercury"},
        {"12.05.30", "Jupiter"}, {"0.00.00", "Venus"}, {"29.00.01", "Saturn"}};
    for (size_t i = 0; i < rows.size(); ++i) {
        g.setText(static_cast<int>(i) + 1, 0, rows[i].first);
        g.setText(static_cast<int>(i) + 1, 1, rows[i].second);
    }
    g.setCellBold(2, 1, true);  // formatting travels with its row
    g.sortNumericDescending(0);
    std::vector<std::string> order;
    for (int r = 1; r < 8; ++r) order.push_back(g.text(r, 1));
    EXPECT_EQ(order, (std::vector<std::string>{"Saturn", "Mercury", "Moon", "Jupiter", "Sun", "Mars", "Venus"}));
    EXPECT_EQ(g.text(0, 0), "Longitude     ");
    EXPECT_TRUE(g.cellBold(3, 1));
}

TEST(Grid, NumericSortReadsPlainNumbersAndCountsOtherTextsAsZero) {
    Grid g{"g", 6, 1};
    for (auto [r, t] : std::vector<std::pair<int, std::string>>{{1, "5.5"}, {2, "abc"}, {3, "10"}, {4, "-2"}, {5, " 7 hrs"}})
        g.setText(r, 0, t);
    g.sortNumericDescending(0);
    std::vector<std::string> order;
    for (int r = 1; r < 6; ++r) order.push_back(g.text(r, 0));
    EXPECT_EQ(order, (std::vector<std::string>{"10", " 7 hrs", "5.5", "abc", "-2"}));
}

TEST(Grid, StringSortCountsLetterCase) {
    Grid g{"g", 4, 1};
    g.setText(1, 0, "delhi");
    g.setText(2, 0, "Zurich");
    g.setText(3, 0, "Agra");
    g.sortStringAscending(0);
    EXPECT_EQ(g.text(1, 0), "Agra");
    EXPECT_EQ(g.text(2, 0), "Zurich");
    EXPECT_EQ(g.text(3, 0), "delhi");
}

TEST(Grid, IndexesOutsideTheGridRaiseSubscriptOutOfRange) {
    Grid g{"g", 2, 3};
    const std::vector<std::function<void()>> faults = {
        [&] { g.text(2, 0); },        [&] { g.text(0, 3); },       [&] { g.text(-1, 0); },
        [&] { g.setText(0, -1, ""); }, [&] { g.setRow(2); },        [&] { g.setCol(3); },
        [&] { g.colWidth(3); },        [&] { g.sortNumericDescending(3); }, [&] { g.mergeRow(5); },
    };
    for (size_t i = 0; i < faults.size(); ++i) EXPECT_EQ(errorNumber(faults[i]), 9) << "case " << i;
}

TEST(Grid, ShrinkingAndGrowingKeepTheTextsThatStillFit) {
    Grid g{"mshAntra", 1, 4};
    g.setFormatString("Antra     | From            | To                |  Age ");
    g.setRows(3);
    g.setText(2, 3, "5");
    g.setRows(1);
    g.setRows(3);
    EXPECT_EQ(g.text(0, 1), " From            ");
    EXPECT_EQ(g.text(2, 3), "");
}

TEST(Grid, ResetRestoresTheDesignedShapeFormatAndMerging) {
    Grid g{"mshBukti", 2, 4};
    g.setDesignedFormat("Bhukthi  | From            | To                |  Age ");
    g.setRows(40);
    g.setText(5, 0, "Sun Dasa");
    g.setMergeCells(1);
    g.setMergeRow(5, true);
    g.setFormatString("x|y");
    g.reset();
    EXPECT_EQ(g.rows(), 2);
    EXPECT_EQ(g.mergeCells(), 0);
    EXPECT_EQ(g.text(0, 0), "Bhukthi  ");
    EXPECT_EQ(g.text(0, 1), " From            ");
}

// An observer is told while its subscription lives, once however often the
// subscription moves, and no more once it is replaced or gone.
TEST(Subscription, TellsItsObserverUntilItEndsOrIsReplaced) {
    Label label{"Label1"};
    int told = 0;
    {
        Subscription first(label, [&] { ++told; });
        Subscription moved = std::move(first);
        label.setCaption("a");
        moved = Subscription(label, [&] { told += 10; });
        label.setCaption("b");
    }
    label.setCaption("c");
    EXPECT_EQ(told, 11);
}

}  // namespace
}  // namespace jd
