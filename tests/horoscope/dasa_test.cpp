#include "horoscope/dasa.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/cls_star.h"
#include "horoscope/name_tables.h"
#include "platform/database.h"
#include "platform/text.h"
#include "sample_birth.h"

namespace jd {
namespace {

namespace fs = std::filesystem;
using testing_support::ChartTest;

const DateTime kSampleBirth = DateTime::of(1965, 7, 14, 14, 15, 0);

int starOf(double longitude) {
    clsStar s;
    s.PlanetPosition = longitude;
    s.findstar();
    return s.StarNo;
}

VimshottariScheme schemeFor(double moon, DateTime birth = kSampleBirth, double daysPerYear = 365.25) {
    return computeVimshottariScheme(moon, starOf(moon), birth, daysPerYear);
}

long long daysBetween(const DateTime& a, const DateTime& b) { return b.dayNumber() - a.dayNumber(); }

std::string rowText(const Grid& g, int r) {
    if (g.text(r, 0).ends_with("Dasa") || g.text(r, 0).ends_with("Bhukthi")) return g.text(r, 0);
    return g.text(r, 0) + "|" + g.text(r, 1) + "|" + g.text(r, 2) + "|" + g.text(r, 3);
}

class DasaTest : public ChartTest {
protected:
    void SetUp() override {
        ChartTest::SetUp();
        FnLoadNameTables();
        state().gBirthDateTime = kSampleBirth;
        fs::remove(dbPath);
        auto db = std::make_shared<Database>(dbPath.string(), Database::Mode::CreateIfMissing);
        std::ifstream in(std::string(JD_SOURCE_DIR) + "/data/schema.sql");
        db->executeScript(std::string(std::istreambuf_iterator<char>(in), {}));
        state().gDbConnection = db;
    }
    void TearDown() override {
        ChartTest::TearDown();
        fs::remove(dbPath);
    }
    std::vector<std::string> records() {
        std::vector<std::string> out;
        Statement q = state().gDbConnection->query("select * from tempBhukthi order by rowid");
        while (q.step()) {
            std::string r = q.asText("UserID");
            for (const char* c : {"DasaName", "BhukthiName", "BhukthiStart", "BhukhiEnd", "BhukthiAge"})
                r += "|" + q.asText(c);
            out.push_back(r);
        }
        return out;
    }
    DasaContents& window() { return resultWindows().Frm_Dasa; }

