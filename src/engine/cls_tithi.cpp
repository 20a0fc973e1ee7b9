#include "engine/cls_tithi.h"

#include <array>

#include "platform/run_time_error.h"

namespace jd {
namespace {

// Names of the fifteen tithis of a fortnight; the dark fortnight ends with
// the new moon in place of the full moon.
const std::array<const char*, 15> kTithiNames = {
    "Pratipada", "Dwitiya", "Tritiya",  "Chaturthi", "Panchami",   "Shasthi",     "Saptami", "Ashtami",
    "Navami",    "Dashami", "Ekadashi", "Dwadashi",  "Triyodashi", "Chaturdashi", "Purnima"};

}  // namespace

const std::pair<std::string, std::string>& karanasOfTithi(int n) {
    static const std::array<std::pair<std::string, std::string>, 30> kKaranas = {{
        {"Kintughna", "Bava"},    {"Balav", "Kaulav"},      {"Taitila", "Gar"},     {"Vanija", "Vishti"},
        {"Bav", "Balav"},         {"Kaulava", "Taitila"},   {"Gar", "Vanija"},      {"Vishti", "Bav"},
        {"Balava", "Kaulava"},    {"Taitila", "Gar"},       {"Vanija", "Vishti"},   {"Bav", "Balav"},
        {"Kaulava", "Taitila"},   {"Gar", "Vanija"},        {"Vishti", "Bav"},      {"Balav", "Kaulava"},
        {"Taitila", "Gar"},       {"Vanija", "Vishti"},     {"Bav", "Balav"},       {"Kaulava", "Taitila"},
        {"Gar", "Vanija"},        {"Vishti", "Bav"},        {"Balava", "Kaulava"},  {"Taitila", "Gar"},
        {"Vanija", "Vishti"},     {"Bav", "Balava"},        {"Kaulava", "Taitila"}, {"Gar", "Vanija"},
        {"Vishti", "Shakuni"},    {"Chatushpada", "Naga"},
    }};
    if (n < 1 || n > 30) throw RunTimeError::subscriptOutOfRange();
    return kKaranas[static_cast<std::size_t>(n - 1)];
}

void clsTithi::FindTithi() {
    const double s = sunC;
    double m = moonA;
    if (s > m) m += 360;
    const double d = m - s;

    int n = 0;
    if (d >= 0 && d <= 12) {
        n = 1;
    } else {
        for (int k = 2; k <= 30; ++k) {
            if (d > 12.0 * (k - 1) && d <= 12.0 * k) {
                n = k;
                break;
            }
        }
    }
    if (n == 0) return;  // no tithi holds d: keep the earlier outputs

    Tithi = n == 30 ? "Amavashya" : kTithiNames[static_cast<std::size_t>((n - 1) % 15)];
    TithiPosition = n <= 15 ? "Bright" : "Dark";
    TithiNo = n;
    const double elapsed = d - 12.0 * (n - 1);
    const auto& karanas = karanasOfTithi(n);
    Karnam = elapsed <= 6 ? karanas.first : karanas.second;
}

}  // namespace jd
