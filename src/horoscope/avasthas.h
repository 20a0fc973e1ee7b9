#pragma once
// The Sayanadi avastha of a planet and the small lookups behind the planet
// table: the 27-star number, the planet number, the ninth of a sign, the
// avastha names and the retrograde mark.
#include <string>

namespace jd {

// The avastha of a planet: N the 27-star number of its longitude, P its
// planet number, A the ninth of its sign that holds it, M the Moon's 27-star
// number, G the birth's ishta ghatika rounded up (FnComputeLocalMeanTime);
// S = M + G + lagnaSign + P x N x A in 16-bit arithmetic, named by S mod 12
// (0 counts as 12). "" when the ishta ghatika cannot be known (no sunrise).
std::string FnAvasthaName(double lon, const std::string& name, double moonLon, int lagnaSign);

// The usual 27-star number of a longitude: "Uttarashada - Abijit" counts as
// Uttarashada (21), Shravana .. Revati as 22 .. 27. Drives the shared star
// calculator.
int FnStarNumber27(double lon);

// "Sun" 1, "Moon" 2, "Mars" 3, "Mercury" 4, "Jupiter" 5, "Venus" 6,
// "Saturn" 7, "Rahu" 8, "Kethu" 9 (case counts); 0 for any other text.
int FnPlanetNumber(const std::string& name);

// The ninth (1..9) of a sign holding d degrees within the sign, each ninth
// 10/3 degrees wide with its upper bound included; 0 below 0 or above 30.
int FnNavamsaPart(double d);

// "Sayana" for 1 .. "Nidra" for 12; "" for anything else.
std::string FnSayanadiAvasthaName(double n);

// The motion mark of a body from today's longitude a and tomorrow's b. The
// motion is the difference b - a taken across 0/360 degrees (the shorter way
// round), so a planet passing from 359 to 1 degree moves forward. k = 1 (a
// planet): " (R)" when it does not move forward; any other k (a node, whose
// usual motion is backward): " (R)" when it moves forward.
std::string FnRetroMark(double a, double b, int k);

}  // namespace jd
