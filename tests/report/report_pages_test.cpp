// The report's pages one by one, from result-window contents built by hand:
// each compared whole with its golden text, plus the rules of the fixed-width
// fields and the page breaks of the period lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "golden_text.h"
#include "report/report_pages.h"
#include "report/report_text.h"
#include "sample_windows.h"

namespace jd {
namespace {

using jd::testing::crLfToLf;
using jd::testing::matchesGolden;
using jd::testing::Names;
using jd::testing::sampleWindows;
using jd::testing::splitLines;
using namespace jd::report;

std::vector<std::string> linesOf(const std::string& crLfText) { return splitLines(crLfToLf(crLfText)); }

// ---- page 1 ----

TEST(BirthDetailsPage, PersonalDetailsVariants) {
    auto w = sampleWindows();
    PersonalDetailsRow blanksOnly{"   ", "", "   ", " ", "  ", " ", "   ", " "};
    PersonalDetailsRow longTexts{std::string(90, 'N'), std::string(30, 'A'), std::string(30, 'B'),
                                 std::string(30, 'C'), "India", "600004", "044 2499 1234",
                                 "a.very.long.address.for.mail@example.org"};
    const std::pair<std::optional<PersonalDetailsRow>, const char*> cases[] = {
        {jd::testing::samplePersonalDetails(), "page1_personal.txt"},
        {std::nullopt, "page1_no_row.txt"},
        {blanksOnly, "page1_blanks.txt"},
        {longTexts, "page1_long.txt"},
    };
    for (const auto& [row, golden] : cases) {
        std::string out;
        appendBirthDetailsPage(out, w->frm_UserDetails, row);
        EXPECT_TRUE(matchesGolden(out, golden)) << golden;
    }
}

TEST(BirthDetailsPage, PersonalDetailsTexts) {
    auto row = [](std::string address, std::string address2, std::string city, std::string country,
                  std::string zip, std::string phone, std::string mail) {
        return PersonalDetailsRow{"Name", address, address2, city, country, zip, phone, mail};
    };
    struct Case {
        const char* what;
        PersonalDetailsRow row;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"all filled", row("A1", "A2", "Ci", "Co", "Z", "P", "M"), {"Name", "A1, A2, Ci", "Co - Z, Phone : P", "E-Mail : M"}},
        {"second line blank", row("A1", "  ", "Ci", "", "", "", ""), {"Name", "A1, Ci", "", ""}},
        {"only zip", row("", "", "", " ", "Z", "", ""), {"Name", "", " - Z", ""}},
        {"country blank, phone", row("", "", "", "", "", "P", ""), {"Name", "", ", Phone : P", ""}},
        {"address empty", row("", "A2", "", "", "", "", "M"), {"Name", ", A2", "", "E-Mail : M"}},
        {"values kept as stored", row(" A1 ", " A2", "", "Co ", "", "", " M"),
         {"Name", " A1 ,  A2", "Co ", "E-Mail :  M"}},
    };
    for (const auto& c : cases) EXPECT_EQ(personalDetailsTexts(c.row), c.texts) << c.what;
    EXPECT_EQ(personalDetailsTexts(std::nullopt), std::vector<std::string>(4));
}

TEST(BirthDetailsPage, CentringKeepsTheTextOnColumnForty) {
    const std::pair<int, int> lengths[] = {{0, 40}, {1, 40}, {3, 38}, {5, 38}, {6, 37}, {7, 36}, {81, 0}, {83, 0}, {120, 0}};
    for (auto [length, pad] : lengths) {
        std::string text(static_cast<size_t>(length), 'x');
        EXPECT_EQ(centredLine(text), blanks(pad) + text + blanks(pad)) << length;
    }
    // Characters count, not bytes.
    EXPECT_EQ(centredLine("Śrī"), blanks(38) + "Śrī" + blanks(38));
}

TEST(BirthDetailsPage, LongCaptionsLengthenTheirLines) {
    auto w = sampleWindows();
    w->frm_UserDetails.txtSolarDate.setCaption(std::string(70, 'S'));
    std::string out;
    appendBirthDetailsPage(out, w->frm_UserDetails, std::nullopt);
    auto lines = linesOf(out);
    ASSERT_EQ(lines.size(), 56u);  // 55 lines and the empty rest after the last line end
    EXPECT_EQ(lines[33], "     Solar Date            : " + std::string(70, 'S'));
}

// ---- pages 2 and 3 ----

TEST(ChartPages, EveryStyleAndHouseSystem) {
    auto w = sampleWindows();
    const std::pair<const char*, const char*> styles[] = {{"South", "south"}, {"North", "north"}, {"East", "east"}};
    for (auto [style, name] : styles) {
        std::string page2;
        appendChartsPage(page2, *w, chartStyleOf(style), {});
        EXPECT_TRUE(matchesGolden(page2, std::string("page2_") + name + ".txt")) << style;
        for (const char* system : {"Equal", "Not Equal"}) {
            std::string page3;
            appendHousesPage(page3, *w, chartStyleOf(style), system, {});
            std::string golden = std::string("page3_") + name + (system[0] == 'E' ? "_equal" : "_not_equal") + ".txt";
            EXPECT_TRUE(matchesGolden(page3, golden)) << golden;
        }
    }
}

TEST(ChartPages, StyleIgnoresCaseAndHeadingRespectsIt) {
    auto w = sampleWindows();
    std::string upper, lower;
    appendChartsPage(upper, *w, chartStyleOf("SOUTH"), {});
    appendChartsPage(lower, *w, chartStyleOf("south"), {});
    EXPECT_EQ(upper, lower);
    EXPECT_FALSE(chartStyleOf("West").has_value());

    std::string equal, lowerEqual;
    appendHousesPage(equal, *w, ChartStyle::South, "Equal", {});
    appendHousesPage(lowerEqual, *w, ChartStyle::South, "equal", {});
    EXPECT_NE(equal.find("Bhava Positions  (Equal Division of Houses From M.C)"), std::string::npos);
    EXPECT_NE(lowerEqual.find("Bhava Positions  (Placidius Semi-Arc System)"), std::string::npos);
}

TEST(ChartPages, EastRasiCellsShowEveryBodyOfTheSign) {
    auto w = sampleWindows();
    EXPECT_EQ(w->frm_rasi.Lab_chartHouse_Girl_Rasi[2].caption(), "Moo    Mar  Ket");
    ChartCells cells = rasiCells(w->frm_rasi, ChartStyle::East);
    EXPECT_EQ(cells[1], "Moo Mar Ket");
    EXPECT_EQ(cells[3], "Sun Sat");
    EXPECT_EQ(cells[0], "");
}

TEST(ChartPages, BhavaTableFieldsAreCutAndJustified) {
    auto w = sampleWindows();
    Grid& g = w->frm_CBhava.msh_star;
    g.setText(1, 0, "1");
    g.setText(1, 1, "162.31.05.99");
    g.setText(1, 2, "  Aries ");
    g.setText(1, 4, "Uttara Bhadrapada");
    g.setText(1, 5, "2");
    g.setRows(15);  // rows beyond house 12 are not printed
    g.setText(13, 0, "13");
    std::string page;
    appendHousesPage(page, *w, ChartStyle::South, "Equal", {});
    auto lines = linesOf(page);
    // The chart (21 rows), three empty lines, heading, rule, two heading lines, rule.
    ASSERT_EQ(lines.size(), 21u + 3 + 2 + 3 + 24 + 1);
    EXPECT_EQ(lines[26], "       House  Mid        Rasi  Rasi  Star          Pada  Star  Sub ");
    EXPECT_EQ(lines[27], "              Longitude        Lord                      Lord  Lord");
    EXPECT_EQ(lines[28], "     " + std::string(65, '-'));
    EXPECT_EQ(lines[29], "           1  162.31.05   Ari   Mer  Uttara Bhadr     2   Moo   Ven");
    EXPECT_EQ(lines[30], "");
    EXPECT_EQ(lines[51], "          12  132.31.05   Leo   Sun  Magha            4   Ket   Mer");
    for (size_t i = 29; i < 53; i += 2) EXPECT_EQ(lines[i].size(), 67u) << i;
}

// ---- page 4 ----

TEST(PlanetsPage, EnglishAndSanskritNames) {
    for (auto [names, golden] : {std::pair{Names::English, "page4_english.txt"}, std::pair{Names::Sanskrit, "page4_sanskrit.txt"}}) {
        auto w = sampleWindows(names);
        std::string page;
        auto fields = appendPlanetsPage(page, w->Frm_PP, w->Frm_AVargas);
        EXPECT_TRUE(matchesGolden(page, golden)) << golden;
        ASSERT_EQ(fields.size(), 10u);
        EXPECT_EQ(fields[0], names == Names::English ? "Asc   " : "Lag   ");
    }
}

TEST(PlanetsPage, FixedFieldsCutLongAndPadShortValues) {
    auto w = sampleWindows();
    Grid& g = w->Frm_PP.mshNirayana;
    g.setText(2, 0, "  Sunday ");
    g.setText(2, 1, "  28.50.12");            // leading blanks kept
    g.setText(2, 4, "Purva Bhadrapada");      // cut to 12
    g.setText(2, 8, "Amatyakaraka");          // cut to 7
    g.setText(2, 9, "Nrityalipsa-long");      // cut to 11
    for (int c = 0; c < 10; ++c) g.setText(3, c, "");
    std::string page;
    auto fields = appendPlanetsPage(page, w->Frm_PP, w->Frm_AVargas);
    auto lines = linesOf(page);
    EXPECT_EQ(lines[7], "     Sun      28.50.12   Can  Purva Bhadra 4    Mer  Sat  Amatyak Nrityalipsa");
    EXPECT_EQ(lines[9], std::string(77, ' '));
    for (size_t i = 5; i < 25; i += 2) EXPECT_EQ(lines[i].size(), 77u) << i;
    EXPECT_EQ(fields[1], "Sun   ");
    EXPECT_EQ(fields[2], "      ");
    // The empty body heads its ashtakavarga column with blanks.
    EXPECT_EQ(lines[32], "     Rasi   Asc*  Sun       Mar  Mer  Jup  Ven  Sat  Rah*    Total  Total ");
}

// ---- page 5 ----

TEST(VargasDasaPage, TablesAndCounters) {
    auto w = sampleWindows();
    std::string page4, page;
    auto fields = appendPlanetsPage(page4, w->Frm_PP, w->Frm_AVargas);
    PageCounters counters = appendVargasDasaPage(page, w->Frm_Vargas, w->Frm_Dasa, fields);
    EXPECT_TRUE(matchesGolden(page, "page5.txt"));
    EXPECT_EQ(counters.line, 46);
    EXPECT_EQ(counters.page, 6);
}

TEST(VargasDasaPage, EmptyGridsAndOddCells) {
    auto w = sampleWindows();
    w->Frm_Vargas.mshVargas.setRows(1);
    w->Frm_Dasa.mshDasa.setRows(3);
    w->Frm_Dasa.mshDasa.clear();
    w->Frm_Dasa.mshDasa.setText(1, 0, "Jupiter");
    w->Frm_Dasa.mshDasa.setText(1, 3, "12");
    w->Frm_Dasa.mshDasa.setText(2, 0, "Sun");
    w->Frm_Dasa.mshDasa.setText(2, 1, "15/Aug/1975 and more");
    w->Frm_Dasa.mshDasa.setText(2, 3, "1234567890");
    w->Frm_Dasa.Lab_DasaBalanceV.setCaption("");
    std::vector<std::string> fields(10, "Asc   ");
    std::string page;
    PageCounters counters = appendVargasDasaPage(page, w->Frm_Vargas, w->Frm_Dasa, fields);
    const std::string expected =
        "     Vargas\n"
        "     ----------------------------------------------------------------------\n"
        "     Chart Type          Asc  Asc  Asc  Asc  Asc  Asc  Asc  Asc  Asc  Asc\n"
        "     ----------------------------------------------------------------------\n"
        "\n\n"
        "     Vimshottari Dasa\n"
        "     ================\n"
        "     \n"
        "\n"
        "     --------------------------------------------\n"
        "     Das  Start         End           Start Age\n"
        "     --------------------------------------------\n"
        "     Jup                                     12\n"
        "     Sun  15/Aug/1975   15/Dec/1975   123456789\n"
        "\n";
    w->Frm_Dasa.mshDasa.setText(2, 2, "15/Dec/1975");
    page.clear();
    counters = appendVargasDasaPage(page, w->Frm_Vargas, w->Frm_Dasa, fields);
    EXPECT_TRUE(jd::testing::sameText(crLfToLf(page), expected));
    EXPECT_EQ(counters.line, 46);  // whatever the number of rows
}

// ---- bhukti and antara lists ----

// A period grid of `groups` groups of `periods` rows each, in the list's forms.
Grid periodGrid(int groups, int periods, bool antra) {
    Grid g("grid", 1, 4, 1, 0);
    const char* lords[9] = {"Sun", "Moon", "Mars", "Rahu", "Jupiter", "Saturn", "Mercury", "Kethu", "Venus"};
    for (int k = 0; k < groups; ++k) {
        std::string heading = std::string(lords[k % 9]) + " Dasa" +
                              (antra ? std::string(", ") + lords[(k / 9) % 9] + " Bhukthi" : std::string());
        int r = g.rows();
        g.setRows(r + 1);
        for (int c = 0; c < 4; ++c) g.setText(r, c, heading);
        for (int p = 0; p < periods; ++p) {
            r = g.rows();
            g.setRows(r + 1);
            g.setText(r, 0, lords[(k + p) % 9]);
            auto day = [&](int d) { return (d < 10 ? "0" : "") + std::to_string(d) + "/Jan/" + std::to_string(2000 + k); };
            g.setText(r, 1, day(p + 1));
            g.setText(r, 2, day(p + 2));
            g.setText(r, 3, std::to_string(k));
        }
    }
    return g;
}

// Line numbers (0-based) of the lines that hold `text`.
std::vector<size_t> linesWith(const std::vector<std::string>& lines, const std::string& text) {
    std::vector<size_t> found;
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find(text) != std::string::npos) found.push_back(i);
    return found;
}

