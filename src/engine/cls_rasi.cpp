#include "engine/cls_rasi.h"

#include <array>
#include <cmath>

namespace jd {
namespace {

const std::array<const char*, 12> kSanskrit = {"Mesha", "Vrishaba", "Mithuna", "Kataka",   "Simha",  "Kanya",
                                               "Thula", "Vrishchika", "Dhanus", "Makara", "Khumba", "Meena"};
const std::array<const char*, 12> kEnglish = {"Aries", "Taurus",  "Gemini",     "Cancer",   "Leo",      "Virgo",
                                              "Libra", "Scorpio", "Sagitarius", "Capricon", "Aquarius", "Pisces"};

}  // namespace

void clsRasi::findRasi() {
    const double x = PlanetPosition;
    const bool sanskrit = nchkLanguage == "Sanskrit";
    if (!sanskrit && nchkLanguage != "English") return;

    int sign = 0;
    if (x >= 0 && x <= 30.01) {
        sign = 1;
    } else {
        for (int k = 2; k <= 12; ++k) {
            if (x >= 30.0 * (k - 1) && x <= 30.0 * k) {
                sign = k;
                break;
            }
        }
    }
    if (sign != 0) {
        RasiName = (sanskrit ? kSanskrit : kEnglish)[static_cast<std::size_t>(sign - 1)];
        RasiNo = sign;
    }

    // The degrees into the sign, 30 counting as the end of a sign rather than
    // the start of the next (what taking 30 off while above 30 leaves).
    double t = x;
    if (t > 30) {
        t = std::fmod(t, 30.0);
        if (t == 0) t = 30;
    }
    RasiHalf = t <= 15 ? 1 : 2;
}

}  // namespace jd
