// The text charts: abbreviation of window captions, the blank squeeze, the sign
// wrap and the three drawers checked against their pictures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "golden_text.h"
#include "platform/run_time_error.h"
#include "report/text_charts.h"

namespace jd {
namespace {

using jd::testing::crLfToLf;
using jd::testing::matchesGolden;
using jd::testing::readFile;
using jd::testing::goldenPath;
using jd::testing::sameText;
using jd::testing::splitLines;

struct AbbrevCase {
    const char* name;
    std::string (*routine)(std::string_view);
    std::string caption;
    std::string cell;
};

TEST(Abbreviation, CaptionsBecomeCellTexts) {
    const AbbrevCase cases[] = {
        {"crlf empty", FnAbbrevCellCrLf, "", ""},
        {"crlf bodies with degrees", FnAbbrevCellCrLf, "Sun  12.34\r\nMoo  5.06", "Sun Moo"},
        {"crlf empty first line", FnAbbrevCellCrLf, "\r\nSun  12.34\r\nMoo  5.06", "Sun Moo"},
        {"crlf ending in separator", FnAbbrevCellCrLf, "Sun  12.34\r\n", "Sun"},
        {"crlf empty segment inside", FnAbbrevCellCrLf, "Sun  1.2\r\n\r\nMoo  3.4", "Sun  Moo"},
        {"crlf separator only", FnAbbrevCellCrLf, "\r\n", ""},
        {"crlf long and short names", FnAbbrevCellCrLf, "Jupiter\r\n  Me ", "Jup Me"},
        {"crlf one line of several bodies", FnAbbrevCellCrLf, "Asc    Sun  Moo", "Asc"},
        {"double empty", FnAbbrevCellDoubleSpace, "", ""},
        {"double bodies", FnAbbrevCellDoubleSpace, "Sun  Moo  ", "Sun Moo"},
        {"double empty segment", FnAbbrevCellDoubleSpace, "Sun    Moo", "Sun  Moo"},
        {"double leading separator", FnAbbrevCellDoubleSpace, "  Sun", "Sun"},
        {"space empty", FnAbbrevCellSpace, "", ""},
        {"space bhava", FnAbbrevCellSpace, "Asc Sun Moo", "Asc Sun Moo"},
        {"space trailing blank", FnAbbrevCellSpace, "Asc ", "Asc"},
        {"space empty segment", FnAbbrevCellSpace, "Sun  Moo", "Sun  Moo"},
        {"runs empty", FnAbbrevCellBlankRuns, "", ""},
        {"runs one line", FnAbbrevCellBlankRuns, "Asc    Sun  Moo", "Asc Sun Moo"},
        {"runs single body", FnAbbrevCellBlankRuns, "Sun  ", "Sun"},
        {"runs blanks only", FnAbbrevCellBlankRuns, "    ", ""},
        {"runs lines", FnAbbrevCellBlankRuns, "Sun  \r\nMoo  ", "Sun Moo"},
        {"runs long names", FnAbbrevCellBlankRuns, "Jupiter  Venus", "Jup Ven"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.routine(c.caption), c.cell) << c.name;
}

TEST(Squeeze, RunsOfThreeBlanksBecomeOne) {
    const std::pair<std::string, std::string> cases[] = {
        {"a   b", "a b"},     {"a    b", "a  b"}, {"a     b", "a   b"},
        {"a      b", "a  b"}, {"a  b", "a  b"},  {"", ""},
        {"   ", " "},         {"Sun   Moo   Mar", "Sun Moo Mar"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(FnSqueezeSpaces(in), out) << "[" << in << "]";
}

TEST(WrapTo12, BringsSignNumbersIntoRange) {
    const std::pair<double, int> numbers[] = {{13, 1}, {24, 12}, {25, 1}, {0, 0}, {12, 12},
                                              {1, 1},  {-3, -3}, {36, 12}, {12.5, 12}, {13.5, 2}};
    for (auto [in, out] : numbers) EXPECT_EQ(FnWrapTo12(in), out) << in;
    const std::pair<const char*, int> texts[] = {{"13", 1}, {" 7 ", 7}, {"10", 10}, {"24", 12}, {"0", 0}};
    for (auto [in, out] : texts) EXPECT_EQ(FnWrapTo12(std::string_view(in)), out) << in;
}

TEST(WrapTo12, RejectsWhatIsNoSixteenBitNumber) {
    for (const char* bad : {"", "abc", "1x", "nan", " "}) {
        try {
            FnWrapTo12(std::string_view(bad));
            ADD_FAILURE() << "no error for [" << bad << "]";
        } catch (const RunTimeError& e) {
            EXPECT_EQ(e.number(), 13) << bad;
        }
    }
    EXPECT_THROW(FnWrapTo12(40000.0), RunTimeError);
    EXPECT_THROW(FnWrapTo12(std::string_view("32768")), RunTimeError);
}

// ---------------------------------------------------------------------------

// The lettered pictures: the slots of cell k shown by the letter 'A' + k.
std::string lettered(const std::string& name) { return readFile(goldenPath(name)); }

std::string withoutCharacters(std::string text, const std::string& which) {
    for (char& c : text)
        if (which.find(c) != std::string::npos) c = ' ';
    return text;
}

ChartCells letterCells() {
    ChartCells cells;
    for (int k = 0; k < 12; ++k) cells[static_cast<size_t>(k)] = std::string(35, static_cast<char>('A' + k));
    return cells;
}

ChartCells wordCells(int words) {
    ChartCells cells;
    for (int k = 0; k < 12; ++k) {
        std::string text;
        for (int w = 1; w <= words; ++w) {
            if (w > 1) text += ' ';
            text += static_cast<char>('A' + k);
            text += (w < 10 ? "0" : "") + std::to_string(w);
        }
        cells[static_cast<size_t>(k)] = text;
    }
    return cells;
}

const std::string kCellLetters = "ABCDEFGHIJKL";

TEST(TextCharts, FullCellsFillEverySlotOfThePicture) {
    EXPECT_TRUE(sameText(crLfToLf(FnTextChartSouth(letterCells(), "Rasi")), lettered("south_lettered.txt")));
    EXPECT_TRUE(sameText(crLfToLf(FnTextChartNorth(letterCells(), "1")), lettered("north_lettered.txt")));
    EXPECT_TRUE(sameText(crLfToLf(FnTextChartEast(letterCells())), lettered("east_lettered.txt")));
}

TEST(TextCharts, EmptyCellsGiveTheBareFrame) {
    ChartCells empty;
    EXPECT_TRUE(sameText(crLfToLf(FnTextChartSouth(empty, "Rasi")),
                         withoutCharacters(lettered("south_lettered.txt"), kCellLetters)));
    EXPECT_TRUE(sameText(crLfToLf(FnTextChartNorth(empty, std::nullopt)),
                         withoutCharacters(lettered("north_lettered.txt"), kCellLetters + "0123456789")));
    EXPECT_TRUE(sameText(crLfToLf(FnTextChartEast(empty)),
                         withoutCharacters(lettered("east_lettered.txt"), kCellLetters)));
}

TEST(TextCharts, ACellShowsItsFirstNineWords) {
    EXPECT_TRUE(matchesGolden(FnTextChartSouth(wordCells(10), "Navamsa"), "south_ten_words.txt"));
    EXPECT_TRUE(matchesGolden(FnTextChartNorth(wordCells(10), "10"), "north_ten_words.txt"));
    EXPECT_TRUE(matchesGolden(FnTextChartEast(wordCells(10)), "east_ten_words.txt"));
    // Nine words fill as much as ten.
    EXPECT_EQ(FnTextChartEast(wordCells(9)), FnTextChartEast(wordCells(10)));
    EXPECT_EQ(FnTextChartSouth(wordCells(9), "Bhava"), FnTextChartSouth(wordCells(12), "Bhava"));
}

TEST(TextCharts, SouthTitleIsCentredInTheMiddleLine) {
    const std::pair<std::string, std::string> titles[] = {
        {"Rasi", "*************          Rasi         *************"},
        {"Navamsa", "*************        Navamsa        *************"},
        {"Bhava", "*************          Bhava        *************"},
        {"", "*************                       *************"},
        {"ABCDEFGHIJKLMNOPQRSTUVW", "*************ABCDEFGHIJKLMNOPQRSTUVW*************"},
    };
    for (const auto& [title, row] : titles) {
        auto lines = splitLines(crLfToLf(FnTextChartSouth(ChartCells{}, title)));
        ASSERT_EQ(lines.size(), 22u) << title;  // 21 rows and the empty rest after the last line end
        EXPECT_EQ(lines[10], std::string(11, ' ') + row) << title;
    }
}

TEST(TextCharts, ATitleTooLongIsReportedAndDrawsNothing) {
    std::vector<std::string> shown;
    std::string chart = FnTextChartSouth(letterCells(), "ABCDEFGHIJKLMNOPQRSTUVWX",
                                         [&](const std::string& m) { shown.push_back(m); });
    EXPECT_EQ(chart, "");
    EXPECT_EQ(shown, std::vector<std::string>{"Invalid procedure call or argument5"});
}

TEST(TextCharts, NorthSignNumbersFollowTheLagna) {
    auto lines = splitLines(crLfToLf(FnTextChartNorth(ChartCells{}, "10")));
    auto field = [&](int line, int col) { return lines[static_cast<size_t>(line - 1)].substr(static_cast<size_t>(10 + col), 2); };
    EXPECT_EQ(field(10, 21), "10");  // house 1
    EXPECT_EQ(field(5, 12), "11");   // house 2
    EXPECT_EQ(field(6, 9), "12");    // house 3
    EXPECT_EQ(field(12, 19), "1 ");  // house 4
    EXPECT_EQ(field(16, 9), "2 ");   // house 5
    EXPECT_EQ(field(13, 21), "4 ");  // house 7
    EXPECT_EQ(field(5, 30), "9 ");   // house 12
    // A lagna beyond 12 is wrapped first; house 3 writes a single digit after its blank.
    EXPECT_EQ(FnTextChartNorth(ChartCells{}, "13"), FnTextChartNorth(ChartCells{}, "1"));
    auto first = splitLines(crLfToLf(FnTextChartNorth(ChartCells{}, "1")));
    EXPECT_EQ(first[5].substr(19, 2), " 3");
}

TEST(TextCharts, NorthLagnaThatIsNoNumberIsReported) {
    std::vector<std::string> shown;
    EXPECT_EQ(FnTextChartNorth(letterCells(), "", [&](const std::string& m) { shown.push_back(m); }), "");
    EXPECT_EQ(shown, std::vector<std::string>{"Type mismatch13"});
}

TEST(TextCharts, CellsAreSqueezedBeforeTheyAreCut) {
    ChartCells cells;
    // Three blanks count as one, four as two: the words after the run of four
    // no longer start where the slots do.
    cells[0] = "Sun   Moo    Mar Jup";
    auto lines = splitLines(crLfToLf(FnTextChartSouth(cells, "Rasi")));
    EXPECT_EQ(lines[1].substr(24, 11), "Sun Moo  Ma");
    EXPECT_EQ(lines[2].substr(24, 11), " Jup       ");
}

TEST(TextCharts, NonAsciiNamesKeepTheColumns) {
    ChartCells cells;
    cells[0] = "Sūr Cha";
    auto lines = splitLines(crLfToLf(FnTextChartEast(cells)));
    EXPECT_EQ(lines[1], std::string(11, ' ') + "* *           * Sūr Cha     *           * *");
}

}  // namespace
}  // namespace jd
