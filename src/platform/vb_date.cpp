#include "platform/vb_date.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/run_time_error.h"
#include "platform/text.h"
#include "platform/vb_number.h"

namespace jd {
namespace {

constexpr std::array<const char*, 12> kMonthNames = {"January", "February", "March",     "April",
                                                     "May",     "June",     "July",      "August",
                                                     "September", "October", "November", "December"};
constexpr std::array<const char*, 7> kWeekdayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                      "Thursday", "Friday", "Saturday"};

char foldChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

const std::int64_t kFirstSecond = DateTime::of(1, 1, 1).totalSeconds();
const std::int64_t kLastSecond = DateTime::of(9999, 12, 31, 23, 59, 59).totalSeconds();

DateTime fromSecondsOrInvalid(std::int64_t seconds) {
    if (seconds < kFirstSecond || seconds > kLastSecond) throw RunTimeError::invalidCall();
    return DateTime::fromTotalSeconds(seconds);
}

// Months counted from January of year 0, so that year and month come back by
// floor division.
DateTime addMonths(const DateTime& t, std::int64_t months) {
    const std::int64_t total = static_cast<std::int64_t>(t.year()) * 12 + (t.month() - 1) + months;
    const std::int64_t year = floorDiv(total, 12);
    if (year < 1 || year > 9999) throw RunTimeError::invalidCall();
    const int y = static_cast<int>(year);
    const int m = static_cast<int>(total - year * 12) + 1;
    const int d = std::min(t.day(), DateTime::daysInMonth(y, m));
    return DateTime::of(y, m, d, t.hour(), t.minute(), t.second());
}

std::string twoDigits(int n) {
    std::string s = std::to_string(n);
    return s.size() < 2 ? "0" + s : s;
}

std::string fourDigits(int n) {
    std::string s = std::to_string(n);
    while (s.size() < 4) s.insert(s.begin(), '0');
    return s;
}

// ---- patterns -------------------------------------------------------------

enum class Field { Literal, Day, Month, Year, Hour, Minute, Second, AmPm };

struct Token {
    Field field = Field::Literal;
    int count = 0;         // letters in the run (d, dd, ddd ...)
    std::string text;      // the literal, or the AM/PM spelling
};

std::vector<Token> tokenize(std::string_view p) {
    std::vector<Token> tokens;
    auto literal = [&tokens](std::string_view s) {
        if (!tokens.empty() && tokens.back().field == Field::Literal)
            tokens.back().text += s;
        else
            tokens.push_back({Field::Literal, 0, std::string(s)});
    };
    std::size_t i = 0;
    while (i < p.size()) {
        const char c = p[i];
        if (c == '"') {
            const std::size_t end = p.find('"', i + 1);
            const std::size_t stop = end == std::string_view::npos ? p.size() : end;
            literal(p.substr(i + 1, stop - i - 1));
            i = stop == p.size() ? stop : stop + 1;
            continue;
        }
        if (c == '\\') {
            if (i + 1 < p.size()) literal(p.substr(i + 1, 1));
            i += 2;
            continue;
        }
        if (equalsNoCase(p.substr(i, 5), "am/pm")) {
            tokens.push_back({Field::AmPm, 2, std::string(p.substr(i, 5))});
            i += 5;
            continue;
        }
        if (equalsNoCase(p.substr(i, 3), "a/p")) {
            tokens.push_back({Field::AmPm, 1, std::string(p.substr(i, 3))});
            i += 3;
            continue;
        }
        Field f = Field::Literal;
        switch (foldChar(c)) {
            case 'd': f = Field::Day; break;
            case 'm': f = Field::Month; break;
            case 'y': f = Field::Year; break;
            case 'h': f = Field::Hour; break;
            case 'n': f = Field::Minute; break;
            case 's': f = Field::Second; break;
            default: break;
        }
        if (f == Field::Literal) {
            literal(p.substr(i, 1));
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < p.size() && foldChar(p[j]) == foldChar(c)) ++j;
        tokens.push_back({f, static_cast<int>(j - i), {}});
        i = j;
    }
    // "m" or "mm" right after an hour (literals between) means minutes.
    Field previous = Field::Literal;
    for (auto& t : tokens) {
        if (t.field == Field::Literal) continue;
        if (t.field == Field::Month && t.count <= 2 && previous == Field::Hour) t.field = Field::Minute;
        previous = t.field;
    }
    return tokens;
}

bool isAm(const DateTime& t) { return t.hour() < 12; }

std::string amPmText(const Token& tok, const DateTime& t) {
    // The case of the written letter decides the case of the output.
    const bool am = isAm(t);
    const char first = am ? tok.text[0] : tok.text[tok.count == 2 ? 3 : 2];
    const bool upper = first >= 'A' && first <= 'Z';
    if (tok.count == 1) return upper ? (am ? "A" : "P") : (am ? "a" : "p");
    return upper ? (am ? "AM" : "PM") : (am ? "am" : "pm");
}

int dayOfYear(const DateTime& t) {
    return static_cast<int>(t.dayNumber() - DateTime::of(t.year(), 1, 1).dayNumber()) + 1;
}

std::string fieldText(const Token& tok, const DateTime& t, bool twelveHour) {
    auto plainOrTwo = [&tok](int n) { return tok.count == 1 ? std::to_string(n) : twoDigits(n); };
    switch (tok.field) {
        case Field::Literal: return tok.text;
        case Field::AmPm: return amPmText(tok, t);
        case Field::Day:
            if (tok.count <= 2) return plainOrTwo(t.day());
            if (tok.count == 3) return std::string(kWeekdayNames[weekday(t) - 1]).substr(0, 3);
            if (tok.count == 4) return kWeekdayNames[weekday(t) - 1];
            break;
        case Field::Month:
            if (tok.count <= 2) return plainOrTwo(t.month());
            if (tok.count == 3) return monthAbbreviation(t.month());
            if (tok.count == 4) return monthName(t.month());
            break;
        case Field::Year:
            if (tok.count == 1) return std::to_string(dayOfYear(t));
            if (tok.count == 2) return twoDigits(t.year() % 100);
            if (tok.count == 4) return fourDigits(t.year());
            break;
        case Field::Hour:
            if (tok.count <= 2) {
                int h = t.hour();
                if (twelveHour) h = h % 12 == 0 ? 12 : h % 12;
                return plainOrTwo(h);
            }
            break;
        case Field::Minute:
            if (tok.count <= 2) return plainOrTwo(t.minute());
            break;
        case Field::Second:
            if (tok.count <= 2) return plainOrTwo(t.second());
            break;
    }
    // A run of letters the run time gives no meaning here (e.g. "hhh").
    throw RunTimeError::invalidCall();
}

// ---- reading --------------------------------------------------------------

class Reader {
public:
    explicit Reader(std::string_view s) : s_(s) {}