TEST(PeriodLists, BhuktiListBreaksBeforeTheThirdGroup) {
    Grid bhukti = periodGrid(9, 9, false);
    PageCounters counters{46, 6};
    std::string out;
    appendBhuktiList(out, bhukti, counters);
    EXPECT_TRUE(matchesGolden(out, "bhukti_nine_by_nine.txt"));
    auto lines = linesOf(out);
    auto headers = linesWith(lines, "Horoscope  Page");
    ASSERT_EQ(headers.size(), 1u);
    EXPECT_EQ(lines[headers[0]], pageHeader(6));
    // The separator and an empty line before the header; three empty lines and
    // one more before the third group's title.
    EXPECT_EQ(lines[headers[0] - 2], "\f");
    EXPECT_EQ(lines[headers[0] + 5], "     Mars Dasa - Bhukti              ");
    EXPECT_EQ(counters.page, 7);
    EXPECT_EQ(counters.line, 62);
}

TEST(PeriodLists, AntraListBreaksAfterSevenGroupsOfNine) {
    Grid antra = periodGrid(16, 9, true);
    PageCounters counters{50, 6};
    std::string out;
    appendAntraList(out, antra, counters);
    auto lines = linesOf(out);
    auto headers = linesWith(lines, "Horoscope  Page");
    ASSERT_EQ(headers.size(), 3u);
    EXPECT_EQ(lines[headers[0]], pageHeader(6));
    EXPECT_EQ(lines[headers[1]], pageHeader(7));
    EXPECT_EQ(lines[headers[2]], pageHeader(8));
    auto titles = linesWith(lines, " - Antra");
    ASSERT_EQ(titles.size(), 16u);
    // Groups 8 and 15 open the new pages: seven groups on every page.
    EXPECT_EQ(titles[7], headers[1] + 5);
    EXPECT_EQ(titles[14], headers[2] + 5);
    EXPECT_LT(titles[6], headers[1]);
    EXPECT_LT(titles[13], headers[2]);
    EXPECT_EQ(counters.page, 9);
    // The list ends with three line ends after the last period line.
    EXPECT_EQ(out.substr(out.size() - 6), "\r\n\r\n\r\n");
}

