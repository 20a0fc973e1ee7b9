#include "engine/cls_star.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace jd {
namespace {

// The pada boundaries: the multiples of 10/3 degrees as decimal constants of
// 15 significant digits (13.3333333333333, 26.6666666666667, 40, ...). Each
// constant ends one band and begins the next, so the bands tile the circle
// without gap or overlap and a longitude at a boundary belongs to one band.
const std::array<double, 109>& padaBounds() {
    static const std::array<double, 109> bounds = [] {
        std::array<double, 109> b{};
        for (int k = 0; k <= 108; ++k) {
            char text[32];
            std::snprintf(text, sizeof text, "%.15g", k * 10.0 / 3.0);
            b[static_cast<std::size_t>(k)] = std::strtod(text, nullptr);
        }
        return b;
    }();
    return bounds;
}

double bound(int k) { return padaBounds()[static_cast<std::size_t>(k)]; }

// Names of the 27 bands; band 21 (Uttarashada) gives its last quarter and a
// half to "Uttarashada - Abijit".
const std::array<const char*, 27> kBandNames = {
    "Ashwini",     "Bharani",     "Kritika",     "Rohini",     "Mrigshira",   "Ardra",      "Punarvasu",
    "Pushya",      "Ashlesha",    "Magha",       "P.Falguni",  "U.Falguni",   "Hasta",      "Chitra",
    "Swati",       "Vishaka",     "Anuradha",    "Jyestha",    "Moola",       "Poorvashada", "Uttarashada",
    "Shravana",    "Dhanishtha",  "Shatbhisha",  "P.Bhadrapad", "U.Bhadrapad", "Revati"};

}  // namespace

void clsStar::findstar() {
    const double x = PlanetPosition;

    int n = 0;
    for (int band = 1; band <= 27; ++band) {
        const double lower = bound(4 * (band - 1));
        const double upper = bound(4 * band);
        if ((band == 1 ? x >= lower : x > lower) && x <= upper) {
            n = band;
            break;
        }
    }
    if (n == 0) {
        StarName = starName_;
        return;
    }

    int p = 4;
    for (int q = 1; q <= 3; ++q) {
        if (x <= bound(4 * (n - 1) + q)) {
            p = q;
            break;
        }
    }

    StarNo = n <= 21 ? n : n + 1;
    std::string name = kBandNames[static_cast<std::size_t>(n - 1)];
    if (n == 22 && p == 1) name = "Shravana - Abijit";
    StarQuarter = p;
    HouseNo = ((n - 1) * 4 + p - 1) % 12 + 1;
    StarPadaDistance = bound(4 * (n - 1) + p) - x;

    if (n == 21 && x >= bound(83) && x <= bound(84)) {
        StarNo = 22;
        name = "Uttarashada - Abijit";
    }
    StarName = name;
    starName_ = name;
}

}  // namespace jd