    void skipBlanks() {
        while (i_ < s_.size() && s_[i_] == ' ') ++i_;
    }
    bool atEnd() const { return i_ >= s_.size(); }
    char peek() const { return atEnd() ? '\0' : s_[i_]; }
    bool accept(char c) {
        if (peek() != c) return false;
        ++i_;
        return true;
    }
    // A run of at most maxDigits decimal digits; nothing when none is there
    // or the run is longer.
    std::optional<int> number(std::size_t maxDigits) {
        const std::size_t start = i_;
        while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9') ++i_;
        const std::size_t n = i_ - start;
        if (n == 0 || n > maxDigits) return std::nullopt;
        int v = 0;
        for (std::size_t k = start; k < i_; ++k) v = v * 10 + (s_[k] - '0');
        lastDigits_ = n;
        return v;
    }
    std::string_view word() {
        const std::size_t start = i_;
        while (i_ < s_.size() && ((s_[i_] >= 'a' && s_[i_] <= 'z') || (s_[i_] >= 'A' && s_[i_] <= 'Z'))) ++i_;
        return s_.substr(start, i_ - start);
    }
    std::size_t lastDigits() const { return lastDigits_; }
    std::size_t position() const { return i_; }

private:
    std::string_view s_;
    std::size_t i_ = 0;
    std::size_t lastDigits_ = 0;
};

[[noreturn]] void notADate() { throw RunTimeError::typeMismatch(); }

bool isDateSeparator(char c) { return c == '/' || c == '-'; }

struct DatePart { int year, month, day; };
struct TimePart { int hour, minute, second; };

// Day, separator, month (number or name), separator, year.
DatePart readDate(Reader& r, int day) {
    r.skipBlanks();
    if (!isDateSeparator(r.peek())) notADate();
    r.accept(r.peek());
    r.skipBlanks();
    int month = 0;
    if (auto m = r.number(2)) {
        month = *m;
    } else {
        month = monthFromName(r.word());
        if (month == 0) notADate();
    }
    r.skipBlanks();
    if (!isDateSeparator(r.peek())) notADate();
    r.accept(r.peek());
    r.skipBlanks();
    auto y = r.number(4);
    if (!y) notADate();
    int year = *y;
    if (r.lastDigits() <= 2) year += year < 30 ? 2000 : 1900;
    if (!DateTime::isValidDate(year, month, day)) notADate();
    return {year, month, day};
}

// After the hour: ":" minutes [":" seconds] [AM/PM], or AM/PM alone.
TimePart readTime(Reader& r, int hour) {
    int minute = 0, second = 0;
    r.skipBlanks();
    const bool colon = r.accept(':');
    if (colon) {
        r.skipBlanks();
        auto m = r.number(2);
        if (!m) notADate();
        minute = *m;
        r.skipBlanks();
        if (r.accept(':')) {
            r.skipBlanks();
            auto s = r.number(2);
            if (!s) notADate();
            second = *s;
            r.skipBlanks();
        }
    }
    const std::string_view half = r.word();
    if (!colon && half.empty()) notADate();  // a bare number is no time
    if (!half.empty()) {
        const bool am = equalsNoCase(half, "AM") || equalsNoCase(half, "A");
        const bool pm = equalsNoCase(half, "PM") || equalsNoCase(half, "P");
        if ((!am && !pm) || hour > 12) notADate();
        if (am && hour == 12) hour = 0;
        if (pm && hour < 12) hour += 12;
    }
    if (hour > 23 || minute > 59 || second > 59) notADate();
    return {hour, minute, second};
}

DateTime read(std::string_view text) {
    Reader r(text);
    r.skipBlanks();
    auto first = r.number(2);
    if (!first) notADate();
    DatePart date{1899, 12, 30};
    TimePart time{0, 0, 0};
    r.skipBlanks();
    if (isDateSeparator(r.peek())) {
        date = readDate(r, *first);
        const std::size_t beforeBlanks = r.position();
        r.skipBlanks();
        if (!r.atEnd()) {
            if (r.position() == beforeBlanks) notADate();  // the time must stand apart
            auto hour = r.number(2);
            if (!hour) notADate();
            time = readTime(r, *hour);
        }
    } else {
        time = readTime(r, *first);
    }
    r.skipBlanks();
    if (!r.atEnd()) notADate();
    return DateTime::of(date.year, date.month, date.day, time.hour, time.minute, time.second);
}

}  // namespace