TEST(PeriodLists, OddGroupsAndTheLastRowInTheLeftPosition) {
    Grid bhukti = periodGrid(2, 3, false);
    PageCounters counters{46, 6};
    std::string out;
    appendBhuktiList(out, bhukti, counters);
    const std::string expected =
        "     Bhukti\n"
        "     ======\n"
        "     Sun Dasa - Bhukti              \n"
        "     -----------------\n"
        "     Sun  01/Jan/2000  => 02/Jan/2000     Moo  02/Jan/2000  => 03/Jan/2000 \n"
        "     Mar  03/Jan/2000  => 04/Jan/2000 \n"
        "\n"
        "     Moon Dasa - Bhukti              \n"
        "     ------------------\n"
        "     Moo  01/Jan/2001  => 02/Jan/2001     Mar  02/Jan/2001  => 03/Jan/2001 \n"
        "     Rah  03/Jan/2001  => 04/Jan/2001 \n"
        "\f\n"
        "\n";
    EXPECT_TRUE(jd::testing::sameText(crLfToLf(out), expected));
    // A heading counts 3 lines, a pair 1, a single before a heading 2, the last single 1.
    EXPECT_EQ(counters.line, 46 + 3 + 1 + 2 + 3 + 1 + 1);
}

TEST(PeriodLists, EvenGroupsEndWithAFullLine) {
    Grid bhukti = periodGrid(2, 2, false);
    bhukti.setText(1, 0, "  Sun Dasa ");  // blanks at the heading's ends: shown, not counted
    bhukti.setText(2, 0, "Ra");
    bhukti.setText(3, 0, "Ke");
    PageCounters counters{46, 6};
    std::string out;
    appendBhuktiList(out, bhukti, counters);
    const std::string expected =
        "     Bhukti\n"
        "     ======\n"
        "       Sun Dasa  - Bhukti              \n"
        "     -----------------\n"
        "     Ra   01/Jan/2000  => 02/Jan/2000      Ke  02/Jan/2000  => 03/Jan/2000 \n"
        "\n"
        "     Moon Dasa - Bhukti              \n"
        "     ------------------\n"
        "     Moo  01/Jan/2001  => 02/Jan/2001     Mar  02/Jan/2001  => 03/Jan/2001 \n"
        "\n"
        "\f\n"
        "\n";
    EXPECT_TRUE(jd::testing::sameText(crLfToLf(out), expected));
}

TEST(PeriodLists, EmptyGrids) {
    Grid empty("grid", 1, 4, 1, 0);
    PageCounters counters{46, 6};
    std::string bhukti, antra;
    appendBhuktiList(bhukti, empty, counters);
    EXPECT_EQ(bhukti, "     Bhukti\r\n     ======\r\n\f\r\n\r\n");
    appendAntraList(antra, empty, counters);
    EXPECT_EQ(antra, pageHeader(6) + "\r\n\r\n\r\n\r\n     Antra\r\n     =====\r\n\r\n\r\n\r\n");
    EXPECT_EQ(counters.page, 7);
    EXPECT_EQ(counters.line, 1);
}

}  // namespace
}  // namespace jd
