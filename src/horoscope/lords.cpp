#include "horoscope/lords.h"

#include <span>

#include "calendar/angle_text.h"
#include "horoscope/error_boxes.h"
#include "state/shared_records.h"

namespace jd {

namespace {

// Indices of the display names in gBodyName.
enum Body { Sun = 1, Moon = 2, Mars = 3, Mercury = 4, Venus = 5, Jupiter = 6, Saturn = 7, Rahu = 8, Kethu = 9 };

std::string bodyName(Body b) { return state().names.gBodyName[static_cast<size_t>(b)]; }

// One entry of a sub-lord table: the upper bound in degrees within the sign
// (inclusive) and the lord of the sub-division it closes.
struct SubLordBound {
    double bound;
    Body lord;
};

// Each star of 13°20' is cut into nine sub-divisions in vimshottari order
// from the star's own lord, each lord's share proportional to its dasa years
// (120 in all). Signs 1, 5, 9 start with a star; the others start a quarter
// or half of a star later, hence four tables.
constexpr SubLordBound kGroup1[] = {
    {0.777777777777778, Kethu},  {3.0, Venus},  {3.66666666666667, Sun},  {4.77777777777778, Moon},
    {5.55555555555556, Mars},    {7.55555555555556, Rahu},  {9.33333333333333, Jupiter},
    {11.4444444444444, Saturn},  {13.3333333333333, Mercury},  {15.5555555555556, Venus},
    {16.2222222222222, Sun},     {17.3333333333333, Moon},  {18.1111111111111, Mars},
    {20.1111111111111, Rahu},    {21.8888888888889, Jupiter},  {24.0, Saturn},
    {25.8888888888889, Mercury}, {26.6666666666667, Kethu},  {27.3333333333333, Sun},
    {28.4444444444444, Moon},    {29.2222222222222, Mars},  {30.0, Rahu},
};

constexpr SubLordBound kGroup2[] = {
    {1.22222222222222, Rahu},   {3.0, Jupiter},  {5.11111111111111, Saturn},  {7.0, Mercury},
    {7.77777777777778, Kethu},  {10.0, Venus},  {11.1111111111111, Moon},  {11.8888888888889, Mars},
    {13.8888888888889, Rahu},   {15.6666666666667, Jupiter},  {17.7777777777778, Saturn},
    {19.6666666666667, Mercury},  {20.4444444444444, Kethu},  {22.6666666666667, Venus},
    {23.3333333333333, Sun},    {24.1111111111111, Mars},  {26.1111111111111, Rahu},
    {27.8888888888889, Jupiter},  {30.0, Saturn},
};

constexpr SubLordBound kGroup3[] = {
    {1.88888888888889, Mercury},  {2.66666666666667, Kethu},  {4.88888888888889, Venus},
    {5.55555555555556, Sun},      {6.66666666666667, Moon},  {8.66666666666667, Rahu},
    {10.4444444444444, Jupiter},  {12.5555555555556, Saturn},  {14.4444444444444, Mercury},
    {15.2222222222222, Kethu},    {17.4444444444444, Venus},  {18.1111111111111, Sun},
    {19.2222222222222, Moon},     {20.0, Mars},  {21.7777777777778, Jupiter},
    {23.8888888888889, Saturn},   {25.7777777777778, Mercury},  {26.5555555555556, Kethu},
    {28.7777777777778, Venus},    {29.4444444444444, Sun},  {30.0, Moon},
};

constexpr SubLordBound kGroup4[] = {
    {0.555555555555556, Moon},  {1.33333333333333, Mars},  {3.33333333333333, Rahu},
    {5.44444444444444, Saturn},  {7.33333333333333, Mercury},  {8.11111111111111, Kethu},
    {10.3333333333333, Venus},  {11.0, Sun},  {12.1111111111111, Moon},  {12.8888888888889, Mars},
    {14.8888888888889, Rahu},  {16.6666666666667, Jupiter},  {18.5555555555556, Mercury},
    {19.3333333333333, Kethu},  {21.5555555555556, Venus},  {22.2222222222222, Sun},
    {23.3333333333333, Moon},  {24.1111111111111, Mars},  {26.1111111111111, Rahu},
    {27.8888888888889, Jupiter},  {30.0, Saturn},
};

std::string subLord(std::span<const SubLordBound> table, double d) {
    try {
        if (d < 0) return {};
        for (const auto& entry : table)
            if (d <= entry.bound) return bodyName(entry.lord);
        return {};
    } catch (const RunTimeError& e) {
        FnShowCriticalError(e);
        return {};
    }
}

}  // namespace

std::string FnSignLord(double longitude, const std::string& chart) {
    try {
        const double span = chart == "Rasi" ? 30.0 : 3.33333333333333;
        switch (FnSignNumber(longitude, span)) {
            case 1: case 8: return bodyName(Mars);
            case 2: case 7: return bodyName(Venus);
            case 3: case 6: return bodyName(Mercury);
            case 4: return bodyName(Moon);
            case 5: return bodyName(Sun);
            case 9: case 12: return bodyName(Jupiter);
            case 10: case 11: return bodyName(Saturn);
            default: return {};
        }
    } catch (const RunTimeError& e) {
        FnShowPlainError(e);
        return {};
    }
}

std::string FnStarLord(int star) {
    // Vimshottari order over the 27 stars; in the 28-star numbering star 22
    // (Uttarashada - Abijit) shares Uttarashada's lord and the rest shift by one.
    static const char* const kCycle[] = {"Kethu", "Venus", "Sun", "Moon", "Mars", "Rahu", "Jupiter", "Saturn",
                                         "Mercury"};
    if (star < 1 || star > 28) return {};
    const int star27 = star >= 22 ? star - 1 : star;
    return kCycle[(star27 - 1) % 9];
}

std::string FnPlanetDisplayName(const std::string& englishName) {
    if (englishName == "Sun") return bodyName(Sun);
    if (englishName == "Moon") return bodyName(Moon);
    if (englishName == "Mercury") return bodyName(Mercury);
    if (englishName == "Mars") return bodyName(Mars);
    if (englishName == "Jupiter") return bodyName(Jupiter);
    if (englishName == "Venus") return bodyName(Venus);
    if (englishName == "Saturn") return bodyName(Saturn);
    if (englishName == "Rahu") return bodyName(Rahu);
    if (englishName == "Kethu") return bodyName(Kethu);
    return {};
}

std::string FnSubLordGroup1(double d) { return subLord(kGroup1, d); }
std::string FnSubLordGroup2(double d) { return subLord(kGroup2, d); }
std::string FnSubLordGroup3(double d) { return subLord(kGroup3, d); }
std::string FnSubLordGroup4(double d) { return subLord(kGroup4, d); }

std::string FnSubLordForSign(int sign, double d) {
    switch (sign) {
        case 1: case 5: case 9: return FnSubLordGroup1(d);
        case 2: case 6: case 10: return FnSubLordGroup2(d);
        case 3: case 7: case 11: return FnSubLordGroup3(d);
        case 4: case 8: case 12: return FnSubLordGroup4(d);
        default: return {};
    }
}

}  // namespace jd
