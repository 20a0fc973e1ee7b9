// Table ChartSave: rows in their stored forms, the name check, the list
// filters and their order.
#include "ui/chart/chart_store.h"

#include <gtest/gtest.h>

#include "platform/database.h"
#include "platform/run_time_error.h"
#include "saved_chart_fixture.h"

namespace jd {
namespace {

using testing_support::SavedChartTest;
using testing_support::storedChart;

using ChartStoreTest = SavedChartTest;

TEST_F(ChartStoreTest, RowsRoundTripAndNumbersStayNumbers) {
    SavedChart c = storedChart("O'Brien, Seán~5-Jul-1965");
    c.City = "Côte d'Ivoire's \"city\"";
    c.Sno = insertChart(db(), c);
    ASSERT_GT(c.Sno, 0);
    EXPECT_EQ(readChart(db(), c.Sno), c);

    // Numbers are stored as numbers, the country number as text.
    Statement types = db().query(
        "SELECT typeof(ChartDay), typeof(ChartHour), typeof(LatitudeDegree), typeof(TimeDifference), "
        "typeof(Country) FROM ChartSave WHERE Sno = ?",
        c.Sno);
    ASSERT_TRUE(types.step());
    for (int col = 0; col < 4; ++col) EXPECT_EQ(types.asText(col), "integer") << col;
    EXPECT_EQ(types.asText(4), "text");

    c.ChartName = "Sample~05-Jul-1965";
    c.Gender = "";
    c.ChartHour = 0;
    EXPECT_TRUE(updateChart(db(), c));
    EXPECT_EQ(readChart(db(), c.Sno), c);

    EXPECT_TRUE(deleteChart(db(), c.Sno));
    EXPECT_EQ(readChart(db(), c.Sno), std::nullopt);
}

TEST_F(ChartStoreTest, NameCheckComparesTheNamePartExactly) {
    insertChart(db(), storedChart("Sample~5-Jul-1965"));
    insertChart(db(), storedChart("a~b~1-Jan-2000"));
    insertChart(db(), storedChart("NoDate"));
    const struct {
        const char* name;
        bool used;
    } cases[] = {
        {"Sample", true},   {"sample", false},  // letter case counts
        {"Sample~5-Jul-1965", false},          // the date is no part of the name
        {"Sampl", false},   {"a", true},        // the name part ends at the first "~"
        {"a~b", false},     {"NoDate", true},   {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(chartNameUsed(db(), c.name), c.used) << c.name;
}

TEST_F(ChartStoreTest, ListFiltersBySexInNameOrderWithoutRegardToCase) {
    const int zoe = insertChart(db(), storedChart("zoe~1-Jan-2000", "Female"));
    const int adam = insertChart(db(), storedChart("Adam~1-Jan-2000", "Male"));
    const int bea = insertChart(db(), storedChart("bea~1-Jan-2000", "Female"));
    const int blank = insertChart(db(), storedChart("Blank~1-Jan-2000", ""));
    db().execute("INSERT INTO GChartSave (Sno, ChartName) VALUES (7, 'Couple~1-Jan-2000')");

    using V = std::vector<SavedChartEntry>;
    EXPECT_EQ(listCharts(db(), "All"), (V{{adam, "Adam~1-Jan-2000"},
                                          {bea, "bea~1-Jan-2000"},
                                          {blank, "Blank~1-Jan-2000"},
                                          {zoe, "zoe~1-Jan-2000"}}));
    EXPECT_EQ(listCharts(db(), "Female"), (V{{bea, "bea~1-Jan-2000"}, {zoe, "zoe~1-Jan-2000"}}));
    EXPECT_EQ(listCharts(db(), "Male"), (V{{adam, "Adam~1-Jan-2000"}}));
    EXPECT_EQ(listCharts(db(), "G"), (V{{7, "Couple~1-Jan-2000"}}));

    try {
        listCharts(db(), "all");
        FAIL() << "an unknown filter opens nothing";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), kObjectClosedError);
    }
}

}  // namespace
}  // namespace jd
