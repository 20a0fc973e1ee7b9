#include "calendar/angle_text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <cstdio>

#include "platform/run_time_error.h"
#include "platform/services.h"
#include "platform/vb_number.h"
#include "state/shared_records.h"

namespace jd {
namespace {

// A trapped error is shown as its description in one critical box with no
// title.
void reportError(const RunTimeError& e) {
    if (MessageBox* box = state().services.messageBox) {
        box->show(e.description(), MsgIcon::Critical, MsgButtons::OK, std::nullopt);
    }
}

// An angle split into whole degrees, minutes and seconds, the seconds taken
// to the nearest whole one and carried upwards.
struct DegMinSec {
    bool negative = false;
    long long degrees = 0;
    int minutes = 0;
    int seconds = 0;
};

DegMinSec split(double x) {
    if (!std::isfinite(x) || std::fabs(x) >= 9e15) throw RunTimeError::overflow();
    DegMinSec a;
    a.negative = x < 0;
    const double ax = std::fabs(x);
    const double whole = std::floor(ax);
    const double f = ax - whole;
    int m = static_cast<int>(std::floor(f * 60));
    int s = static_cast<int>(roundHalfEven(f * 3600 - m * 60.0));
    long long d = static_cast<long long>(whole);
    if (s >= 60) {
        m += 1;
        s -= 60;
    }
    if (m >= 60) {
        d += 1;
        m -= 60;
    }
    a.degrees = d;
    a.minutes = m;
    a.seconds = s;
    return a;
}

std::string text(const DegMinSec& a, bool withSeconds) {
    char buf[64];
    if (withSeconds) {
        std::snprintf(buf, sizeof buf, "%s%lld.%02d.%02d", a.negative ? "-" : "", a.degrees, a.minutes, a.seconds);
    } else {
        std::snprintf(buf, sizeof buf, "%s%lld.%02d", a.negative ? "-" : "", a.degrees, a.minutes);
    }
    return buf;
}

// The number of whole divisions of `span` below a longitude. A longitude on
// a boundary belongs to the division that starts there, even when the
// quotient comes out a few units of the last place short of the whole number:
// 47.1427 degrees is 11 sapthamsa spans of 4.2857 and so begins the 12th
// sapthamsa, yet 47.1427 / 4.2857 gives 10.999999999999998.
double wholeDivisions(double longitude, double span) {
    const double q = longitude / span;
    const double r = std::round(q);
    if (std::fabs(q - r) <= 4 * std::numeric_limits<double>::epsilon() * std::max(1.0, std::fabs(r))) return r;
    return std::floor(q);
}

}  // namespace

std::string FnFormatDegMin(double x) {
    try {
        return text(split(x), false);
    } catch (const RunTimeError& e) {
        reportError(e);
        return {};
    }
}

std::string FnFormatDegMinSec(double x) {
    try {
        return text(split(x), true);
    } catch (const RunTimeError& e) {
        reportError(e);
        return {};
    }
}

int FnSignNumber(double longitude, double span) {
    try {
        if (span == 0) throw RunTimeError::divisionByZero();
        int n = toInt16(wholeDivisions(longitude, span) + 1);
        while (n > 12) n -= 12;
        return n;
    } catch (const RunTimeError& e) {
        reportError(e);
        return 0;
    }
}

double FnDegreesInSign(double longitude) {
    try {
        if (!std::isfinite(longitude)) throw RunTimeError::overflow();
        // The same whole number of signs as FnSignNumber takes, so that the two
        // always agree; the rest is kept within 0 up to (not including) 30.
        double d = longitude - 30 * wholeDivisions(longitude, 30);
        if (d < 0) d = 0;
        if (d >= 30) d = std::nextafter(30.0, 0.0);
        return d;
    } catch (const RunTimeError& e) {
        reportError(e);
        return 0;
    }
}

}  // namespace jd
