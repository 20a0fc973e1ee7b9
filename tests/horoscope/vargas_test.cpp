#include "horoscope/vargas.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "horoscope/name_tables.h"
#include "platform/database.h"
#include "platform/fake_services.h"
#include "state/result_windows.h"
#include "state/shared_records.h"

namespace jd {
namespace {

const std::vector<std::string> kChartNames{
    "Rasi",       "Navamsa",         "Hora",         "Drekkana",     "Chaturthamsha",    "Panchamsha",
    "Shashtamsha", "Sapthamsha",     "Ashatamsha",   "Dashamsha",    "Ekadashamsha",     "Dwadashamsha",
    "Shodashamsha", "Vimshamsha",    "Chaturvimshamsha", "Saptavimshamsha", "Trimshamsha", "Khavedamsa",
    "Akshvedamsa", "Shastiamsa",     "Nava-Navamsa"};
const std::vector<int> kLookedUpRows{3, 4, 5, 10, 11, 12, 15, 17, 18, 19, 20};
const std::vector<int> kComputedRows{1, 2, 6, 7, 8, 9, 13, 14, 16, 21};

// An in-memory database whose chartsmaster holds the given script's rows.
std::shared_ptr<Database> chartsDatabase(const std::string& rowsSql) {
    auto db = std::make_shared<Database>(":memory:", Database::Mode::CreateIfMissing);
    db->executeScript(
        "CREATE TABLE chartsmaster (chartname TEXT, RasiHouse INTEGER, startDegree REAL, EndDegree REAL, "
        "HouseNumber INTEGER);");
    if (!rowsSql.empty()) db->executeScript(rowsSql);
    return db;
}

std::string shippedRows() {
    std::ifstream in(std::string(JD_SOURCE_DIR) + "/data/chartsmaster.sql", std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class Vargas : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        resultWindows().resetAll();
        state().services = fake_.services();
        setLanguage("English");
    }
    void TearDown() override {
        state().services = {};
        resetState();
        resultWindows().resetAll();
    }

    void setLanguage(const std::string& language) {
        state().prefs.gLanguage = language;
        FnLoadNameTables();
    }
    void setAll(double longitude) { setLongitudes({longitude, longitude, longitude, longitude, longitude,
                                                   longitude, longitude, longitude, longitude, longitude}); }
    void setLongitudes(const VargaLongitudes& l) {
        BodyPositions& p = state().positions;
        p.gLagnaLongitude = l[0];
        p.gSunLongitude = l[1];
        p.gMoonLongitude = l[2];
        p.gMarsLongitude = l[3];
        p.gMercuryLongitude = l[4];
        p.gJupiterLongitude = l[5];
        p.gVenusLongitude = l[6];
        p.gSaturnLongitude = l[7];
        p.gRahuLongitude = l[8];
        p.gKethuLongitude = l[9];
    }

    Grid& grid() { return resultWindows().Frm_Vargas.mshVargas; }
    std::vector<std::string> rowCells(int row) {
        std::vector<std::string> cells;
        for (int c = 1; c <= 10; ++c) cells.push_back(grid().text(row, c));
        return cells;
    }
    std::vector<std::string> texts() { return fake_.messageBox.texts(); }

    FakeServices fake_;
};

TEST_F(Vargas, HeadersByLanguage) {
    const std::string sanskrit =
        "  Chart                  | Lag  | Sur  | Cha  | Kuj  | Bud  | Gur  | Suk  | San  | Rah  | Ket  ";
    const std::string english =
        "  Chart                  | Asc  | Sun  | Moo  | Mar  | Mer  | Jup  | Ven  | Sat  | Rah  | Ket  ";
    EXPECT_EQ(sanskrit.size(), 95u);
    EXPECT_EQ(english.size(), 95u);
    state().gDbConnection = chartsDatabase(shippedRows());

    struct Case {
        const char* language;
        std::string header;
    };
    for (const Case& c : {Case{"English", english}, Case{"Sanskrit", sanskrit},
                          Case{"english", sanskrit}, Case{"Hindi", sanskrit}}) {
        resultWindows().resetAll();
        state().prefs.gLanguage = c.language;
        FnFillVargasTable();
        EXPECT_EQ(grid().formatString(), c.header) << c.language;
        // The chart names are written whatever the language.
        for (int row = 1; row <= 21; ++row) EXPECT_EQ(grid().text(row, 0), kChartNames[row - 1]) << c.language;
    }
    EXPECT_TRUE(texts().empty());
}

// Computed rows with the program's own divisors, one body at a time.
TEST_F(Vargas, ComputedSigns) {
    struct Case {
        const char* chart;
        double divisor;
        double longitude;
        const char* sign;
    };
    const Case cases[] = {
        {"NAVAMSA", 3.33333333333333, 0, "Ari"},
        {"NAVAMSA", 3.33333333333333, 45, "Tau"},
        {"NAVAMSA", 3.33333333333333, 100, "Lib"},
        {"NAVAMSA", 3.33333333333333, 120, "Ari"},
        {"SAPTHAMSHA", 4.2857, 359.999, "Ari"},       // 30/7 would give Pisces
        {"SAPTAVIMSHAMSHA", 1.1111, 359.998, "Ari"},  // 30/27 would give Pisces
        {"PANCHAMSHA", 6, 359.99, "Pis"},
        {"SHASHTAMSHA", 5, 30, "Lib"},
        {"ASHATAMSHA", 3.75, 3.75, "Tau"},
        {"SHODASHAMSHA", 1.875, 359.99, "Pis"},
        {"VIMSHAMSHA", 1.5, 18, "Ari"},
        // The Nava-Navamsa takes 81 times the longitude in parts of 360.
        {"NAVA-NAVAMSA", 360, 81 * 10.0, "Gem"},
        {"NAVA-NAVAMSA", 360, 81 * 100.0, "Aqu"},
        {"NAVA-NAVAMSA", 360, 81 * 359.9, "Sag"},
        {"NAVA-NAVAMSA", 360, 81 * 45.0, "Aqu"},
    };
    for (const Case& c : cases) {
        resultWindows().resetAll();
        VargaLongitudes l{};
        l.fill(c.longitude);
        FnVargaRow(l, c.chart, c.divisor, kVargaComputed);
        int row = 0;
        for (int r = 1; r <= 21; ++r) {
            std::string upper = kChartNames[r - 1];
            for (char& ch : upper) ch = char(std::toupper(static_cast<unsigned char>(ch)));
            if (upper == c.chart) row = r;
        }
        ASSERT_NE(row, 0) << c.chart;
        EXPECT_EQ(rowCells(row), std::vector<std::string>(10, c.sign)) << c.chart << " at " << c.longitude;
    }
    EXPECT_TRUE(texts().empty());
}

// A sign outside 1..12 (here a longitude below 0) leaves its cell empty.
TEST_F(Vargas, SignOutsideTheZodiacGivesAnEmptyCell) {
    VargaLongitudes l{};
    l.fill(15);
    l[3] = -10;
    FnVargaRow(l, "Panchamsha", 6, kVargaComputed);
    std::vector<std::string> expected(10, "Gem");
    expected[3] = "";
    EXPECT_EQ(rowCells(6), expected);
}

// Every body at 0 degrees: every row shows Aries, the lookups included.
TEST_F(Vargas, EveryBodyAtZero) {
    state().gDbConnection = chartsDatabase(shippedRows());
    setAll(0);
    FnFillVargasTable();
    EXPECT_TRUE(texts().empty());
    for (int row : kComputedRows) EXPECT_EQ(rowCells(row), std::vector<std::string>(10, "Ari")) << row;
    // Hora of Aries at 0 is Leo; Chaturvimshamsha of an odd sign starts at Leo.
    EXPECT_EQ(rowCells(3), std::vector<std::string>(10, "Leo"));
    EXPECT_EQ(rowCells(15), std::vector<std::string>(10, "Leo"));
    EXPECT_EQ(rowCells(17), std::vector<std::string>(10, "Ari"));
}

// A whole table with the shipped rows: the rasi row in body order and
// looked-up cells worked out by hand.
TEST_F(Vargas, FillsRasiAndLookedUpRows) {
    state().gDbConnection = chartsDatabase(shippedRows());
    //             Lagna  Sun Moon Mars Mercury Jupiter Venus Saturn Rahu Kethu
    setLongitudes({132.5, 59, 60, 0, 359.99, 200, 45, 100, 10, 190});
    state().signs.gLagnaSign = 99;
    FnFillVargasTable();
    EXPECT_TRUE(texts().empty()) << texts().front();

    EXPECT_EQ(rowCells(1), (std::vector<std::string>{"Leo", "Tau", "Gem", "Ari", "Pis", "Lib", "Tau", "Can", "Ari", "Lib"}));
    struct Cell {
        int row;
        int col;
        const char* sign;
    };
    const Cell cells[] = {
        {3, 1, "Leo"},   // Hora, 12.5 Leo (odd, first half)
        {3, 3, "Leo"},   // Hora, 0 Gemini: longitude 60 is degree 0 of Gemini
        {4, 3, "Gem"},   // Drekkana, 0 Gemini
        {5, 10, "Cap"},  // Chaturthamsha, 10 Libra: 4th from Libra
        {10, 7, "Gem"},  // Dashamsha, 15 Taurus: sixth from Capricorn
        {11, 6, "Tau"},  // Ekadashamsha, 20 Libra: part 8 of Libra
        {12, 5, "Aqu"},  // Dwadashamsha, 29.99 Pisces
        {15, 8, "Pis"},  // Chaturvimshamsha, 10 Cancer: part 9 from Cancer
        {17, 2, "Sco"},  // Trimshamsha, 29 Taurus
        {18, 6, "Gem"},  // Khavedamsa, 20 Libra: part 27 from Aries
        {19, 8, "Can"},  // Akshvedamsa, 10 Cancer: part 16 from Aries
        {20, 5, "Aqu"},  // Shastiamsa, 29.99 Pisces: part 60 from Pisces
        {2, 8, "Lib"},   // Navamsa, 100
        {2, 7, "Tau"},   // Navamsa, 45
        {21, 9, "Gem"},  // Nava-Navamsa, 10
        {21, 8, "Aqu"},  // Nava-Navamsa, 100
        {21, 7, "Aqu"},  // Nava-Navamsa, 45
        {21, 4, "Ari"},  // Nava-Navamsa, 0
    };
    for (const Cell& c : cells) EXPECT_EQ(grid().text(c.row, c.col), c.sign) << "row " << c.row << " col " << c.col;
    for (int row = 1; row <= 21; ++row)
        for (int col = 1; col <= 10; ++col) EXPECT_NE(grid().text(row, col), "") << row << "," << col;

    // What the step leaves: the rasi signs, the Lagna's in gVargaLagnaSign.
    const BodySigns& s = state().signs;
    EXPECT_EQ(s.gVargaLagnaSign, 5);
    EXPECT_EQ(s.gLagnaSign, 99);
    const std::vector<int> planets{s.gSunSign,    s.gMoonSign,   s.gMarsSign, s.gMercurySign, s.gJupiterSign,
                                   s.gVenusSign,  s.gSaturnSign, s.gRahuSign, s.gKethuSign};
    EXPECT_EQ(planets, (std::vector<int>{2, 3, 1, 12, 7, 2, 4, 1, 7}));
}

TEST_F(Vargas, SanskritCells) {
    state().gDbConnection = chartsDatabase(shippedRows());
    setLanguage("Sanskrit");
    setAll(59);
    FnFillVargasTable();
    EXPECT_EQ(grid().text(1, 1), "Ris");
    EXPECT_EQ(grid().text(17, 1), "Vri");
}

// Without usable rows every looked-up varga shows its own plain box (the
// description followed directly by the number) and stays empty, while the
// computed rows fill.
TEST_F(Vargas, LookupFailuresReportEachLookedUpRow) {
    struct Case {
        const char* what;
        std::shared_ptr<Database> db;
        std::string horaMessage;  // the first box; the other vargas have no rows at all
    };
    auto noTable = std::make_shared<Database>(":memory:", Database::Mode::CreateIfMissing);
    const Case cases[] = {
        {"empty table", chartsDatabase(""), "No current row" + std::to_string(kDbNoCurrentRow)},
        {"no row for the degree", chartsDatabase("INSERT INTO chartsmaster VALUES ('HORA', 1, 0, 10, 5);"),
         "No current row" + std::to_string(kDbNoCurrentRow)},
        {"empty sign", chartsDatabase("INSERT INTO chartsmaster VALUES ('HORA', 1, 0, 30, NULL);"),
         "Invalid use of Null94"},
        {"sign beyond 16 bits", chartsDatabase("INSERT INTO chartsmaster VALUES ('HORA', 1, 0, 30, 40000);"),
         "Overflow6"},
        {"no table", noTable, ""},
        {"no connection", nullptr, ""},
    };
    for (const Case& c : cases) {
        resultWindows().resetAll();
        fake_.messageBox.clear();
        state().gDbConnection = c.db;
        setAll(15);
        FnFillVargasTable();
        ASSERT_EQ(fake_.messageBox.shown().size(), kLookedUpRows.size()) << c.what;
        const std::string noRow = "No current row" + std::to_string(kDbNoCurrentRow);
        if (!c.horaMessage.empty()) {
            EXPECT_EQ(texts().front(), c.horaMessage) << c.what;
            EXPECT_EQ(texts().back(), noRow) << c.what;
        }
        for (const ShownBox& box : fake_.messageBox.shown()) {
            EXPECT_EQ(box.icon, MsgIcon::None);
            EXPECT_EQ(box.buttons, MsgButtons::OK);
            EXPECT_EQ(box.title, std::nullopt);
        }
        for (int row : kLookedUpRows) {
            EXPECT_EQ(grid().text(row, 0), kChartNames[row - 1]);
            EXPECT_EQ(rowCells(row), std::vector<std::string>(10, "")) << c.what << " row " << row;
        }
        for (int row : kComputedRows) EXPECT_NE(grid().text(row, 1), "") << c.what << " row " << row;
    }
}

// A looked-up sign outside 1..12 leaves the cell empty without a message; a
// sign stored as a number with a fraction rounds as the run time does.
TEST_F(Vargas, LookedUpSignOutsideTheZodiac) {
    state().gDbConnection = chartsDatabase(
        "INSERT INTO chartsmaster VALUES ('HORA', 1, 0, 15, 13);"
        "INSERT INTO chartsmaster VALUES ('HORA', 1, 15, 30, 0);"
        "INSERT INTO chartsmaster VALUES ('hora', 2, 0, 30, 2.5);");  // names compared without case
    VargaLongitudes l{};
    l.fill(5);
    l[1] = 20;
    l[2] = 45;
    state().signs = {};
    state().signs.gVargaLagnaSign = 1;
    state().signs.gSunSign = 1;
    state().signs.gMoonSign = 2;
    for (int* s : {&state().signs.gMarsSign, &state().signs.gMercurySign, &state().signs.gJupiterSign,
                   &state().signs.gVenusSign, &state().signs.gSaturnSign, &state().signs.gRahuSign,
                   &state().signs.gKethuSign})
        *s = 1;
    FnVargaRow(l, "HORA", 0, kVargaLookedUp);
    EXPECT_TRUE(texts().empty());
    std::vector<std::string> expected(10, "");
    expected[2] = "Tau";  // 2.5 rounds to the even 2
    EXPECT_EQ(rowCells(3), expected);
}

}  // namespace
}  // namespace jd
