#include "horoscope/name_tables.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "state/shared_records.h"

namespace jd {
namespace {

class NameTablesTest : public ::testing::Test {
protected:
    void SetUp() override { resetState(); }
    void TearDown() override { resetState(); }
    void load(const std::string& language) {
        state().prefs.gLanguage = language;
        FnLoadNameTables();
    }
};

TEST_F(NameTablesTest, EnglishAndSanskritTables) {
    struct Case {
        const char* language;
        std::array<const char*, 14> chartAbbr;
        std::array<const char*, 10> bodyName;
        std::array<const char*, 3> signsNameFirstFifthLast;
        std::array<const char*, 3> abbrFirstFifthLast;
    };
    const Case cases[] = {
        {"English",
         {"Asc", "Sun", "Moo", "Mar", "Mer", "Jup", "Ven", "Sat", "Rah", "Ket", "Gul", "Gulika", "Maandi", "Maa"},
         {"Asc", "Sun", "Moon", "Mars", "Mercury", "Venus", "Jupiter", "Saturn", "Rahu", "Ketu"},
         {"Aries", "Leo", "Pisces"},
         {"Ari", "Leo", "Pis"}},
        {"Sanskrit",
         {"Lag", "Rav", "Cha", "Kuj", "Bud", "Gur", "Suk", "San", "Rah", "Ket", "Gul", "Gulika", "Maandi", "Maa"},
         {"Lagna", "Surya", "Chandra", "Kuja", "Budha", "Sukra", "Guru", "Sani", "Rahu", "Ketu"},
         {"Mesha", "Simha", "Meena"},
         {"Mes", "Sim", "Mee"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        load(c.language);
        const NameTables& n = state().names;
        for (size_t i = 0; i < 14; ++i) EXPECT_EQ(n.gChartAbbr[i], c.chartAbbr[i]) << i;
        for (size_t i = 0; i < 10; ++i) EXPECT_EQ(n.gBodyName[i], c.bodyName[i]) << i;
        EXPECT_EQ(FnSignName(1), c.signsNameFirstFifthLast[0]);
        EXPECT_EQ(FnSignName(5), c.signsNameFirstFifthLast[1]);
        EXPECT_EQ(FnSignName(12), c.signsNameFirstFifthLast[2]);
        EXPECT_EQ(n.gSignAbbr[1], c.abbrFirstFifthLast[0]);
        EXPECT_EQ(n.gSignAbbr[5], c.abbrFirstFifthLast[1]);
        EXPECT_EQ(n.gSignAbbr[12], c.abbrFirstFifthLast[2]);
    }
}

TEST_F(NameTablesTest, SpellingsAsTheProgramShowsThem) {
    load("English");
    EXPECT_EQ(FnSignName(9), "Sagitarius");
    EXPECT_EQ(FnSignName(10), "Capricon");
    load("Sanskrit");
    EXPECT_EQ(FnSignName(2), "Rishaba");
    EXPECT_EQ(FnSignName(8), "Vrischika");
}

TEST_F(NameTablesTest, AnOtherLanguageTextChangesNothing) {
    load("english");  // case counts
    EXPECT_EQ(state().names.gChartAbbr[0], "");
    EXPECT_EQ(FnSignName(1), "");
    load("Sanskrit");
    load("");
    EXPECT_EQ(state().names.gChartAbbr[0], "Lag");
    EXPECT_EQ(FnSignName(12), "Meena");
}

TEST_F(NameTablesTest, SignNameLookups) {
    load("English");
    EXPECT_EQ(FnSignName(0), "");
    EXPECT_EQ(FnSignName(13), "");
    EXPECT_EQ(FnShortSignName("Capricon"), "Cap");
    EXPECT_EQ(FnShortSignName("Sagitarius"), "Sag");
    EXPECT_EQ(FnShortSignName("Makara"), "");  // the other language
    EXPECT_EQ(FnShortSignName("capricon"), "");
    load("Sanskrit");
    EXPECT_EQ(FnShortSignName("Makara"), "Mak");
    EXPECT_EQ(FnShortSignName("Capricon"), "");
}

}  // namespace
}  // namespace jd
