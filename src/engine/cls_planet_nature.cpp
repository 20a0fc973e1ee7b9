#include "engine/cls_planet_nature.h"

#include <array>
#include <cmath>

#include "platform/vb_number.h"

namespace jd {
namespace {

// Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn for each ascendant sign.
constexpr std::array<std::array<int, 7>, 12> kNatures = {{
    {1, 1, 1, -1, 1, 0, -1},    // Aries
    {1, 0, -1, 1, -2, 1, 1},    // Taurus
    {-1, 0, -2, 2, 0, 1, 1},    // Gemini
    {0, 1, 1, -1, 1, 0, -2},    // Cancer
    {1, -1, 1, 0, 1, 0, -2},    // Leo
    {-1, 0, -2, 2, 0, 1, 1},    // Virgo
    {-1, 1, -1, 1, -1, 1, 1},   // Libra
    {1, 1, 1, -2, 1, 0, -1},    // Scorpio
    {1, -1, 1, 0, 2, -1, -1},   // Sagittarius
    {-2, 0, -1, 1, -1, 1, 1},   // Capricorn
    {-1, -1, 0, 1, 0, 1, 1},    // Aquarius
    {-1, 1, 1, 0, 2, -2, -2},   // Pisces
}};

using Words = std::array<const char*, 12>;
// Dignity words by sign, spelled (capitals included) as the tables show them.
constexpr std::array<Words, 9> kDignities = {{
    {"Exa", "Enemy", "Neu", "Neu", "Own", "neu", "deb", "friend", "friend", "enemy", "enemy", "Friend"},
    {"Neu", "Exa", "Friend", "Own", "friend", "friend", "neu", "deb", "neu", "neu", "neu", "Neu"},
    {"Own", "Neu", "Ene", "Deb", "friend", "enemy", "neu", "own", "friend", "exa", "neu", "Friend"},
    {"Neu", "Friend", "Own", "Enemy", "friend", "exa-own", "friend", "neu", "neu", "neu", "neu", "Deb"},
    {"Friend", "Neu", "Ene", "Exa", "friend", "friend", "enemy", "friend", "own", "deb", "neu", "Own"},
    {"Neu", "Own", "Friend", "Enemy", "Enemy", "deb", "own", "neu", "friend", "friend", "friend", "Exa"},
    {"Deb", "Friend", "Friend", "Enemy", "Enemy", "friend", "exa", "enemy", "neu", "own", "own", "Neu"},
    {"Neu", "Exa", "Friend", "Enemy", "Enemy", "friend", "friend", "exa", "friend", "friend", "enemy", "Neu"},
    {"Enemy", "Deb", "Friend", "Enemy", "Enemy", "friend", "friend", "deb", "neu", "friend", "enemy", "Neu"},
}};

}  // namespace

void clsPlanetNature::FindPlanet() {
    lagnaSign_ = toInt16(std::floor(LagnaPosition / 30) + 1);
    if (lagnaSign_ < 1 || lagnaSign_ > 12) return;
    const auto& row = kNatures[static_cast<std::size_t>(lagnaSign_ - 1)];
    SunNature = row[0];
    MoonNature = row[1];
    MarsNature = row[2];
    MercuryNature = row[3];
    JupiterNature = row[4];
    VenusNature = row[5];
    SaturnNature = row[6];
}

void clsPlanetStrength::FindPlanetStrength() {
    const std::array<std::pair<int, std::string*>, 9> bodies = {{
        {SunHouse, &SunStrength},
        {MoonHouse, &MoonStrength},
        {MarsHouse, &MarsStrength},
        {MercuryHouse, &MercuryStrength},
        {JupiterHouse, &JupiterStrength},
        {VenusHouse, &VenusStrength},
        {SaturnHouse, &SaturnStrength},
        {RahuHouse, &RahuStrength},
        {KethuHouse, &KethuStrength},
    }};
    for (std::size_t b = 0; b < bodies.size(); ++b) {
        const int sign = bodies[b].first;
        if (sign >= 1 && sign <= 12) *bodies[b].second = kDignities[b][static_cast<std::size_t>(sign - 1)];
    }
}

}  // namespace jd
