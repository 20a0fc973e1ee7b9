#include "ui/converters/ishta_ghatika.h"

#include <cmath>

#include "platform/run_time_error.h"
#include "platform/vb_date.h"

namespace jd {

namespace {

constexpr long long kSixtiethsPerMinute = 150;  // 60 s / 0.4 s
constexpr long long kSixtiethsPerGhatika = 3600;

// Division rounding towards minus infinity, so the remainder is never negative.
long long floorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

}  // namespace

IshtaGhatika FnGhatikasOfMinutes(long long minutes) {
    const long long total = minutes * kSixtiethsPerMinute;
    IshtaGhatika g;
    g.ghatikas = floorDiv(total, kSixtiethsPerGhatika);
    const long long rest = total - g.ghatikas * kSixtiethsPerGhatika;
    g.vighatikas = rest / 60;
    g.sixtieths = rest % 60;
    return g;
}

std::string FnGhatikaText(const IshtaGhatika& g) {
    return std::to_string(g.ghatikas) + ":" + std::to_string(g.vighatikas) + ":" + std::to_string(g.sixtieths);
}

MinutesSinceSunrise FnMinutesSinceSunrise(const DateTime& birth, const SunriseOf& sunriseOf,
                                          const SunriseOf& risingIntoMidnightSunOf) {
    const auto minutesFrom = [&](const DateTime& sunrise) {
        return floorDiv(birth.totalSeconds() - sunrise.totalSeconds(), 60);
    };
    const DateTime birthDate = birth.datePart();
    const std::optional<DateTime> sameDay = sunriseOf(birthDate);
    if (!sameDay) return {std::nullopt, birthDate};
    const long long sinceSameDay = minutesFrom(*sameDay);
    if (sinceSameDay >= 1) {
        // The next date's day can begin before midnight, far north in summer.
        const DateTime dayAfter = dateAdd(DateUnit::Day, 1, birthDate);
        const std::optional<DateTime> next = sunriseOf(dayAfter);
        if (next && minutesFrom(*next) >= 1) return {minutesFrom(*next), dayAfter};
        if (!next && risingIntoMidnightSunOf) {
            const std::optional<DateTime> later = risingIntoMidnightSunOf(birthDate);
            if (later && minutesFrom(*later) >= 1) return {minutesFrom(*later), birthDate};
        }
        return {sinceSameDay, birthDate};
    }

    const DateTime dayBefore = dateAdd(DateUnit::Day, -1, birthDate);
    const std::optional<DateTime> previous = sunriseOf(dayBefore);
    if (!previous) return {std::nullopt, dayBefore};
    return {minutesFrom(*previous), dayBefore};
}

DateTime FnMomentAfterSunrise(const DateTime& sunrise, double ghatikas, double vighatikas) {
    const double seconds = 1440.0 * ghatikas + 24.0 * vighatikas;
    if (!std::isfinite(seconds) || std::fabs(seconds) > 1e12) throw RunTimeError::overflow();
    return DateTime::fromTotalSeconds(sunrise.totalSeconds() + std::llround(seconds));
}

}  // namespace jd
