#include "horoscope/avasthas.h"

#include <cmath>

#include "calendar/angle_text.h"
#include "horoscope/chart_objects.h"
#include "horoscope/error_boxes.h"
#include "horoscope/local_mean_time.h"
#include "platform/vb_number.h"

namespace jd {

namespace {

// 16-bit signed arithmetic: a result outside -32768..32767 is an overflow.
int checked16(long long v) {
    if (v < -32768 || v > 32767) throw RunTimeError::overflow();
    return static_cast<int>(v);
}

}  // namespace

int FnStarNumber27(double lon) {
    try {
        clsStar& star = chartObjects().star();
        star.PlanetPosition = lon;
        star.findstar();
        const int n = star.StarNo;
        return n >= 22 ? n - 1 : n;
    } catch (const RunTimeError& e) {
        FnShowCriticalError(e);
        return 0;
    }
}

int FnPlanetNumber(const std::string& name) {
    static const char* const kNames[] = {"Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn", "Rahu",
                                         "Kethu"};
    for (int i = 0; i < 9; ++i)
        if (name == kNames[i]) return i + 1;
    return 0;
}

int FnNavamsaPart(double d) {
    static const double kBounds[] = {3.33333333333333, 6.66666666666667, 10.0, 13.3333333333333, 16.6666666666667,
                                     20.0, 23.3333333333333, 26.6666666666667, 30.0};
    if (d < 0) return 0;
    for (int p = 0; p < 9; ++p)
        if (d <= kBounds[p]) return p + 1;
    return 0;
}

std::string FnSayanadiAvasthaName(double n) {
    static const char* const kNames[] = {"Sayana", "Upavesana", "Netrapani", "Prakasava", "Gamana", "Aagamana",
                                         "Sabha", "Agama", "Bhojana", "Nrityalipsa", "Kautuka", "Nidra"};
    for (int i = 1; i <= 12; ++i)
        if (n == i) return kNames[i - 1];
    return {};
}

std::string FnAvasthaName(double lon, const std::string& name, double moonLon, int lagnaSign) {
    try {
        const int n = FnStarNumber27(lon);
        const int p = FnPlanetNumber(name);
        const int a = FnNavamsaPart(FnDegreesInSign(lon));
        const int m = FnStarNumber27(moonLon);
        const std::optional<double> ishta = FnComputeLocalMeanTime();
        // Without the sunrise that begins the birth's day there is no ishta
        // ghatika, and an avastha made from a stale one would look right and
        // be wrong: leave it out.
        if (!ishta) return {};
        const int g = toInt16(*ishta);
        int s = checked16(static_cast<long long>(m) + g);
        s = checked16(static_cast<long long>(s) + lagnaSign);
        const int pn = checked16(static_cast<long long>(p) * n);
        const int pna = checked16(static_cast<long long>(pn) * a);
        s = checked16(static_cast<long long>(s) + pna);
        int r = s % 12;
        if (r == 0) r = 12;
        return FnSayanadiAvasthaName(r);
    } catch (const RunTimeError& e) {
        FnShowPlainError(e);
        return {};
    }
}

std::string FnRetroMark(double a, double b, int k) {
    double motion = std::fmod(b - a, 360.0);
    if (motion > 180.0) motion -= 360.0;
    if (motion <= -180.0) motion += 360.0;
    if (k == 1) return motion <= 0 ? " (R)" : "";
    return motion > 0 ? " (R)" : "";
}

}  // namespace jd
