#include "horoscope/body_positions.h"

#include <cstdint>
#include <optional>

#include "calendar/angle_text.h"
#include "calendar/form_routines.h"
#include "horoscope/chart_objects.h"
#include "horoscope/error_boxes.h"
#include "platform/vb_date.h"
#include "platform/text.h"
#include "platform/vb_number.h"
#include "state/shared_records.h"

namespace jd {

namespace {

// The birth place as the sunrise facades take it.
struct Place {
    std::string latNS, lonEW, zoneEW;
    double latDeg, latMin, lonDeg, lonMin, zoneHours;
};

Place placeOfBirth() {
    const BirthDetails& b = state().birth;
    return {b.gLatNS, b.gLonEW, b.gZoneEW, toDouble(b.gLatDeg), toDouble(b.gLatMin),
            toDouble(b.gLonDeg), toDouble(b.gLonMin), toDouble(b.gZoneHours)};
}

std::optional<DateTime> sunriseOf(const DateTime& date, const Place& p) {
    return chartObjects().gObjSunrise.FnFindSunrise(date, p.latNS, p.latDeg, p.latMin, p.lonEW, p.lonDeg,
                                                    p.lonMin, false, p.zoneHours, p.zoneEW);
}

std::optional<DateTime> sunsetOf(const DateTime& date, const Place& p) {
    return chartObjects().gObjSunset.FnFindSunset(date, p.latNS, p.latDeg, p.latMin, p.lonEW, p.lonDeg,
                                                  p.lonMin, false, p.zoneHours, p.zoneEW);
}

bool isAM(const DateTime& t) { return t.hour() < 12; }

// A moment on the date of `day` at the hour and minute of a time of day
// (seconds dropped), as the upagraha moments are built.
DateTime atTimeOfDay(const DateTime& day, const DateTime& time) {
    return DateTime::of(day.year(), day.month(), day.day(), time.hour(), time.minute(), 0);
}

// A part of the birth moment: digits only, at most `digits` of them, blanks
// around them allowed, as the chart's date reading takes it.
std::optional<int> momentPart(const std::string& text, std::size_t digits) {
    const std::optional<std::int32_t> n = wholeNumber(text);
    if (!n || trim(text).size() > digits) return std::nullopt;
    return *n;
}

}  // namespace

bool FnIsBirthMoment(const BirthDetails& b) {
    const auto day = momentPart(b.gBirthDay, 2);
    const auto year = momentPart(b.gBirthYear, 4);
    const auto hour = momentPart(b.gBirthHour, 2);
    const auto minute = momentPart(b.gBirthMinute, 2);
    const int month = monthFromName(trim(b.gBirthMonth));
    return day && year && hour && minute && month != 0 && *year >= 1800 && *year <= 3000 &&
           DateTime::isValidDate(*year, month, *day) && *hour <= 23 && *minute <= 59;
}

DateTime FnBirthMomentFromDetails() {
    const BirthDetails& b = state().birth;
    const std::string text =
        b.gBirthDay + "/" + b.gBirthMonth + "/" + b.gBirthYear + " " + b.gBirthHour + ":" + b.gBirthMinute + ": 00";
    return parseDate(formatDateText(text, "DD/MM/YYYY HH:NN AM/PM"));
}

void FnCalcBodyPositions(double span) {
    try {
        SharedState& s = state();
        BodyPositions& pos = s.positions;
        BodySigns& signs = s.signs;
        ChartCalculators& calc = chartObjects();

        // 1. Birth moment.
        pos.gBirthDateTime = FnBirthMomentFromDetails();
        s.gBirthDateTime = pos.gBirthDateTime;

        // 2. The ten bodies, midheaven and ayanamsa by the preferred ayanamsa.
        const Place place = placeOfBirth();
        ClsFindPlanetPosition& pp = calc.gObjPlanetPos;
        const ChartAyanamsa& ay = s.chartAyanamsa;
        pp.FindFixValues(pos.gBirthDateTime, place.latNS, place.latDeg, place.latMin, place.lonEW, place.lonDeg,
                         place.lonMin, place.zoneHours, place.zoneEW, 0, s.prefs.gAyanamsaName,
                         ay.gChartCustomZeroYear, ay.gChartCustomProgress);
        pos.gLagnaLongitude = pp.FnFindLagnaPosition();
        pos.gSunLongitude = pp.FnFindSunPosition();
        pos.gMoonLongitude = pp.FnFindMoonPosition();
        pos.gMarsLongitude = pp.FnFindMarsPosition();
        pos.gMercuryLongitude = pp.FnFindMercuryPosition();
        pos.gJupiterLongitude = pp.FnFindJupiterPosition();
        pos.gVenusLongitude = pp.FnFindVenusPosition();
        pos.gSaturnLongitude = pp.FnFindSaturnPosition();
        pos.gRahuLongitude = pp.FnFindRahuPosition();
        pos.gKethuLongitude = pp.FnFindKethuPosition();
        pos.gMidheaven = pp.FnFindMidHeaven();
        pos.gAyanamsaValue = pp.FnFindAyanamsa();

        // 3. Signs of the division.
        signs.gSunSign = FnSignNumber(pos.gSunLongitude, span);
        signs.gLagnaSign = FnSignNumber(pos.gLagnaLongitude, span);
        signs.gMarsSign = FnSignNumber(pos.gMarsLongitude, span);
        signs.gMercurySign = FnSignNumber(pos.gMercuryLongitude, span);
        signs.gJupiterSign = FnSignNumber(pos.gJupiterLongitude, span);
        signs.gVenusSign = FnSignNumber(pos.gVenusLongitude, span);
        signs.gSaturnSign = FnSignNumber(pos.gSaturnLongitude, span);
        signs.gRahuSign = FnSignNumber(pos.gRahuLongitude, span);
        signs.gKethuSign = FnSignNumber(pos.gKethuLongitude, span);
        signs.gMoonSign = FnSignNumber(pos.gMoonLongitude, span);

        // 4. Sun times of the birth date. Only the date counts, so the next
        // day's sunrise is that of the birth date plus one day.
        SunTimes& sun = s.sunTimes;
        sun.gDaySunrise = sunriseOf(pos.gBirthDateTime, place);
        sun.gDaySunset = sunsetOf(pos.gBirthDateTime, place);
        sun.gNextDaySunrise = sunriseOf(dateAdd(DateUnit::Day, 1, pos.gBirthDateTime.datePart()), place);

        // Gulika and Maandi are placed by the sun times; without them nothing
        // is computed from a stale time.
        pos.gGulikaMaandiKnown = false;
        pos.gGulikaLongitude = pos.gMaandiLongitude = 0;
        signs.gGulikaSign = signs.gMaandiSign = 0;

        // 5. Day or night, and the period (a day and its night) the birth
        // belongs to.
        DateTime periodDate;
        std::optional<DateTime> periodSunrise, periodSunset, periodNextSunrise;
        bool byDay = false;
        const DateTime& birth = pos.gBirthDateTime;
        if (sun.gDaySunrise && sun.gDaySunset) {
            // By day strictly between sunrise and sunset.
            byDay = *sun.gDaySunrise < birth && birth < *sun.gDaySunset;
            if (byDay) {
                periodDate = birth;
                periodSunrise = sun.gDaySunrise;
                periodSunset = sun.gDaySunset;
                periodNextSunrise = sun.gNextDaySunrise;
            } else {
                // A night before dawn belongs to the previous day's night.
                periodDate = isAM(birth) ? dateAdd(DateUnit::Day, -1, birth) : birth;
                periodSunrise = sunriseOf(periodDate, place);
                periodSunset = sunsetOf(periodDate, place);
                periodNextSunrise = sunriseOf(dateAdd(DateUnit::Day, 1, periodDate), place);
                // Where the Sun sets after midnight on the clock, a birth after
                // midnight and before that sunset is still in the day before.
                byDay = periodSunrise && periodSunset && *periodSunrise < birth && birth < *periodSunset;
                // Where the next day rises before midnight, a birth after that
                // rising is in the next date's day.
                if (!byDay && periodNextSunrise && periodNextSunrise->datePart() == periodDate.datePart() &&
                    *periodNextSunrise < birth) {
                    periodDate = dateAdd(DateUnit::Day, 1, periodDate);
                    periodSunrise = periodNextSunrise;
                    periodSunset = sunsetOf(periodDate, place);
                    periodNextSunrise = sunriseOf(dateAdd(DateUnit::Day, 1, periodDate), place);
                    byDay = periodSunset && birth < *periodSunset;
                }
            }
        } else if (sun.gDaySunrise && *sun.gDaySunrise < birth) {
            // After the date's sunrise, a date whose Sun does not set has no
            // period that ends.
            return;
        } else if (sun.gDaySunset && !(birth < *sun.gDaySunset)) {
            // From the sunset of a date whose Sun did not rise (the last date
            // of midnight sun): the date's own night, up to the next sunrise.
            periodDate = birth;
            periodSunset = sun.gDaySunset;
            periodNextSunrise = sun.gNextDaySunrise;
        } else {
            // Up to the sunrise of a date whose Sun does not set (the first
            // date of midnight sun), or on a date with no sunrise: the birth
            // belongs to the day before, by day until that day's sunset
            // (which comes after midnight) and in its night after it. A birth
            // at the sunrise itself is by night, as on any other date.
            periodDate = dateAdd(DateUnit::Day, -1, birth);
            periodSunrise = sunriseOf(periodDate, place);
            periodSunset = sunsetOf(periodDate, place);
            periodNextSunrise = sun.gDaySunrise;
            byDay = periodSunrise && periodSunset && *periodSunrise < birth && birth < *periodSunset;
        }
        // A day needs its sunrise and sunset (byDay holds only with both); a
        // night needs only its sunset and the next sunrise, as the night after
        // the midnight sun follows a day whose Sun did not rise.
        if (!periodSunset || !periodNextSunrise) return;
        // A night whose day had no sunrise begins at its sunset; before it the
        // Sun has not set since the midnight sun.
        if (!byDay && !periodSunrise && birth < *periodSunset) return;

        // 6. Divisions of the period's day and night. A day without a sunrise
        // is given no length: its night is divided all the same.
        clsTimes& times = calc.gObjTimes;
        times.currentdate = periodDate;
        times.Sunrisetime = periodSunrise ? *periodSunrise : *periodSunset;
        times.Sunsettime = *periodSunset;
        times.SunRiseNexttime = *periodNextSunrise;
        times.findtimes();

        // 7. The Gulika and Maandi moments, to the minute, dated from the
        // period's sunrise, or from the period date for a day that rose
        // before its date's midnight or a night whose day had none. A night
        // time before noon lies after midnight, on the next day.
        DateTime gulikaMoment, maandiMoment;
        const DateTime periodDay =
            periodSunrise && !(periodSunrise->datePart() < periodDate.datePart()) ? *periodSunrise : periodDate;
        if (byDay) {
            gulikaMoment = atTimeOfDay(periodDay, times.GulikaRise_Day);
            maandiMoment = atTimeOfDay(periodDay, times.MandiRise_Day);
        } else {
            const DateTime nextDay = dateAdd(DateUnit::Day, 1, periodDay);
            const DateTime& g = times.GulikaRise_Night;
            const DateTime& m = times.MandiRise_Night;
            gulikaMoment = atTimeOfDay(isAM(g) ? nextDay : periodDay, g);
            maandiMoment = atTimeOfDay(isAM(m) ? nextDay : periodDay, m);
        }

        // 8. Each is the ascendant of its moment, by the chart's ayanamsa.
        pp.FindFixValues(gulikaMoment, place.latNS, place.latDeg, place.latMin, place.lonEW, place.lonDeg,
                         place.lonMin, place.zoneHours, place.zoneEW, 0, ay.gAyanamsaChoice,
                         ay.gChartCustomZeroYear, ay.gChartCustomProgress);
        pos.gGulikaLongitude = pp.FnFindLagnaPosition();
        signs.gGulikaSign = FnSignNumber(pos.gGulikaLongitude, span);
        pp.FindFixValues(maandiMoment, place.latNS, place.latDeg, place.latMin, place.lonEW, place.lonDeg,
                         place.lonMin, place.zoneHours, place.zoneEW, 0, ay.gAyanamsaChoice,
                         ay.gChartCustomZeroYear, ay.gChartCustomProgress);
        pos.gMaandiLongitude = pp.FnFindLagnaPosition();
        signs.gMaandiSign = FnSignNumber(pos.gMaandiLongitude, span);
        pos.gGulikaMaandiKnown = true;
    } catch (const RunTimeError& e) {
        FnShowPlainError(e);
    }
}

}  // namespace jd
