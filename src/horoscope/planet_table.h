#pragma once
// The planet table of Frm_PP (mshNirayana): one row for the ascendant and
// each of the nine grahas with degrees within the sign and motion mark, sign,
// sign lord, star, pada, star lord, sub lord, chara karaka and avastha.

namespace jd {

class Grid;

// Rebuilds the whole table from the shared birth details: loads the name
// tables, computes the rasi positions again and the positions one day later
// (for the motion marks), and ranks the chara karakas through the work grid
// MSFlexGridSort. A run-time error shows the plain error box and ends the
// fill; cells written so far stay.
void FnFillPlanetTable();

// The chara karaka step of the table: the degree texts of the seven planets
// (table rows 2..8, column 1, before any motion mark) go into the work grid,
// are sorted there largest first (degrees, then minutes, then seconds), and
// rank k names the planet whose text equals row k's: "Atma" .. "Dara" into
// column 8. Planets with the same text match every rank that holds it and
// keep the last (lowest) one.
void FnRankCharaKarakas(Grid& table, Grid& work);

}  // namespace jd
