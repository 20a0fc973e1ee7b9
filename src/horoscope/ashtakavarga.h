#pragma once
// The ashtakavarga: for the seven planets, the ascendant and Rahu, the bindus
// (benefic points) each sign receives from the eight reference points (the
// seven planets and the lagna), with the table totals and, per sign, the sum
// over the seven planets' tables ("Total") and over all nine ("Total With *").
#include <array>

namespace jd {

class Grid;

// The eight reference points in the order the chart run hands them over.
// Venus comes before Jupiter here, while the grid shows Jupiter first.
struct AshtakavargaSigns {
    int sun = 0, moon = 0, mars = 0, mercury = 0, venus = 0, jupiter = 0, saturn = 0, lagna = 0;
};

// Writes the bindus of one chart into an ashtakavarga grid of at least 14 rows
// and 12 columns: rows 1..12 the signs Aries..Pisces, row 13 the totals
// (column 0 "Total"); columns 1..9 the tables of Sun, Moon, Mars, Mercury,
// Jupiter, Venus, Saturn, ascendant and Rahu, column 10 the sum of columns
// 1..7 and column 11 that plus columns 8 and 9. Headings (row 0) and sign
// names (column 0, rows 1..12) are the caller's and stay as they are.
// Every sign must lie in 1..12; otherwise RunTimeError "Subscript out of
// range" is raised before any cell is written, since a body without a sign
// would give a table that looks right and is not.
void writeAshtakavarga(Grid& grid, const AshtakavargaSigns& signs);

// The ashtakavarga step: fills mshAshtaVarga of Frm_AVargas for the rasi
// signs given, in this order: Sun, Moon, Mars, Mercury, Venus, Jupiter,
// Saturn, Lagna. A run-time error is shown as its description in a message
// box with the critical icon and no title; the cells written before it stay.
void FnComputeAshtakavarga(int sunSign, int moonSign, int marsSign, int mercurySign, int venusSign,
                           int jupiterSign, int saturnSign, int lagnaSign);

}  // namespace jd