DateUnit dateUnit(std::string_view interval) {
    if (equalsNoCase(interval, "yyyy")) return DateUnit::Year;
    if (equalsNoCase(interval, "m")) return DateUnit::Month;
    if (equalsNoCase(interval, "d")) return DateUnit::Day;
    if (equalsNoCase(interval, "h")) return DateUnit::Hour;
    if (equalsNoCase(interval, "n")) return DateUnit::Minute;
    if (equalsNoCase(interval, "s")) return DateUnit::Second;
    throw RunTimeError::invalidCall();
}

DateTime dateAdd(DateUnit unit, double number, const DateTime& t) {
    const double whole = roundHalfEven(number);
    // Far beyond the 10,000 years of the calendar in any unit.
    if (!std::isfinite(whole) || std::fabs(whole) > 1e12) throw RunTimeError::invalidCall();
    const auto n = static_cast<std::int64_t>(whole);
    switch (unit) {
        case DateUnit::Year: return addMonths(t, n * 12);
        case DateUnit::Month: return addMonths(t, n);
        case DateUnit::Day: return fromSecondsOrInvalid(t.totalSeconds() + n * 86400);
        case DateUnit::Hour: return fromSecondsOrInvalid(t.totalSeconds() + n * 3600);
        case DateUnit::Minute: return fromSecondsOrInvalid(t.totalSeconds() + n * 60);
        case DateUnit::Second: return fromSecondsOrInvalid(t.totalSeconds() + n);
    }
    throw RunTimeError::invalidCall();
}

