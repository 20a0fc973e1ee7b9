#pragma once
// The house step of a chart: bhava cusps and sandhis from the ascendant and
// the midheaven, the planets of each bhava, the bhava chart of frm_BhavaChart
// and the two bhava grids of frm_CBhava. The results are kept in
// state().bhava (state/bhava_tables.h).
#include <string>

namespace jd {

struct BhavaTables;

// The house step of the chart computation: no arguments, no result.
// Recomputes the rasi positions, builds the bhava table in the house system
// gBhavaSystem, finds the planets of each bhava, draws the bhava chart in
// the style gChartStyle and fills msh_Bhava and msh_star. The name tables
// must be loaded. A run-time error is shown as its description alone in a
// critical box without title and ends the step; what was written stays.
void FnComputeBhavaTable();

// The bhava starts, middles, sandhis and signs of an ascendant and a
// midheaven (degrees 0..360). Each quadrant between the angles is cut into six
// equal steps; "Not Equal" (exactly so, case counts) takes the cusps as the
// starts of the bhavas, any other text as their middles. The signs are
// counted one by one from the ascendant's sign. Planet texts are not touched.
// A longitude that is no finite number raises RunTimeError "Overflow" before
// anything is written.
void FnComputeBhavaCusps(double lagna, double midheaven, const std::string& bhavaSystem, BhavaTables& tables);

// Reduces an angle into 0..360 and writes it back: 360 is added while it is
// below 0, then 360 taken away while it is above 360, so exactly 360 stays
// 360. An angle that is no finite number shows "Overflow" in a critical box
// and gives 0, the variable left as it was.
double FnNormalize360(double& angle);

// Takes 12 away from a sign number while it is above 12 and writes it back;
// 12 and below, zero and negatives included, come back unchanged.
int FnWrapSign(int& n);

// The chart abbreviations of the planets (Sun .. Kethu of BodyPositions) that
// lie from start to end, both ends included, so a planet on a sandhi belongs
// to both bhavas meeting there. A bhava that crosses 0 degrees Aries (start
// above end) lists the planets before 0 degrees first. Names are one blank
// apart. The text is also stored as gBhavaPlanets(house) when house is 1..12.
std::string FnPlanetsInBhava(double start, double end, int house);

// The planets of all twelve bhavas of state().bhava, from each start to its
// sandhi; bhava 1's text begins with the ascendant's abbreviation and a blank
// ("Asc " when no planet lies in it).
void FnFillBhavaPlanets();

}  // namespace jd
