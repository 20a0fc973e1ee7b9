#include "platform/date_time.h"

#include <cmath>

#include "platform/run_time_error.h"

namespace jd {
namespace {

// Days from 1 Mar 0000 in the proleptic Gregorian calendar (civil-from-days
// algorithm), shifted so that 30 Dec 1899 is 0.
constexpr std::int64_t kDayZero = 693899;  // days_from_civil(1899, 12, 30) in this numbering

std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe);
}

void civilFromDays(std::int64_t z, int& y, int& m, int& d) {
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t yy = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2));
}

}  // namespace

bool DateTime::isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DateTime::daysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && isLeapYear(year)) return 29;
    return days[month - 1];
}

bool DateTime::isValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

DateTime DateTime::of(int year, int month, int day, int hour, int minute, int second) {
    if (!isValidDate(year, month, day) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59) {
        throw RunTimeError::invalidCall();
    }
    DateTime t;
    t.year_ = year;
    t.month_ = month;
    t.day_ = day;
    t.hour_ = hour;
    t.minute_ = minute;
    t.second_ = second;
    return t;
}

DateTime DateTime::timeOfDay(int hour, int minute, int second) { return of(1899, 12, 30, hour, minute, second); }

std::int64_t DateTime::dayNumber() const {
    return daysFromCivil(year_, static_cast<unsigned>(month_), static_cast<unsigned>(day_)) - kDayZero;
}

double DateTime::serial() const { return static_cast<double>(dayNumber()) + secondsOfDay() / 86400.0; }

DateTime DateTime::fromTotalSeconds(std::int64_t seconds) {
    std::int64_t days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    const int rest = static_cast<int>(seconds - days * 86400);
    int y, m, d;
    civilFromDays(days + kDayZero, y, m, d);
    if (y < 1 || y > 9999) throw RunTimeError::overflow();
    return of(y, m, d, rest / 3600, rest / 60 % 60, rest % 60);
}

DateTime DateTime::fromSerial(double serial) {
    if (!std::isfinite(serial) || serial < -657435.0 || serial >= 2958466.0) throw RunTimeError::overflow();
    return fromTotalSeconds(static_cast<std::int64_t>(std::llround(serial * 86400.0)));
}

DateTime DateTime::timePart() const { return of(1899, 12, 30, hour_, minute_, second_); }

}  // namespace jd