DateTime dateAdd(std::string_view interval, double number, const DateTime& t) {
    return dateAdd(dateUnit(interval), number, t);
}

long long dateDiff(DateUnit unit, const DateTime& from, const DateTime& to) {
    switch (unit) {
        case DateUnit::Year: return to.year() - from.year();
        case DateUnit::Month: return (to.year() - from.year()) * 12LL + (to.month() - from.month());
        case DateUnit::Day: return to.dayNumber() - from.dayNumber();
        case DateUnit::Hour: return floorDiv(to.totalSeconds(), 3600) - floorDiv(from.totalSeconds(), 3600);
        case DateUnit::Minute: return floorDiv(to.totalSeconds(), 60) - floorDiv(from.totalSeconds(), 60);
        case DateUnit::Second: return to.totalSeconds() - from.totalSeconds();
    }
    throw RunTimeError::invalidCall();
}

long long dateDiff(std::string_view interval, const DateTime& from, const DateTime& to) {
    return dateDiff(dateUnit(interval), from, to);
}

int weekday(const DateTime& t) {
    // Day zero, 30 Dec 1899, was a Saturday.
    return static_cast<int>(((t.dayNumber() + 6) % 7 + 7) % 7) + 1;
}

std::string weekdayName(int weekdayNumber) {
    if (weekdayNumber < 1 || weekdayNumber > 7) throw RunTimeError::invalidCall();
    return kWeekdayNames[weekdayNumber - 1];
}

std::string monthName(int month) {
    if (month < 1 || month > 12) throw RunTimeError::invalidCall();
    return kMonthNames[month - 1];
}

std::string monthAbbreviation(int month) { return monthName(month).substr(0, 3); }

int monthFromName(std::string_view name) {
    for (int m = 1; m <= 12; ++m) {
        const std::string_view full = kMonthNames[m - 1];
        if (equalsNoCase(name, full) || equalsNoCase(name, full.substr(0, 3))) return m;
    }
    return 0;
}

DateTime timeSerial(int hour, int minute, int second) {
    for (int part : {hour, minute, second})
        if (part < -32768 || part > 32767) throw RunTimeError::overflow();
    return DateTime::fromTotalSeconds(static_cast<std::int64_t>(hour) * 3600 +
                                      static_cast<std::int64_t>(minute) * 60 + second);
}

DateTime dateSerial(int year, int month, int day) {
    const DateTime first = addMonths(DateTime::of(1, 1, 1), (static_cast<std::int64_t>(year) - 1) * 12 + (month - 1));
    return fromSecondsOrInvalid(first.totalSeconds() + (static_cast<std::int64_t>(day) - 1) * 86400);
}

std::string formatDate(const DateTime& t, std::string_view pattern) {
    const auto tokens = tokenize(pattern);
    bool twelveHour = false;
    for (const auto& tok : tokens)
        if (tok.field == Field::AmPm) twelveHour = true;
    std::string out;
    for (const auto& tok : tokens) out += fieldText(tok, t, twelveHour);
    return out;
}

std::string formatDateText(std::string_view text, std::string_view pattern) {
    return formatDate(parseDate(text), pattern);
}

std::string generalDateText(const DateTime& t) {
    const std::string time = formatDate(t, "hh:nn:ss");
    if (t.dayNumber() == 0) return time;
    const std::string date = formatDate(t, "dd/mm/yyyy");
    return t.secondsOfDay() == 0 ? date : date + " " + time;
}

DateTime parseDate(std::string_view text) { return read(text); }

bool isDate(std::string_view text) {
    try {
        read(text);
        return true;
    } catch (const RunTimeError&) {
        return false;
    }
}

}  // namespace jd
