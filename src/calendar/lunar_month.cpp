#include "calendar/lunar_month.h"

#include <cstdlib>
#include <functional>

#include "calendar/calendar_errors.h"
#include "calendar/calendar_objects.h"
#include "calendar/month_names.h"
#include "platform/database.h"
#include "platform/vb_date.h"
#include "state/shared_records.h"

namespace jd {
namespace {

// What distinguishes the two reckonings.
struct Reckoning {
    const char* tithi;      // the tithi of the moon that ends a month
    const char* monthKind;  // the kind of the month-name table
    bool amanta;
};

const Reckoning kPurnimanta{"Purnima", "Purnima", false};
const Reckoning kAmanta{"Amavashya", "Amavasya", true};

// A search never needs more than a few months; a walk that goes on for
// years has met positions that make no sense (an absurd custom ayanamsa
// rate) and is stopped rather than left to run.
constexpr long kMaxHours = 24L * 800;

// The whole hours counted from a date, with the Sun, Moon, tithi and sign at
// each of them.
class HourGrid {
public:
    HourGrid(const DateTime& origin, const CalendarPlace& place, const Reckoning& r, int stride)
        : origin_(origin), place_(place), tithi_(r.tithi), stride_(stride < 1 ? 1 : (stride > 12 ? 12 : stride)) {}

    DateTime at(long k) const { return DateTime::fromTotalSeconds(origin_.totalSeconds() + k * 3600); }
    SunMoon sky(long k) {
        if (std::labs(k) > kMaxHours) throw RunTimeError::overflow();
        return calendarObjects().sunMoon(at(k), place_);
    }
    // Whether the hour lies in the tithi of the moon searched for.
    bool isMoon(long k) {
        const SunMoon s = sky(k);
        return FnTithiName(s.sun, s.moon) == tithi_;
    }
    std::string sign(long k) { return FnSignNameUpper(sky(k).sun); }

