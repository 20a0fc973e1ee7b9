#include "horoscope/ashtakavarga.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/controls.h"
#include "platform/fake_services.h"
#include "platform/run_time_error.h"
#include "state/result_windows.h"
#include "state/shared_records.h"

namespace jd {
namespace {

// Rows 1..13, columns 1..11 of the grid as numbers.
using Table = std::array<std::array<int, 11>, 13>;

Grid freshGrid() { return Grid("mshAshtaVarga", 14, 12, 1, 1); }

Table readTable(const Grid& g) {
    Table t{};
    for (int r = 1; r <= 13; ++r)
        for (int c = 1; c <= 11; ++c) t[r - 1][c - 1] = std::stoi(g.text(r, c));
    return t;
}

Table cast(const AshtakavargaSigns& s) {
    Grid g = freshGrid();
    writeAshtakavarga(g, s);
    return readTable(g);
}

constexpr std::array<int, 11> kTotalsRow{48, 49, 39, 54, 56, 52, 39, 49, 43, 337, 429};

// Every reference in Aries: the Sun's table and the two total columns as the
// classical tables give them.
TEST(Ashtakavarga, AllReferencesInAries) {
    const Table t = cast({1, 1, 1, 1, 1, 1, 1, 1});
    const std::array<int, 13> sun{3, 3, 3, 4, 2, 5, 4, 3, 5, 6, 7, 3, 48};
    const std::array<int, 13> total{24, 21, 29, 25, 26, 34, 19, 26, 26, 36, 54, 17, 337};
    const std::array<int, 13> totalWithStar{32, 27, 41, 34, 32, 43, 25, 32, 30, 46, 63, 24, 429};
    for (int r = 0; r < 13; ++r) {
        EXPECT_EQ(t[r][0], sun[r]) << "row " << r + 1;
        EXPECT_EQ(t[r][9], total[r]) << "row " << r + 1;
        EXPECT_EQ(t[r][10], totalWithStar[r]) << "row " << r + 1;
    }
}

// The sample chart: Sun Gemini, Moon Capricorn, Mars Virgo, Mercury Cancer,
// Venus Cancer, Jupiter Taurus, Saturn Aquarius, Lagna Libra.
TEST(Ashtakavarga, SampleChartGolden) {
    const Table expected{{
        {3, 5, 3, 5, 6, 4, 4, 3, 1, 30, 34},
        {3, 4, 3, 6, 4, 7, 2, 4, 3, 29, 36},
        {5, 3, 3, 3, 5, 2, 6, 3, 5, 27, 35},
        {3, 5, 2, 4, 7, 2, 4, 5, 3, 27, 35},
        {2, 3, 3, 4, 5, 4, 2, 5, 6, 23, 34},
        {6, 2, 3, 4, 3, 5, 2, 4, 3, 25, 32},
        {4, 4, 5, 7, 3, 3, 2, 4, 4, 28, 36},
        {3, 6, 4, 6, 5, 6, 2, 6, 2, 32, 40},
        {6, 4, 5, 4, 5, 5, 5, 4, 5, 34, 43},
        {4, 5, 0, 1, 3, 5, 3, 1, 7, 21, 29},
        {2, 3, 3, 4, 4, 5, 2, 5, 2, 23, 30},
        {7, 5, 5, 6, 6, 4, 5, 5, 2, 38, 45},
        kTotalsRow,
    }};
    // Argument order: Sun, Moon, Mars, Mercury, Venus, Jupiter, Saturn, Lagna.
    EXPECT_EQ(cast({3, 10, 6, 4, 4, 2, 11, 7}), expected);
}

// Each reference in a sign of its own, so every reference's places are told
// apart: handing Venus's sign to Jupiter's tables (or any other mix-up of the
// argument order) changes the table.
TEST(Ashtakavarga, EveryReferenceInADifferentSign) {
    const Table expected{{
        {5, 5, 3, 6, 6, 4, 4, 5, 3, 33, 41},
        {4, 3, 2, 2, 4, 6, 3, 2, 3, 24, 29},
        {3, 3, 5, 6, 5, 5, 2, 3, 3, 29, 35},
        {6, 4, 5, 4, 5, 4, 4, 5, 6, 32, 43},
        {2, 4, 4, 6, 2, 4, 4, 5, 3, 26, 34},
        {3, 4, 4, 5, 6, 4, 1, 4, 3, 27, 34},
        {4, 5, 2, 3, 3, 2, 3, 5, 4, 22, 31},
        {3, 5, 2, 4, 5, 5, 3, 2, 3, 27, 32},
        {3, 3, 2, 6, 7, 5, 2, 4, 3, 28, 35},
        {6, 3, 5, 2, 4, 4, 4, 4, 5, 28, 37},
        {6, 6, 2, 5, 3, 4, 5, 4, 6, 31, 41},
        {3, 4, 3, 5, 6, 5, 4, 6, 1, 30, 37},
        kTotalsRow,
    }};
    AshtakavargaSigns s;
    s.sun = 1; s.moon = 2; s.mars = 3; s.mercury = 4; s.venus = 5; s.jupiter = 6; s.saturn = 7; s.lagna = 8;
    EXPECT_EQ(cast(s), expected);
    std::swap(s.venus, s.jupiter);
    EXPECT_NE(cast(s), expected);
}

// With every reference in one sign k the table is the all-Aries table turned
// by k - 1 signs: a reference in Pisces gives its place-1 bindu to Pisces and
// its place-2 bindu to Aries, one in Aries its place-12 bindu to Pisces.
TEST(Ashtakavarga, AllInOneSignTurnsTheAriesTable) {
    const Table aries = cast({1, 1, 1, 1, 1, 1, 1, 1});
    for (int k = 1; k <= 12; ++k) {
        const Table t = cast({k, k, k, k, k, k, k, k});
        for (int sign = 1; sign <= 12; ++sign) {
            const int fromAries = (sign - k + 12) % 12 + 1;
            EXPECT_EQ(t[sign - 1], aries[fromAries - 1]) << "all in " << k << ", sign " << sign;
        }
        EXPECT_EQ(t[12], kTotalsRow);
    }
}

// Only rows 1..13 of columns 1..11 and the "Total" label are written; the
// caller's headings and sign names stay, and a second chart leaves nothing of
// the first.
TEST(Ashtakavarga, WritesOnlyItsCellsAndOverwritesThem) {
    Grid g = freshGrid();
    g.setFormatString("Zodiac       | Sun    |Moon   |Mars |Mercury|Jupiter|Venus|Saturn|Asc   *|Rahu *|Total |Total With * ");
    const std::string heading = g.text(0, 1);
    g.setText(1, 0, "Aries");
    g.setText(12, 0, "Pisces");
    writeAshtakavarga(g, {1, 1, 1, 1, 1, 1, 1, 1});
    writeAshtakavarga(g, {3, 10, 6, 4, 4, 2, 11, 7});
    EXPECT_EQ(g.text(0, 1), heading);
    EXPECT_EQ(g.text(1, 0), "Aries");
    EXPECT_EQ(g.text(12, 0), "Pisces");
    EXPECT_EQ(g.text(13, 0), "Total");
    EXPECT_EQ(readTable(g), cast({3, 10, 6, 4, 4, 2, 11, 7}));
    EXPECT_EQ(g.text(10, 3), "0");  // plain digits, zero included
}

// A sign outside 1..12 (a body never placed) is refused before any cell is
// written, instead of giving a table that only looks right.
TEST(Ashtakavarga, SignOutsideTheZodiacWritesNothing) {
    for (int bad : {0, 13, -1, 14, 25}) {
        for (int ref = 0; ref < 8; ++ref) {
            std::array<int, 8> a{1, 1, 1, 1, 1, 1, 1, 1};
            a[ref] = bad;
            Grid g = freshGrid();
            try {
                writeAshtakavarga(g, {a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]});
                ADD_FAILURE() << "sign " << bad << " accepted";
            } catch (const RunTimeError& e) {
                EXPECT_EQ(e.number(), 9);
            }
            for (int r = 1; r <= 13; ++r)
                for (int c = 0; c <= 11; ++c) EXPECT_EQ(g.text(r, c), "");
        }
    }
}

// The chart run's step fills the result window; a bad sign is reported with
// the critical icon and the description alone, and the grid stays as it was.
TEST(Ashtakavarga, StepFillsTheWindowOrReportsCritically) {
    resetState();
    resultWindows().resetAll();
    FakeServices fake;
    state().services = fake.services();
    Grid& grid = resultWindows().Frm_AVargas.mshAshtaVarga;

    FnComputeAshtakavarga(3, 10, 6, 4, 4, 2, 11, 7);
    EXPECT_TRUE(fake.messageBox.shown().empty());
    EXPECT_EQ(readTable(grid), cast({3, 10, 6, 4, 4, 2, 11, 7}));

    resultWindows().resetAll();
    FnComputeAshtakavarga(3, 10, 6, 4, 4, 2, 11, 0);
    ASSERT_EQ(fake.messageBox.shown().size(), 1u);
    const ShownBox& box = fake.messageBox.last();
    EXPECT_EQ(box.text, "Subscript out of range");
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(box.buttons, MsgButtons::OK);
    EXPECT_EQ(box.title, std::nullopt);
    EXPECT_EQ(grid.text(1, 1), "");
    EXPECT_EQ(grid.text(13, 0), "");

    state().services = {};
    resetState();
    resultWindows().resetAll();
}

}  // namespace
}  // namespace jd
