#include "horoscope/birth_texts.h"

#include <cmath>
#include <optional>

#include "calendar/angle_text.h"
#include "calendar/lunar_month.h"
#include "calendar/solar_calendar.h"
#include "horoscope/body_positions.h"
#include "horoscope/chart_objects.h"
#include "horoscope/error_boxes.h"
#include "horoscope/local_mean_time.h"
#include "horoscope/name_tables.h"
#include "platform/vb_date.h"
#include "platform/vb_number.h"
#include "state/result_windows.h"
#include "state/shared_records.h"

namespace jd {

namespace {

// Solar months of the northward and the southward course of the Sun.
bool isUttarayanaMonth(const std::string& m) {
    return m == "Vaisakha" || m == "Chaitra" || m == "Jyeshtha" || m == "Pausha" || m == "Magha" || m == "Phalguna";
}

bool isDakshinayanaMonth(const std::string& m) {
    return m == "Sravana" || m == "Ashadha" || m == "Bhadrapada" || m == "Asvina" || m == "Karttika" ||
           m == "Margasira";
}

// "17 N 20": degrees and minutes as numbers (no leading zeros) around the
// hemisphere letter.
std::string placeText(const std::string& degrees, const std::string& letter, const std::string& minutes) {
    return numberText(toDouble(degrees)) + " " + letter + " " + numberText(toDouble(minutes));
}

// "Shudha  /  Sravana  /  Vishvavasu"; empty when the month is not known.
std::string lunarDateText(const std::string& mark, const std::string& month, const std::string& yearName) {
    if (month.empty()) return {};
    return mark + "  /  " + month + "  /  " + yearName;
}

}  // namespace

std::string FnTimeOfBirthText(const std::string& hour, const std::string& minute) {
    const double h = toDouble(hour);
    std::string shown;
    std::string half;
    if (h == 0) {
        shown = "12";
        half = "AM";
    } else if (h < 12) {
        shown = hour;
        half = "AM";
    } else if (h == 12) {
        shown = "12";
        half = "PM";
    } else {
        shown = numberText(h - 12);
        half = "PM";
    }
    return shown + " : " + minute + "  " + half;
}

void FnFillPanchangaText() {
    try {
        SharedState& s = state();
        const BirthDetails& b = s.birth;
        const BodyPositions& pos = s.positions;
        UserDetailsContents& u = resultWindows().frm_UserDetails;
        ChartCalculators& calc = chartObjects();

        u.txtGName.setCaption(b.gChartName);
        u.txtSex.setCaption(b.gGender);
        u.Txt_BC_Date.setCaption(b.gBirthDay + " / " + b.gBirthMonth + " / " + b.gBirthYear);
        u.txtTimeOfBirth.setCaption(FnTimeOfBirthText(b.gBirthHour, b.gBirthMinute));

        s.gBirthClockTime = FnBirthMomentFromDetails();
        u.txtist.setCaption(formatDate(s.gBirthClockTime, "dd/MMM/YYYY HH:MM AM/PM"));

        FnComputeLocalMeanTime();

        // Greenwich time: a zone east of Greenwich is behind it by its hours.
        const double zoneHours = toDouble(b.gZoneHours);
        double minutes = zoneHours * 60;
        if (b.gZoneEW == "E") minutes = -minutes;
        u.txtgmt.setCaption(
            formatDate(dateAdd(DateUnit::Minute, minutes, s.gBirthDateTime), "DD/MMM/YYYY HH:MM AM/PM"));

        FnComputeIshtaGhatika();

        u.txtAyanamsa.setCaption(FnFormatDegMinSec(std::fabs(pos.gAyanamsaValue)) + "  (" + s.prefs.gAyanamsaName +
                                 ")");
        u.txtCity.setCaption(b.gCity);
        u.txtCountry.setCaption(b.gCountry);
        u.txtLatutude.setCaption(placeText(b.gLatDeg, b.gLatNS, b.gLatMin));
        u.txtLongitude.setCaption(placeText(b.gLonDeg, b.gLonEW, b.gLonMin));

        // Sun times of the birth date; a day without sunrise or sunset (near
        // the poles) leaves its text empty, and the vedic weekday with it.
        const double latDeg = toDouble(b.gLatDeg), latMin = toDouble(b.gLatMin);
        const double lonDeg = toDouble(b.gLonDeg), lonMin = toDouble(b.gLonMin);
        const std::optional<DateTime> sunrise = calc.gObjSunrise.FnFindSunrise(
            s.gBirthClockTime, b.gLatNS, latDeg, latMin, b.gLonEW, lonDeg, lonMin, false, zoneHours, b.gZoneEW);
        const std::optional<DateTime> sunset = calc.gObjSunset.FnFindSunset(
            s.gBirthClockTime, b.gLatNS, latDeg, latMin, b.gLonEW, lonDeg, lonMin, false, zoneHours, b.gZoneEW);
        u.txtSunRise.setCaption(sunrise ? formatDate(*sunrise, "HH:NN AM/PM") : std::string());
        u.txtSunSet.setCaption(sunset ? formatDate(*sunset, "HH:NN AM/PM") : std::string());

        u.txtGregorian.setCaption(weekdayName(weekday(s.gBirthClockTime)));
        // The vedic day begins at sunrise: before it, the birth belongs to
        // the day before; after the sunset, from a next day's sunrise that
        // comes before midnight, to the next day.
        if (sunrise) {
            DateTime vedicDay =
                s.gBirthClockTime >= *sunrise ? s.gBirthClockTime : dateAdd(DateUnit::Day, -1, s.gBirthClockTime);
            if (sunset && s.gBirthClockTime > *sunset) {
                const DateTime nextDate = dateAdd(DateUnit::Day, 1, s.gBirthClockTime.datePart());
                const std::optional<DateTime> nextSunrise = calc.gObjSunrise.FnFindSunrise(
                    nextDate, b.gLatNS, latDeg, latMin, b.gLonEW, lonDeg, lonMin, false, zoneHours, b.gZoneEW);
                if (nextSunrise && s.gBirthClockTime >= *nextSunrise) vedicDay = nextDate;
            }
            u.txtVedic.setCaption(weekdayName(weekday(vedicDay)));
        } else {
            u.txtVedic.setCaption("");
        }

        u.txtTimeZone.setCaption(numberText(zoneHours) + " " + b.gZoneEW);

        // Dates the calendar cannot place (no sunrise that day, a year
        // outside its table) leave their texts empty rather than joining
        // empty parts.
        CalendarResults& cal = s.calendar;
        FnPurnimantaMonth(s.gBirthDateTime, "TP");
        u.txtKLunarDate.setCaption(lunarDateText(cal.gPurnimantaAdhika, cal.gPurnimantaMonth, cal.gPurnimantaYearName));
        FnAmantaMonth(s.gBirthDateTime, "TP");
        u.txtSLunarDate.setCaption(lunarDateText(cal.gAmantaAdhika, cal.gAmantaMonth, cal.gAmantaYearName));
        FnSolarYearData(s.gBirthDateTime);
        const bool solarKnown = !cal.gSolarMonth.empty();
        u.txtKaliyugaYear.setCaption(cal.gKaliYear != 0 ? std::to_string(cal.gKaliYear) : std::string());
        u.txtSolarDate.setCaption(solarKnown ? std::to_string(cal.gSolarDay) + "  /  " + cal.gSolarMonth + "  /  " +
                                                   cal.gSolarYearName
                                             : std::string());
        if (isUttarayanaMonth(cal.gSolarMonth))
            u.txtAyana.setCaption("Uttrayana");
        else if (isDakshinayanaMonth(cal.gSolarMonth))
            u.txtAyana.setCaption("Dakshinaya");

        u.txtLagna.setCaption(FnSignName(s.signs.gLagnaSign));

        clsStar& star = calc.gObjStar;
        star.PlanetPosition = pos.gMoonLongitude;
        star.findstar();
        u.txtStar.setCaption(star.StarName + ", Pada: " + std::to_string(star.StarQuarter));

        clsTithi& tithi = calc.gObjTithi;
        tithi.moonA = pos.gMoonLongitude;
        tithi.sunC = pos.gSunLongitude;
        tithi.FindTithi();
        u.txtTithi.setCaption(tithi.Tithi);
        u.txtPaksha.setCaption(tithi.TithiNo <= 15 ? "Sukla Paksha (Bright)" : "Krishna Paksha (Dark)");
        u.txtKarnam.setCaption(tithi.Karnam);

        clsRasi& rasi = calc.gObjRasi;
        rasi.nchkLanguage = s.prefs.gLanguage;
        rasi.PlanetPosition = pos.gMoonLongitude;
        rasi.findRasi();
        u.txtRasi.setCaption(rasi.RasiName);

        clsYoga& yoga = calc.gObjYoga;
        yoga.moon_position = pos.gMoonLongitude;
        yoga.sun_position = pos.gSunLongitude;
        yoga.findyoga();
        u.txtYogam.setCaption(yoga.YogaName);
    } catch (const RunTimeError& e) {
        FnShowPlainError(e);
    }
}

}  // namespace jd
