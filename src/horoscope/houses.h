#pragma once
// The house step of a chart: bhava cusps and sandhis, the planets of each
// bhava, the bhava chart and the two bhava grids.

namespace jd {

// The house step of the chart computation: no arguments, no result. Recomputes
// the rasi positions, builds the bhava table in the chosen house system and
// fills frm_CBhava's grids and frm_BhavaChart's cells. A run-time error is
// shown as its description in a critical box without title and ends the step.
void FnComputeBhavaTable();

}  // namespace jd
