#pragma once
// A date-time value: a calendar date (years 1..9999) and a time of day to the
// whole second. Arithmetic on "days and fraction of a day" goes through the
// serial view: days since 30 Dec 1899, the time as the fraction of a day.
// The serial view of a moment before day zero is plain arithmetic (floor of
// the serial is the day, the rest the time), so sums and differences are
// always continuous.
#include <compare>
#include <cstdint>

namespace jd {

class DateTime {
public:
    // Day zero, 30 Dec 1899 00:00:00.
    DateTime() = default;

    // Raises RunTimeError::invalidCall() on a date or time out of range
    // (30 February, hour 24, year 0 ...).
    static DateTime of(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
    // A time of day on day zero (hour may not exceed 23).
    static DateTime timeOfDay(int hour, int minute, int second);
    static bool isValidDate(int year, int month, int day);
    static bool isLeapYear(int year);
    static int daysInMonth(int year, int month);

    // Days since 30 Dec 1899, the time of day as a fraction, rounded to the
    // nearest whole second. Raises overflow outside years 1..9999.
    static DateTime fromSerial(double serial);
    double serial() const;
    // Whole days since 30 Dec 1899 of the date part.
    std::int64_t dayNumber() const;
    // Seconds since midnight of the time part.
    int secondsOfDay() const { return hour_ * 3600 + minute_ * 60 + second_; }
    // Whole seconds since day zero, for exact comparisons and differences.
    std::int64_t totalSeconds() const { return dayNumber() * 86400 + secondsOfDay(); }
    static DateTime fromTotalSeconds(std::int64_t seconds);

    int year() const { return year_; }
    int month() const { return month_; }
    int day() const { return day_; }
    int hour() const { return hour_; }
    int minute() const { return minute_; }
    int second() const { return second_; }

    DateTime datePart() const { return of(year_, month_, day_); }
    DateTime timePart() const;  // the time of day on day zero

    friend bool operator==(const DateTime& a, const DateTime& b) { return a.totalSeconds() == b.totalSeconds(); }
    friend std::strong_ordering operator<=>(const DateTime& a, const DateTime& b) {
        return a.totalSeconds() <=> b.totalSeconds();
    }

private:
    int year_ = 1899, month_ = 12, day_ = 30;
    int hour_ = 0, minute_ = 0, second_ = 0;
};

}  // namespace jd
