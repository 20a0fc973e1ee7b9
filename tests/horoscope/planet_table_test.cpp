#include "horoscope/planet_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sample_birth.h"

namespace jd {
namespace {

using testing_support::ChartTest;

std::vector<std::string> rowsOf(const Grid& g) {
    std::vector<std::string> rows;
    for (int r = 1; r < g.rows(); ++r) {
        std::string line;
        for (int c = 0; c < g.cols(); ++c) line += (c ? "|" : "") + g.text(r, c);
        rows.push_back(line);
    }
    return rows;
}

class PlanetTableTest : public ChartTest {};

TEST_F(PlanetTableTest, SampleChartInEnglish) {
    FnFillPlanetTable();
    const Grid& g = resultWindows().Frm_PP.mshNirayana;
    EXPECT_EQ(g.text(0, 0), "Planet");
    EXPECT_EQ(g.text(0, 9), "Avasthas** ");
    const std::vector<std::string> expected = {
        "Asc|25.14.50|Libra|Venus|Vishaka|2|Jupiter|Mercury|--|----",
        "Sun|28.19.03|Gemini|Mercury|Punarvasu|3|Jupiter|Venus|Atma|Gamana",
        "Moo|5.27.22|Capricon|Saturn|Uttarashada|3|Sun|Mercury|Dara|Upavesana",
        "Mar|14.39.18|Virgo|Mercury|Hasta|2|Moon|Jupiter|Gnati|Gamana",
        "Mer|24.37.45|Cancer|Moon|Ashlesha|3|Mercury|Rahu|Bhratri|Upavesana",
        "Jup|25.29.55|Taurus|Venus|Mrigshira|1|Mars|Rahu|Amatya|Nrityalipsa",
        "Ven|22.59.36|Cancer|Moon|Ashlesha|2|Mercury|Moon|Puttra|Agama",
        "Sat|23.36.50 (R)|Aquarius|Saturn|P.Bhadrapad|2|Jupiter|Saturn|Matri|Nrityalipsa",
        "Rah|18.18.51|Taurus|Venus|Rohini|3|Moon|Mercury|--|Upavesana",
        "Ket|18.18.51|Scorpio|Mars|Jyestha|1|Mercury|Mercury|--|Upavesana",
    };
    EXPECT_EQ(rowsOf(g), expected);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(PlanetTableTest, SampleChartInSanskrit) {
    state().prefs.gLanguage = "Sanskrit";
    FnFillPlanetTable();
    const std::vector<std::string> expected = {
        "Lag|25.14.50|Tula|Sukra|Vishaka|2|Guru|Budha|--|----",
        "Rav|28.19.03|Mithuna|Budha|Punarvasu|3|Guru|Sukra|Atma|Gamana",
        "Cha|5.27.22|Makara|Sani|Uttarashada|3|Surya|Budha|Dara|Upavesana",
        "Kuj|14.39.18|Kanya|Budha|Hasta|2|Chandra|Guru|Gnati|Gamana",
        "Bud|24.37.45|Kataka|Chandra|Ashlesha|3|Budha|Rahu|Bhratri|Upavesana",
        "Gur|25.29.55|Rishaba|Sukra|Mrigshira|1|Kuja|Rahu|Amatya|Nrityalipsa",
        "Suk|22.59.36|Kataka|Chandra|Ashlesha|2|Budha|Chandra|Puttra|Agama",
        "San|23.36.50 (R)|Kumbha|Sani|P.Bhadrapad|2|Guru|Sani|Matri|Nrityalipsa",
        "Rah|18.18.51|Rishaba|Sukra|Rohini|3|Chandra|Budha|--|Upavesana",
        "Ket|18.18.51|Vrischika|Kuja|Jyestha|1|Budha|Budha|--|Upavesana",
    };
    EXPECT_EQ(rowsOf(resultWindows().Frm_PP.mshNirayana), expected);
}

TEST_F(PlanetTableTest, NoAvasthasWithoutTheSunriseOfTheBirthDay) {
    testing_support::setBirth(testing_support::tromsoNoon("Dec"));
    FnFillPlanetTable();
    const Grid& g = resultWindows().Frm_PP.mshNirayana;
    EXPECT_EQ(g.text(1, 9), "----");
    for (int r = 2; r <= 10; ++r) {
        EXPECT_EQ(g.text(r, 9), "") << r;
        EXPECT_NE(g.text(r, 4), "") << r;  // the rest of the row is there
    }
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(PlanetTableTest, TheSameMomentOnEitherSideOfTheDateLineHasTheSameAvasthas) {
    // 18 degrees 8 minutes S. Each pair is one moment: once in a zone whose
    // meridian lies across the date line from the place, once in the zone on
    // the place's own side, its clock a day apart. The count of ghatikas runs
    // from the sunrise that begins the clock time's day.
    struct Entry {
        std::string lonDeg, lonEW, zoneHours, zoneEW, day;
    };
    const struct {
        Entry across, nearSide;
        double ghatikas;
    } pairs[] = {
        {{"179", "E", "12", "W", "15"}, {"179", "E", "12", "E", "16"}, 14},
        {{"172", "W", "13", "E", "15"}, {"172", "W", "11", "W", "14"}, 13},
    };
    auto avasthas = [&](const Entry& e) {
        testing_support::Birth b;
        b.day = e.day;
        b.month = "Jun";
        b.year = "2000";
        b.hour = "12";
        b.minute = "0";
        b.latDeg = "18";
        b.latMin = "8";
        b.latNS = "S";
        b.lonDeg = e.lonDeg;
        b.lonMin = "0";
        b.lonEW = e.lonEW;
        b.zoneHours = e.zoneHours;
        b.zoneEW = e.zoneEW;
        testing_support::setBirth(b);
        FnFillPlanetTable();
        std::vector<std::string> column;
        for (int r = 2; r <= 10; ++r) column.push_back(resultWindows().Frm_PP.mshNirayana.text(r, 9));
        return column;
    };
    for (const auto& p : pairs) {
        SCOPED_TRACE(p.across.lonDeg + p.across.lonEW);
        const std::vector<std::string> across = avasthas(p.across);
        EXPECT_EQ(state().gIshtaGhatika, p.ghatikas);
        const std::vector<std::string> nearSide = avasthas(p.nearSide);
        EXPECT_EQ(state().gIshtaGhatika, p.ghatikas);
        EXPECT_EQ(across, nearSide);
        for (const std::string& a : across) EXPECT_NE(a, "");
    }
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(PlanetTableTest, AFailureEndsTheFillWithThePlainBox) {
    FnFillPlanetTable();
    boxes.clear();
    state().birth.gZoneHours = "five";
    FnFillPlanetTable();
    ASSERT_FALSE(boxes.shown().empty());
    EXPECT_EQ(boxes.shown().back().text, "Type mismatch13");
    EXPECT_EQ(boxes.shown().back().icon, MsgIcon::None);
    EXPECT_FALSE(boxes.shown().back().title.has_value());
}

}  // namespace
}  // namespace jd

namespace jd {
namespace {

// The karaka step on its own: table rows 2..8 hold the planets' degree texts.
struct KarakaCase {
    const char* what;
    std::vector<std::string> degrees;  // Sun .. Saturn
    std::vector<std::string> karakas;  // Sun .. Saturn
};

class KarakaTest : public ::testing::TestWithParam<KarakaCase> {};

TEST_P(KarakaTest, RanksByDegreesWithinTheSign) {
    const KarakaCase& c = GetParam();
    Grid table("mshNirayana", 11, 10, 1, 0);
    Grid work("MSFlexGridSort", 8, 1, 1, 0);
    for (int i = 0; i < 7; ++i) table.setText(i + 2, 1, c.degrees[static_cast<size_t>(i)]);
    FnRankCharaKarakas(table, work);
    std::vector<std::string> got;
    for (int r = 2; r <= 8; ++r) got.push_back(table.text(r, 8));
    EXPECT_EQ(got, c.karakas);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KarakaTest,
    ::testing::Values(
        KarakaCase{"distinct degrees",
                   {"28.19.03", "5.27.22", "14.39.18", "24.37.45", "25.29.55", "22.59.36", "23.36.50"},
                   {"Atma", "Dara", "Gnati", "Bhratri", "Amatya", "Puttra", "Matri"}},
        // Ranked 3rd and 4th with the same text: both take the lower rank and
        // no planet is Bhratri.
        KarakaCase{"tie at ranks 3 and 4",
                   {"28.00.00", "10.00.00", "20.15.30", "20.15.30", "25.00.00", "5.00.00", "1.00.00"},
                   {"Atma", "Puttra", "Matri", "Matri", "Amatya", "Gnati", "Dara"}},
        // Equal to the minute: the seconds decide.
        KarakaCase{"seconds decide",
                   {"12.30.05", "12.30.45", "12.30.10", "3.00.00", "29.59.59", "0.00.01", "12.31.00"},
                   {"Puttra", "Bhratri", "Matri", "Gnati", "Atma", "Dara", "Amatya"}},
        // A body at 0 degrees of its sign ranks last.
        KarakaCase{"zero degrees last",
                   {"0.00.00", "1.02.03", "2.00.00", "3.00.00", "4.00.00", "5.00.00", "6.00.00"},
                   {"Dara", "Gnati", "Puttra", "Matri", "Bhratri", "Amatya", "Atma"}}),
    [](const ::testing::TestParamInfo<KarakaCase>& info) {
        std::string name = info.param.what;
        for (char& ch : name)
            if (ch == ' ') ch = '_';
        return name;
    });

}  // namespace
}  // namespace jd
