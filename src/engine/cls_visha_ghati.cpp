#include "engine/cls_visha_ghati.h"

#include <array>

#include "platform/vb_number.h"

namespace jd {
namespace {

struct Portion {
    const char* start;
    const char* end;
};

// The 27 portions, each 53'20" wide except the 26th, which is 53'40" wide.
constexpr std::array<Portion, 27> kVishaPortions = {{
    {"011.06.40", "12.00.00"},  {"018.40.00", "019.33.20"}, {"033.20.00", "034.13.20"},
    {"048.53.20", "049.46.40"}, {"056.26.40", "057.20.00"}, {"071.20.00", "072.13.20"},
    {"086.40.00", "087.33.20"}, {"097.46.40", "098.40.00"}, {"113.46.40", "114.40.00"},
    {"126.40.00", "127.33.20"}, {"137.46.40", "138.40.00"}, {"150.40.00", "151.33.20"},
    {"164.40.00", "165.33.20"}, {"177.46.40", "178.40.00"}, {"189.46.40", "190.40.00"},
    {"203.06.40", "204.00.00"}, {"215.33.20", "216.26.40"}, {"229.46.40", "230.40.00"},
    {"252.26.40", "253.20.00"}, {"258.40.00", "259.33.20"}, {"271.06.40", "272.00.00"},
    {"282.13.20", "283.06.40"}, {"295.33.20", "296.26.40"}, {"310.40.00", "311.33.20"},
    {"323.33.20", "324.26.40"}, {"338.40.00", "339.33.40"}, {"353.20.00", "354.13.20"},
}};

// Characters of a text by position, safe past the end (the texts are ASCII).
std::string mid(const std::string& s, std::size_t from, std::size_t count) {
    return from < s.size() ? s.substr(from, count) : std::string();
}

}  // namespace

double clsDecimal::FnFindDecimal(const std::string& strEnteredVal) const {
    const std::string& s = strEnteredVal;
    const double degrees = toDouble(mid(s, 0, 3));
    const double minutes = toDouble(mid(s, 4, 2));
    const double seconds = toDouble(s.size() >= 2 ? s.substr(s.size() - 2) : s);
    return degrees + minutes / 60 + seconds / 3600;
}

bool ClsVishaGhati::dispVishaghati(double ldblMoonpos) {
    for (const auto& portion : kVishaPortions) {
        const double start = decimal_.FnFindDecimal(portion.start);
        const double end = decimal_.FnFindDecimal(portion.end);
        if (start <= ldblMoonpos && ldblMoonpos <= end) return true;
    }
    return false;
}

}  // namespace jd