    // The first hour after `from`, going in direction dir (+1 or -1), at
    // which pred holds. Where pred holds it holds for at least `stride`
    // hours in a row (a tithi, or the Sun's stay in a sign), so probing
    // every stride hours cannot pass over such a run; the hours of the last
    // stride are then walked one by one, so the hour found is the one an
    // hour-by-hour walk finds.
    long firstWhere(long from, int dir, const std::function<bool(long)>& pred) {
        long prev = from;
        for (;;) {
            const long probe = prev + dir * stride_;
            if (pred(probe)) {
                for (long k = prev + dir; k != probe; k += dir) {
                    if (pred(k)) return k;
                }
                return probe;
            }
            prev = probe;
        }
    }

private:
    DateTime origin_;
    CalendarPlace place_;
    std::string tithi_;
    long stride_;
};

int search(const DateTime& date, const Reckoning& r, LunarSearch& out) {
    CalendarCalculators& cc = calendarObjects();
    HourGrid g(DateTime::fromTotalSeconds(date.totalSeconds() - date.second()), FnCalendarPlace(), r,
               cc.searchStride);
    out = LunarSearch{};
    const auto notMoon = [&](long k) { return !g.isMoon(k); };

    // Backward: the moons before the date, for as long as the Sun stays in
    // the sign of the last one met.
    int n = 0;
    auto examine = [&](long inside) {
        const long before = g.firstWhere(inside, -1, notMoon);  // the hour before the tithi began
        const std::string sign = g.sign(before);
        out.lastSign = sign;
        if (out.firstSign.empty() || out.firstSign == sign) {
            out.firstSign = sign;
            const DateTime t = parseDate(generalDateText(g.at(before)));
            if (n == 0) {
                n = 1;
                out.recordedMoments = generalDateText(t);
                out.moments = {t};
            } else if (t.datePart() != out.moments.back().datePart()) {
                ++n;
                out.recordedMoments += '*';
                out.recordedMoments += generalDateText(t);
                out.moments.push_back(t);
            }
            out.recordedSun = g.sky(before).sun;
        }
        return before;
    };
    long k = 0;
    if (g.isMoon(0)) {
        out.startedInside = true;
        k = examine(0);
    }
    for (;;) {
        if (n >= 1 && g.sign(k) != out.lastSign) break;
        k = g.firstWhere(k, -1, [&](long j) { return g.isMoon(j) || (n >= 1 && g.sign(j) != out.lastSign); });
        if (g.isMoon(k)) k = examine(k);
    }
    out.count = n;
    if (n >= 2) {
        out.forwardCount = 0;
        return 2;
    }

    // Forward: the moons after the date, for as long as the Sun stays in the
    // sign of the first one met. The recorded Sun stays that of the moon
    // recorded going back: the month is named after it.
    int c = 0;
    DateTime lastCounted;
    auto count = [&](long inside) {
        out.forwardSign = g.sign(inside);
        const long after = g.firstWhere(inside, +1, notMoon);
        const DateTime t = g.at(after);
        if (c == 0) {
            c = 1;
            lastCounted = t;
        } else if (t.datePart() != lastCounted.datePart()) {
            ++c;
            lastCounted = t;
        }
        return after;
    };
    k = 0;
    if (g.isMoon(0)) k = count(0);
    for (;;) {
        if (c >= 1 && g.sign(k) != out.forwardSign) break;
        k = g.firstWhere(k, +1, [&](long j) { return g.isMoon(j) || (c >= 1 && g.sign(j) != out.forwardSign); });
        if (g.isMoon(k)) k = count(k);
    }
    out.forwardCount = out.forwardSign == out.lastSign ? c : 0;
    return 1;
}

struct MonthFields {
    std::string* month;
    std::string* adhika;
    std::string* yearName;
};

void lunarMonth(const DateTime& date, const std::string& mode, const Reckoning& r, const MonthFields& f) {
    f.month->clear();
    f.adhika->clear();
    f.yearName->clear();
    try {
        CalendarCalculators& cc = calendarObjects();
        const CalendarPlace place = FnCalendarPlace();
        const DateTime d0 = date.datePart();
        cc.lunarSunrise = cc.gObjCalSunrise.FnFindSunrise(d0, place.latNS, place.latDeg, place.latMin, place.lonEW,
                                                          place.lonDeg, place.lonMin, false, place.zoneHours,
                                                          place.zoneEW);
        cc.lunarSunset = cc.gObjCalSunset.FnFindSunset(d0, place.latNS, place.latDeg, place.latMin, place.lonEW,
                                                       place.lonDeg, place.lonMin, false, place.zoneHours,
                                                       place.zoneEW);
        // The day of the month begins at sunrise; without one the date
        // cannot be placed.
        if (!cc.lunarSunrise) return;
        const DateTime sunrise = *cc.lunarSunrise;
        const SunMoon atD0 = cc.sunMoon(d0, place);

        LunarSearch& s = r.amanta ? cc.amavasya : cc.purnima;
        const int n = search(d0, r, s);

        // A birth before sunrise on the day the month begins still lies in
        // the month before (unless mode "DP" asks otherwise).
        const auto signBySunrise = [&] {
            return mode != "DP" && date < sunrise ? FnPrevSignNameUpper(s.recordedSun)
                                                  : FnSignNameUpper(s.recordedSun);
        };
        std::string sign;
        if (n >= 2) {
            // Two moons with the Sun in one sign lie behind: the month is the
            // ordinary one after an intercalary month.
            sign = FnSignNameUpper(s.recordedSun);
        } else {
            const SunMoon atSunrise = cc.sunMoon(sunrise, place);
            const std::string tithi = FnTithiName(atSunrise.sun, atSunrise.moon);
            const std::string paksha = FnPakshaName(atSunrise.sun, atSunrise.moon);
            if (tithi == "Pratipada" && paksha == "Bright") {
                sign = signBySunrise();
            } else if (r.amanta && tithi == "Amavashya" && paksha == "Dark") {
                const SunMoon nextMorning = cc.sunMoon(dateAdd(DateUnit::Day, 1, sunrise), place);
                if (s.forwardCount == 2 || FnTithiName(nextMorning.sun, nextMorning.moon) == "Pratipada") {
                    sign = FnSignNameUpper(atD0.sun);
                } else {
                    sign = signBySunrise();
                }
            } else {
                sign = FnSignNameUpper(s.recordedSun);
            }
        }

        // The month that begins at the recorded moon is intercalary when the
        // next moon also has the Sun in its sign. The forward count includes
        // the recorded moon itself when the search began inside its tithi.
        const bool nextInSameSign = s.forwardCount - (s.startedInside ? 1 : 0) >= 1;
        const bool adhika = n == 1 && nextInSameSign && sign == s.firstSign;

        const std::string month = FnLunarMonthFromSunSign(r.monthKind, sign);
        const std::string yearName = calendar_detail::lunarYearName(d0, month);
        *f.month = month;
        *f.adhika = adhika ? "Adhika" : "Shudha";
        *f.yearName = yearName;
    } catch (const RunTimeError& e) {
        FnShowCalendarError(e);
    }
}

}  // namespace

void FnPurnimantaMonth(const DateTime& date, const std::string& mode) {
    CalendarResults& c = state().calendar;
    lunarMonth(date, mode, kPurnimanta, {&c.gPurnimantaMonth, &c.gPurnimantaAdhika, &c.gPurnimantaYearName});
}

void FnAmantaMonth(const DateTime& date, const std::string& mode) {
    CalendarResults& c = state().calendar;
    lunarMonth(date, mode, kAmanta, {&c.gAmantaMonth, &c.gAmantaAdhika, &c.gAmantaYearName});
}

int FnFindPurnimaCount(const DateTime& date, double /*sunLongitude*/) {
    try {
        return search(date, kPurnimanta, calendarObjects().purnima);
    } catch (const RunTimeError& e) {
        FnShowCalendarError(e);
        return 0;
    }
}

int FnFindAmavasyaCount(const DateTime& date, double /*sunLongitude*/) {
    try {
        return search(date, kAmanta, calendarObjects().amavasya);
    } catch (const RunTimeError& e) {
        FnShowCalendarError(e);
        return 0;
    }
}

namespace {
clsTithi& tithiOf(double sun, double moon) {
    clsTithi& t = calendarObjects().gObjCalTithi;
    t.sunC = sun;
    t.moonA = moon;
    t.FindTithi();
    return t;
}
}  // namespace

std::string FnTithiName(double sun, double moon) { return tithiOf(sun, moon).Tithi; }
int FnTithiNumber(double sun, double moon) { return tithiOf(sun, moon).TithiNo; }
std::string FnPakshaName(double sun, double moon) { return tithiOf(sun, moon).TithiPosition; }

void FnReadCustomAyanamsa() {
    try {
        Statement st = sharedDatabase().query("Select * From Preference");
        if (!st.step()) return;
        const double zeroYear = st.asDouble("customYear");
        const double progress = st.asDouble("customProgress");
        state().chartAyanamsa.gChartCustomZeroYear = zeroYear;
        state().chartAyanamsa.gChartCustomProgress = progress;
    } catch (const RunTimeError& e) {
        FnShowCalendarError(e);
    }
}

}  // namespace jd
