#pragma once
// The houses of the chart last cast: where each of the twelve bhavas begins,
// its middle (madhya), the sandhi that ends it, its sign and the planets in
// it. Every array is indexed 1..12 by bhava number (index 0 unused). The house
// step of the chart computation alone writes and reads it; each run rewrites
// it whole.
#include <array>
#include <string>

namespace jd {

struct BhavaTables {
    std::array<double, 13> gBhavaStart{};   // longitude where bhava k begins, 0..360
    std::array<double, 13> gBhavaMid{};     // middle of bhava k, 0..360
    std::array<double, 13> gBhavaSandhi{};  // sandhi ending bhava k (= start of k + 1), 0..360
    // First the signs counted one by one from the ascendant's sign (the bhava
    // chart places bhava k by it), then the sign of each bhava's middle.
    std::array<int, 13> gBhavaSign{};
    std::array<std::string, 13> gBhavaPlanets;  // chart abbreviations, one blank apart
};

}  // namespace jd
