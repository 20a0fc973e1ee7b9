#include "horoscope/ashtakavarga.h"

#include <cstdint>
#include <initializer_list>
#include <string>

#include "horoscope/error_boxes.h"
#include "platform/controls.h"
#include "platform/run_time_error.h"
#include "state/result_windows.h"

namespace jd {

namespace {

// A set of places 1..12 counted from a reference's own sign (place 1).
using PlaceSet = std::uint16_t;

constexpr PlaceSet places(std::initializer_list<int> list) {
    PlaceSet set = 0;
    for (int p : list) set = PlaceSet(set | (1u << p));
    return set;
}

// The reference points in the order of the place table's columns.
enum Reference { RSun, RMoon, RMars, RMercury, RJupiter, RVenus, RSaturn, RLagna, kReferences };

constexpr int kTables = 9;  // grid columns 1..9

// The benefic places of each table (grid columns 1..9: Sun, Moon, Mars,
// Mercury, Jupiter, Venus, Saturn, ascendant, Rahu) from each reference
// point, the classical Parashari tables with Rahu's of this program.
// Sizes: 48, 49, 39, 54, 56, 52, 39 (337 in all), 49 and 43.
constexpr PlaceSet AvPlaceTable[kTables][kReferences] = {
    // Sun
    {places({1, 2, 4, 7, 8, 9, 10, 11}), places({3, 6, 10, 11}), places({1, 2, 4, 7, 8, 9, 10, 11}),
     places({3, 5, 6, 9, 10, 11, 12}), places({5, 6, 9, 11}), places({6, 7, 12}),
     places({1, 2, 4, 7, 8, 9, 10, 11}), places({3, 4, 6, 10, 11, 12})},
    // Moon
    {places({3, 6, 7, 8, 10, 11}), places({1, 3, 6, 7, 10, 11}), places({2, 3, 5, 6, 9, 10, 11}),
     places({1, 3, 4, 5, 7, 8, 10, 11}), places({1, 4, 7, 8, 10, 11, 12}), places({3, 4, 5, 7, 9, 10, 11}),
     places({3, 5, 6, 11}), places({3, 6, 10, 11})},
    // Mars
    {places({3, 5, 6, 10, 11}), places({3, 6, 11}), places({1, 2, 4, 7, 8, 10, 11}), places({3, 5, 6, 11}),
     places({6, 10, 11, 12}), places({6, 8, 11, 12}), places({1, 4, 7, 8, 9, 10, 11}),
     places({1, 3, 6, 10, 11})},
    // Mercury
    {places({5, 6, 9, 11, 12}), places({2, 4, 6, 8, 10, 11}), places({1, 2, 4, 7, 8, 9, 10, 11}),
     places({1, 3, 5, 6, 9, 10, 11, 12}), places({6, 8, 11, 12}), places({1, 2, 3, 4, 5, 8, 9, 11}),
     places({1, 2, 4, 7, 8, 9, 10, 11}), places({1, 2, 4, 6, 8, 10, 11})},
    // Jupiter
    {places({1, 2, 3, 4, 7, 8, 9, 10, 11}), places({2, 5, 7, 9, 11}), places({1, 2, 4, 7, 8, 10, 11}),
     places({1, 2, 4, 5, 6, 9, 10, 11}), places({1, 2, 3, 4, 7, 8, 10, 11}), places({2, 5, 6, 9, 10, 11}),
     places({3, 5, 6, 12}), places({1, 2, 4, 5, 6, 7, 9, 10, 11})},
    // Venus
    {places({8, 11, 12}), places({1, 2, 3, 4, 5, 8, 9, 11, 12}), places({3, 5, 6, 9, 11, 12}),
     places({3, 5, 6, 9, 11}), places({5, 8, 9, 10, 11}), places({1, 2, 3, 4, 5, 8, 9, 10, 11}),
     places({3, 4, 5, 8, 9, 10, 11}), places({1, 2, 3, 4, 5, 8, 9, 11})},
    // Saturn
    {places({1, 2, 4, 7, 8, 10, 11}), places({3, 6, 11}), places({3, 5, 6, 10, 11, 12}),
     places({6, 8, 9, 10, 11, 12}), places({5, 6, 11, 12}), places({6, 11, 12}), places({3, 5, 6, 11}),
     places({1, 3, 4, 6, 10, 11})},
    // ascendant
    {places({3, 4, 6, 10, 11, 12}), places({3, 6, 10, 11, 12}), places({1, 3, 6, 10, 11}),
     places({1, 2, 4, 6, 8, 10, 11}), places({1, 2, 4, 5, 6, 7, 9, 10, 11}), places({1, 2, 3, 4, 5, 8, 9}),
     places({1, 3, 4, 6, 10, 11}), places({3, 6, 10, 11})},
    // Rahu
    {places({1, 2, 3, 4, 7, 8, 10}), places({1, 3, 5, 7, 8, 9, 10}), places({2, 3, 5, 12}),
     places({2, 4, 7, 8, 12}), places({1, 3, 4, 6, 8}), places({6, 7, 11, 12}), places({3, 5, 7, 10, 11, 12}),
     places({3, 4, 5, 9, 12})},
};

constexpr int kTotalRow = 13;
constexpr int kTotalColumn = 10;
constexpr int kTotalWithStarColumn = 11;

int cellNumber(const Grid& grid, int row, int col) { return std::stoi(grid.text(row, col)); }

}  // namespace

void writeAshtakavarga(Grid& grid, const AshtakavargaSigns& s) {
    // The reference signs in the place table's order (Jupiter before Venus).
    const int reference[kReferences] = {s.sun, s.moon, s.mars, s.mercury, s.jupiter, s.venus, s.saturn, s.lagna};
    for (int sign : reference) {
        if (sign < 1 || sign > 12) throw RunTimeError::subscriptOutOfRange();
    }

    for (int table = 0; table < kTables; ++table) {
        int points[kTotalRow + 1] = {};  // 1..12 bindus by sign, 13 the table's total
        for (int r = 0; r < kReferences; ++r) {
            for (int p = 1; p <= 12; ++p) {
                if (!(AvPlaceTable[table][r] & (1u << p))) continue;
                int sign = reference[r] + p - 1;
                if (sign > 12) sign -= 12;
                ++points[sign];
            }
        }
        const int col = table + 1;
        for (int row = 1; row <= 12; ++row) {
            grid.setText(row, col, std::to_string(points[row]));
            points[kTotalRow] += points[row];
        }
        grid.setText(kTotalRow, col, std::to_string(points[kTotalRow]));
    }

    // Row totals, taken from the texts just written.
    int planetsTotal[kTotalRow + 1] = {};
    for (int row = 1; row <= kTotalRow; ++row) {
        for (int col = 1; col <= 7; ++col) planetsTotal[row] += cellNumber(grid, row, col);
        grid.setText(row, kTotalColumn, std::to_string(planetsTotal[row]));
    }
    for (int row = 1; row <= kTotalRow; ++row) {
        const int all = planetsTotal[row] + cellNumber(grid, row, 8) + cellNumber(grid, row, 9);
        grid.setText(row, kTotalWithStarColumn, std::to_string(all));
    }
    grid.setText(kTotalRow, 0, "Total");
    int sarva = 0;
    for (int row = 1; row <= 12; ++row) sarva += cellNumber(grid, row, kTotalColumn);
    grid.setText(kTotalRow, kTotalColumn, std::to_string(sarva));
}

void FnComputeAshtakavarga(int sunSign, int moonSign, int marsSign, int mercurySign, int venusSign,
                           int jupiterSign, int saturnSign, int lagnaSign) {
    try {
        writeAshtakavarga(resultWindows().Frm_AVargas.mshAshtaVarga,
                          {sunSign, moonSign, marsSign, mercurySign, venusSign, jupiterSign, saturnSign, lagnaSign});
    } catch (const RunTimeError& e) {
        FnShowCriticalError(e);
    }
}

}  // namespace jd