    fs::path dbPath = fs::temp_directory_path() / ("jd_dasa_" + std::to_string(::getpid()) + ".db");
};

TEST_F(DasaTest, LordsAndBalanceFollowTheMoonsStar) {
    EXPECT_EQ(FnDasaYears("  Rahu "), 18);
    EXPECT_EQ(FnDasaYears("rahu"), 0);
    EXPECT_EQ(FnNextDasaLord(" Venus"), "Sun");
    EXPECT_EQ(FnNextDasaLord(""), "");

    const struct { double moon; int star; std::vector<std::string> lords; double balance; } cases[] = {
        {0.0, 1, {"Kethu", "Venus", "Sun", "Moon", "Mars", "Rahu", "Jupiter", "Saturn", "Mercury"}, 7.0},
        {275.456183, 21, {"Sun", "Moon"}, 6 * 273 / 800.0},
        {278.0, 22, {"Sun", "Moon", "Mars"}, 6 * 120 / 800.0},  // Abijit counts to 280 degrees
        {280.5, 23, {"Moon", "Mars"}, 10 * 770 / 800.0},  // Shravana, the 22nd of 27
        {355.0, 28, {"Mercury", "Kethu", "Venus"}, 17 * 300 / 800.0},  // Revati counts to 360
    };
    for (const auto& c : cases) {
        const VimshottariScheme v = schemeFor(c.moon);
        EXPECT_EQ(v.star, c.star);
        for (size_t i = 0; i < c.lords.size(); ++i) EXPECT_EQ(v.dasaLords[i], c.lords[i]) << c.moon << " " << i;
        EXPECT_DOUBLE_EQ(v.balanceYears, c.balance) << c.moon;
    }
}

TEST_F(DasaTest, BalanceTextTruncatesEachPart) {
    VimshottariScheme v;
    v.dasaLords[0] = "Kethu";
    for (const auto& [years, text] : std::vector<std::pair<double, std::string>>{
             {2.999, "Dasa Balance at Birth :KethuDasa  2-11- 29"},
             {4.62, "Dasa Balance at Birth :KethuDasa  4-7- 13"},
             {0.0, "Dasa Balance at Birth :KethuDasa  0-0- 0"}}) {
        v.balanceYears = years;
        EXPECT_EQ(dasaBalanceText(v), text);
    }
}

TEST_F(DasaTest, DayCountsRoundHalfToEvenAndMonthsClampToTheMonthsEnd) {
    // From the start of Ashwini: Kethu, Venus, Sun (dasa 3), Moon (dasa 4).
    const struct { double daysPerYear; long long sun, moon, rahuRahuRahu; } cases[] = {
        {365.25, 2192, 3652, 148},  // 2191.5 up to even, 3652.5 down to even; 147.93
        {360, 2160, 3600, 146},     // 145.8
    };
    for (const auto& c : cases) {
        const VimshottariScheme v = schemeFor(0.0, kSampleBirth, c.daysPerYear);
        EXPECT_EQ(daysBetween(v.dasaEnds[1], v.dasaEnds[2]), c.sun);
        EXPECT_EQ(daysBetween(v.dasaEnds[2], v.dasaEnds[3]), c.moon);
        EXPECT_EQ(v.dasaEnds[2].hour(), 14);  // every moment keeps the birth's time of day
        // Rahu dasa (the 6th), Rahu bhukthi, Rahu antara: 18 x 18 x 18 x days / 14400.
        const AntaraGroup& rahu = v.antaraGroups[v.antaraGroups.size() - 81 + 45];
        ASSERT_EQ(rahu.k, 46);
        EXPECT_EQ(daysBetween(rahu.antaras[0].start, rahu.antaras[0].end), c.rahuRahuRahu);
    }

    // The first dasa ends 2557 days after birth, on 29 Feb 2000; its whole
    // start lies 7 calendar years earlier, on the last day of February 1993.
    const VimshottariScheme v = schemeFor(0.0, DateTime::of(1993, 2, 28, 6, 0, 0));
    EXPECT_EQ(v.dasaEnds[0], DateTime::of(2000, 2, 29, 6, 0, 0));
    EXPECT_EQ(v.firstDasaStart, DateTime::of(1993, 2, 28, 6, 0, 0));
    // Kethu-Kethu: 0.4083 years = 27 days and 4 months.
    EXPECT_EQ(v.bhukthiEnds[0], DateTime::of(1993, 7, 27, 6, 0, 0));
}

TEST_F(DasaTest, With360DayYearsEveryBhukthiLastsItsYearsTimes360Days) {
    // Sample chart: the first dasa's bhukthis from 6 x 360 days before its
    // end; bt x 360 = 3 x dasa years x bhukthi years, and the ninth bhukthi
    // of every dasa ends with it (the Moon dasa's Sun bhukthi 180 days, the
    // Venus dasa's Kethu bhukthi 420).
    const VimshottariScheme v = schemeFor(275.456183, kSampleBirth, 360);
    for (int k = 1; k <= 81; ++k) {
        const size_t d = static_cast<size_t>((k - 1) / 9);
        const size_t i = static_cast<size_t>(k - 1);
        EXPECT_EQ(daysBetween(v.bhukthiStart(k), v.bhukthiEnds[i]),
                  3 * FnDasaYears(v.dasaLords[d]) * FnDasaYears(v.bhukthiLords[i]))
            << k;
        if (k % 9 == 0) {
            EXPECT_EQ(v.bhukthiEnds[i], v.dasaEnds[d]) << k;
        }
    }
}

TEST_F(DasaTest, SampleChartFillsTheDasaWindow) {
    FnComputeVimshottariDasa();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_NEAR(state().positions.gMoonLongitude, 275.456183, 1e-6);
    EXPECT_EQ(window().Lab_DasaBalanceV.caption(), "Dasa Balance at Birth :SunDasa  2-0- 17");

    const std::vector<std::string> dasas = {
        "Sun|14/Jul/1965|01/Aug/1967|0",      "Moon|01/Aug/1967|31/Jul/1977|2",
        "Mars|31/Jul/1977|31/Jul/1984|12",    "Rahu|31/Jul/1984|31/Jul/2002|19",
        "Jupiter|31/Jul/2002|31/Jul/2018|37", "Saturn|31/Jul/2018|31/Jul/2037|53",
        "Mercury|31/Jul/2037|31/Jul/2054|72", "Ketu|31/Jul/2054|31/Jul/2061|89",
        "Venus|31/Jul/2061|31/Jul/2081|96"};
    const Grid& dg = window().mshDasa;
    ASSERT_EQ(dg.rows(), 10);
    for (int r = 1; r <= 9; ++r) EXPECT_EQ(rowText(dg, r), dasas[static_cast<size_t>(r - 1)]);

    const std::vector<std::string> bhukthis = {
        "Sun Dasa", "Mercury|14/Jul/1965|24/Mar/1966|0", "Ketu|24/Mar/1966|30/Jul/1966|1",
        "Venus|30/Jul/1966|30/Jul/1967|1", "Moon Dasa", "Moon|30/Jul/1967|31/May/1968|2",
        "Mars|31/May/1968|31/Dec/1968|3", "Rahu|31/Dec/1968|30/Jun/1970|3", "Jupiter|30/Jun/1970|30/Oct/1971|5",
        "Saturn|30/Oct/1971|29/May/1973|6", "Mercury|29/May/1973|29/Oct/1974|8", "Ketu|29/Oct/1974|29/May/1975|9",
        "Venus|29/May/1975|29/Jan/1977|10", "Sun|29/Jan/1977|31/Jul/1977|12", "Mars Dasa",
        "Mars|31/Jul/1977|27/Dec/1977|12", "Rahu|27/Dec/1977|14/Jan/1979|12", "Jupiter|14/Jan/1979|20/Dec/1979|14",
        "Saturn|20/Dec/1979|29/Jan/1981|14", "Mercury|29/Jan/1981|25/Jan/1982|16", "Ketu|25/Jan/1982|21/Jun/1982|17",
        "Venus|21/Jun/1982|21/Aug/1983|17", "Sun|21/Aug/1983|27/Dec/1983|18", "Moon|27/Dec/1983|31/Jul/1984|18",
        "Rahu Dasa", "Rahu|31/Jul/1984|12/Apr/1987|19", "Jupiter|12/Apr/1987|06/Sep/1989|22",
        "Saturn|06/Sep/1989|12/Jul/1992|24", "Mercury|12/Jul/1992|30/Jan/1995|27", "Ketu|30/Jan/1995|17/Feb/1996|30",
        "Venus|17/Feb/1996|17/Feb/1999|31", "Sun|17/Feb/1999|13/Jan/2000|34", "Moon|13/Jan/2000|13/Jul/2001|35",
        "Mars|13/Jul/2001|31/Jul/2002|36", "Jupiter Dasa", "Jupiter|31/Jul/2002|18/Sep/2004|37",
        "Saturn|18/Sep/2004|30/Mar/2007|39", "Mercury|30/Mar/2007|05/Jul/2009|42", "Ketu|05/Jul/2009|11/Jun/2010|44",
        "Venus|11/Jun/2010|11/Feb/2013|45", "Sun|11/Feb/2013|01/Dec/2013|48", "Moon|01/Dec/2013|31/Mar/2015|48",
        "Mars|31/Mar/2015|06/Mar/2016|50", "Rahu|06/Mar/2016|31/Jul/2018|51", "Saturn Dasa",
        "Saturn|31/Jul/2018|03/Aug/2021|53", "Mercury|03/Aug/2021|12/Apr/2024|56", "Ketu|12/Apr/2024|21/May/2025|59",
        "Venus|21/May/2025|20/Jul/2028|60", "Sun|20/Jul/2028|01/Jul/2029|63", "Moon|01/Jul/2029|31/Jan/2031|64",
        "Mars|31/Jan/2031|09/Mar/2032|66", "Rahu|09/Mar/2032|15/Jan/2035|67", "Jupiter|15/Jan/2035|31/Jul/2037|70",
        "Mercury Dasa", "Mercury|31/Jul/2037|27/Dec/2039|72", "Ketu|27/Dec/2039|23/Dec/2040|74",
        "Venus|23/Dec/2040|23/Oct/2043|75", "Sun|23/Oct/2043|29/Aug/2044|78", "Moon|29/Aug/2044|29/Jan/2046|79",
        "Mars|29/Jan/2046|25/Jan/2047|81", "Rahu|25/Jan/2047|12/Aug/2049|82", "Jupiter|12/Aug/2049|18/Nov/2051|84",
        "Saturn|18/Nov/2051|31/Jul/2054|86", "Ketu Dasa", "Ketu|31/Jul/2054|27/Dec/2054|89",
        "Venus|27/Dec/2054|27/Feb/2056|89", "Sun|27/Feb/2056|04/Jul/2056|91", "Moon|04/Jul/2056|04/Feb/2057|91",
        "Mars|04/Feb/2057|03/Jul/2057|92", "Rahu|03/Jul/2057|21/Jul/2058|92", "Jupiter|21/Jul/2058|27/Jun/2059|93",
        "Saturn|27/Jun/2059|06/Aug/2060|94", "Mercury|06/Aug/2060|31/Jul/2061|95", "Venus Dasa",
        "Venus|31/Jul/2061|30/Nov/2064|96", "Sun|30/Nov/2064|30/Nov/2065|99", "Moon|30/Nov/2065|30/Jul/2067|100",
        "Mars|30/Jul/2067|30/Sep/2068|102", "Rahu|30/Sep/2068|30/Sep/2071|103", "Jupiter|30/Sep/2071|30/May/2074|106",
        "Saturn|30/May/2074|29/Jul/2077|109", "Mercury|29/Jul/2077|29/May/2080|112", "Ketu|29/May/2080|31/Jul/2081|115"};
    const Grid& bg = window().mshBukti;
    ASSERT_EQ(bg.rows(), 85);  // m = 75
    for (int r = 1; r < bg.rows(); ++r) {
        EXPECT_EQ(rowText(bg, r), bhukthis[static_cast<size_t>(r - 1)]) << "row " << r;
        const bool heading = bhukthis[static_cast<size_t>(r - 1)].ends_with("Dasa");
        EXPECT_EQ(bg.mergeRow(r), heading) << r;
        if (heading) {
            EXPECT_EQ(bg.text(r, 3), bg.text(r, 0));
            EXPECT_TRUE(bg.cellBold(r, 0));
            EXPECT_EQ(bg.cellAlignment(r, 0), Alignment::CenterCenter);
        }
    }
    EXPECT_EQ(bg.mergeCells(), 1);

    // Antaras of the first bhukthi after birth start at that bhukthi's own
    // start, before the birth, with age 0.
    const Grid& ag = window().mshAntra;
    EXPECT_EQ(ag.rows(), 10 * 75 + 1);
    EXPECT_EQ(rowText(ag, 1), "Sun Dasa, Mercury Bhukthi");
    EXPECT_EQ(rowText(ag, 2), "Mercury|18/May/1965|01/Jul/1965|0");
    EXPECT_EQ(rowText(ag, 10), "Saturn|04/Feb/1966|24/Mar/1966|1");
    EXPECT_EQ(rowText(ag, 741), "Venus Dasa, Ketu Bhukthi");
    EXPECT_EQ(ag.text(750, 2), "31/Jul/2081");

    // A normal cast writes no record, and the second connection is left open.
    EXPECT_TRUE(records().empty());
    EXPECT_NE(state().gBhukthiConnection, nullptr);
}

TEST_F(DasaTest, BhukthiGridLayoutFollowsTheBhukthisShown) {
    const struct { double moon; DateTime birth; int m; } cases[] = {
        {13.325, DateTime::of(1966, 1, 15, 14, 15, 0), 72},  // dasa 1's last bhukthi ended the day before
        {279.0, kSampleBirth, 73},                          // only the last of dasa 1 ends after birth
        {0.0, kSampleBirth, 81},                            // born as the first dasa begins
    };
    for (const auto& c : cases) {
        resultWindows().Frm_Dasa.reset();
        const VimshottariScheme v = schemeFor(c.moon, c.birth);
        ASSERT_EQ(static_cast<int>(v.listed.size()), c.m) << c.moon;
        fillDasaWindow(v, window());
        const Grid& g = window().mshBukti;
        ASSERT_EQ(g.rows(), c.m + 10);
        std::vector<int> headings;
        for (int r = 1; r < g.rows(); ++r)
            if (g.text(r, 0).ends_with(" Dasa")) headings.push_back(r);
        std::vector<int> want = {1};
        for (int d = 2; d <= 9; ++d) want.push_back(c.m - 90 + 10 * d);
        EXPECT_EQ(headings, want) << c.m;
        const int first = c.m == 72 ? 3 : 2;  // the first bhukthi row starts on the birth date
        EXPECT_EQ(g.text(first, 1), formatDate(c.birth, "DD/MMM/YYYY"));
        EXPECT_EQ(g.text(first, 3), "0");
    }
}

TEST_F(DasaTest, AntarasPartitionEveryBhukthiThatEndsAfterBirth) {
    // Also a bhukthi ending exactly at the birth moment: shown, but without
    // antaras. With calendar years the first dasa's last bhukthi ends at the
    // birth, 3 days before the dasa itself; with 360-day years a Moon at 9.34
    // degrees leaves 2.1 years of the Kethu dasa, its Saturn and Mercury
    // bhukthis (756 days), so its Jupiter bhukthi ends at the birth.
    const DateTime atEnd = DateTime::of(1967, 10, 6, 14, 15, 0);
    for (double daysPerYear : {365.25, 360.0}) {
        const double atEndMoon = daysPerYear == 360 ? 9.34 : 279.9916666666667;
        for (const auto& [moon, birth] : std::vector<std::pair<double, DateTime>>{
                 {0.0, kSampleBirth}, {275.456183, kSampleBirth}, {atEndMoon, atEnd},
                 {13.325, DateTime::of(1966, 1, 15, 14, 15, 0)}, {200.5, DateTime::of(2000, 2, 29, 23, 59, 0)}}) {
            const VimshottariScheme v = schemeFor(moon, birth, daysPerYear);
            size_t group = 0;
            for (int k = 1; k <= 81; ++k) {
                const DateTime& end = v.bhukthiEnds[static_cast<size_t>(k - 1)];
                if (end <= birth) continue;
                ASSERT_LT(group, v.antaraGroups.size());
                const AntaraGroup& g = v.antaraGroups[group++];
                EXPECT_EQ(g.k, k);
                DateTime at = v.bhukthiStart(k);
                std::string lord = g.bhukthiLord;
                for (const DasaPeriod& a : g.antaras) {
                    EXPECT_EQ(a.lord, lord);
                    EXPECT_EQ(a.start, at) << moon << " k " << k;
                    EXPECT_LT(a.start, a.end) << moon << " k " << k << " dpy " << daysPerYear;
                    at = a.end;
                    lord = FnNextDasaLord(lord);
                }
                EXPECT_EQ(at, end);
            }
            EXPECT_EQ(group, v.antaraGroups.size());
            if (birth == atEnd) {
                EXPECT_EQ(v.listed.front().end, birth);
                EXPECT_EQ(v.antaraGroups.size() + 1, v.listed.size());
            }
        }
    }
}

TEST_F(DasaTest, RecordsOnlyWhileTheFinishingStepWasCutShort) {
    state().gComputing = true;
    state().gCurrentChartUserId = [] { return 42; };
    FnComputeVimshottariDasa();
    EXPECT_TRUE(boxes.shown().empty());
    const std::vector<std::string> rows = records();
    ASSERT_EQ(rows.size(), 75u + 9u);
    EXPECT_EQ(rows[0], "42|||||");
    EXPECT_EQ(rows[1], "42|Sun  |Mercury|14/Jul/1965|24/Mar/1966|0");
    EXPECT_EQ(rows[4], "42|||||");
    EXPECT_EQ(rows[83], "42|Venus  |Ketu|29/May/2080|31/Jul/2081|115");

    // Values are bound, so a text with an apostrophe goes in as it is.
    Grid g{"mshBukti", 3, 4, 1, 0};
    g.setText(1, 0, "Ketu Dasa");
    g.setText(2, 0, "D'Ketu");
    writeBhukthiRecords(g, *state().gDbConnection, 7);
    EXPECT_EQ(records().back(), "7|Ketu  |D'Ketu|||");
}

TEST_F(DasaTest, ErrorsShowThePlainBoxAndKeepWhatWasWritten) {
    // An insert refused halfway: none of the run's records stays, and the
    // antaras are not reached.
    state().gDbConnection->executeScript(
        "CREATE TRIGGER full BEFORE INSERT ON tempBhukthi WHEN (SELECT count(*) FROM tempBhukthi) >= 5 "
        "BEGIN SELECT RAISE(ABORT, 'full'); END;");
    state().gComputing = true;
    FnComputeVimshottariDasa();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.last().icon, MsgIcon::None);
    EXPECT_EQ(boxes.last().title, std::nullopt);
    EXPECT_TRUE(boxes.last().text.ends_with("3019")) << boxes.last().text;
    EXPECT_TRUE(records().empty());
    EXPECT_EQ(window().mshBukti.rows(), 85);
    EXPECT_EQ(window().mshAntra.rows(), 2);  // as designed

    // No database at all: everything is shown, then the second connection fails.
    resultWindows().Frm_Dasa.reset();
    boxes.clear();
    state().gComputing = false;
    state().gDbConnection.reset();
    FnComputeVimshottariDasa();
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Object variable or With block variable not set91"});
    EXPECT_EQ(window().mshAntra.rows(), 751);
}

}  // namespace
}  // namespace jd
