#pragma once
// Ishta ghatika arithmetic: the time elapsed since sunrise counted in
// ghatikas (24 minutes), vighatikas (a sixtieth of a ghatika, 24 seconds) and
// sixtieths of a vighatika (0.4 seconds), and back to a clock time.
//
// A minute is 150 sixtieths of a vighatika, so a count of whole minutes
// converts exactly in whole numbers: 2 minutes are 0:5:0, never 0:4:59.
#include <functional>
#include <optional>
#include <string>

#include "platform/date_time.h"

namespace jd {

struct IshtaGhatika {
    long long ghatikas = 0;
    long long vighatikas = 0;
    long long sixtieths = 0;  // sixtieths of a vighatika
    bool operator==(const IshtaGhatika&) const = default;
};

// The ghatikas, vighatikas and sixtieths of a whole number of minutes. The
// ghatikas are rounded down, the rest is never negative.
IshtaGhatika FnGhatikasOfMinutes(long long minutes);

// "G:V:P", each number in its plain decimal form ("21:2:30").
std::string FnGhatikaText(const IshtaGhatika& g);

// The sunrise of a date at a place, to the whole minute, or nothing when the
// Sun does not rise on that date there.
using SunriseOf = std::function<std::optional<DateTime>(const DateTime& date)>;

// The minutes from the sunrise that precedes a birth to the birth. A birth
// after the sunrise of its own date counts from that sunrise; a birth at or
// before it (the same minute included) counts from the previous date's
// sunrise, since the Vedic day begins at sunrise. `sunriseDate` is the date
// whose sunrise was used, or whose sunrise was missing when `minutes` is empty.
struct MinutesSinceSunrise {
    std::optional<long long> minutes;
    DateTime sunriseDate;
};
// A birth after the next date's sunrise, where that comes before midnight,
// counts from it; where the next date has none, from the date's rising into
// the midnight sun that `risingIntoMidnightSunOf` gives, if the birth is past it.
MinutesSinceSunrise FnMinutesSinceSunrise(const DateTime& birth, const SunriseOf& sunriseOf,
                                          const SunriseOf& risingIntoMidnightSunOf = {});

// The moment `ghatikas` and `vighatikas` after the sunrise: 1440 seconds a
// ghatika and 24 seconds a vighatika, the sum taken to the nearest second
// (counts that are not whole come only from pasted text).
DateTime FnMomentAfterSunrise(const DateTime& sunrise, double ghatikas, double vighatikas);

}  // namespace jd
