#include "platform/vb_number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "platform/run_time_error.h"

namespace jd {
namespace {

// A finite number as its first 15 significant decimal digits (correctly
// rounded) and the power of ten of the first digit: 123.45 is
// "123450000000000" and 2. Zero is fifteen zeros and 0.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits significantDigits(double magnitude) {
    char buf[48];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14);
    const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));  // d.ddddddddddddddde±XX
    Digits d;
    d.digits.reserve(15);
    d.digits += text[0];
    d.digits += text.substr(2, 14);
    const std::string_view exp = text.substr(text.find('e') + 1);
    int e = 0;
    std::from_chars(exp.data() + (exp[0] == '+' ? 1 : 0), exp.data() + exp.size(), e);
    d.exponent = e;
    return d;
}

struct Picture {
    int minInteger = 0;   // '0' places before the point
    int minFraction = 0;  // decimals always written
    int maxFraction = 0;  // decimals at most
    bool point = false;
};

Picture readPicture(std::string_view pattern) {
    Picture p;
    for (char c : pattern) {
        if (c == '.') {
            if (p.point) throw RunTimeError::invalidCall();
            p.point = true;
        } else if (c == '0' || c == '#') {
            if (p.point) {
                ++p.maxFraction;
                if (c == '0') p.minFraction = p.maxFraction;
            } else if (c == '0') {
                ++p.minInteger;
            }
        } else {
            throw RunTimeError::invalidCall();
        }
    }
    return p;
}

// Adds one unit in the last place of a digit string; true when the carry
// runs out of the front.
bool incrementDigits(std::string& s) {
    for (auto it = s.rbegin(); it != s.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

double parseUnsigned(std::string_view digits) {
    double v = 0;
    const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), v);
    if (res.ec == std::errc::result_out_of_range) throw RunTimeError::overflow();
    if (res.ec != std::errc() || res.ptr != digits.data() + digits.size()) throw RunTimeError::typeMismatch();
    return v;
}

std::int64_t roundToRange(double x, std::int64_t lo, std::int64_t hi) {
    if (!std::isfinite(x)) throw RunTimeError::overflow();
    const double r = roundHalfEven(x);
    if (r < static_cast<double>(lo) || r > static_cast<double>(hi)) throw RunTimeError::overflow();
    return static_cast<std::int64_t>(r);
}

}  // namespace

double vbInt(double x) { return std::floor(x); }

double vbFix(double x) { return std::trunc(x); }

double roundHalfEven(double x) {
    if (!std::isfinite(x)) return x;
    const double f = std::floor(x);
    const double rest = x - f;
    if (rest < 0.5) return f;
    if (rest > 0.5) return f + 1;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

int toInt16(double x) { return static_cast<int>(roundToRange(x, -32768, 32767)); }

int toInt16(std::string_view text) { return toInt16(toDouble(text)); }

std::int32_t toInt32(double x) {
    return static_cast<std::int32_t>(
        roundToRange(x, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int32_t toInt32(std::string_view text) { return toInt32(toDouble(text)); }

std::string formatNumber(double x, std::string_view pattern) {
    const Picture pic = readPicture(pattern);
    if (!std::isfinite(x)) throw RunTimeError::overflow();
    const Digits d = significantDigits(std::fabs(x));

    // All digits with the decimal point after `point` of them, at least one
    // before the point and one guard digit beyond the last decimal kept.
    std::string all = d.digits;
    int point = d.exponent + 1;
    if (point < 1) {
        all.insert(0, static_cast<std::size_t>(1 - point), '0');
        point = 1;
    }
    const std::size_t keep = static_cast<std::size_t>(point + pic.maxFraction);
    if (all.size() < keep + 1) all.resize(keep + 1, '0');
    const bool roundUp = all[keep] >= '5';  // a half goes away from zero
    all.resize(keep);
    if (roundUp && incrementDigits(all)) {
        all.insert(all.begin(), '1');
        ++point;
    }

    std::string integer = all.substr(0, static_cast<std::size_t>(point));
    std::string fraction = all.substr(static_cast<std::size_t>(point));
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    if (static_cast<int>(integer.size()) < pic.minInteger)
        integer.insert(0, static_cast<std::size_t>(pic.minInteger) - integer.size(), '0');
    while (static_cast<int>(fraction.size()) > pic.minFraction && fraction.back() == '0') fraction.pop_back();

    const bool zero = all.find_first_not_of('0') == std::string::npos;
    std::string out = (x < 0 && !zero) ? "-" : "";
    out += integer;
    if (pic.point) out += "." + fraction;
    return out;
}

std::string numberText(double x) {
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x < 0 ? "-Infinity" : "Infinity";
    if (x == 0) return "0";
    const Digits d = significantDigits(std::fabs(x));
    std::string digits = d.digits;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int e = d.exponent;
    std::string out = x < 0 ? "-" : "";
    if (e < -4 || e >= 15) {
        out += digits.substr(0, 1);
        if (digits.size() > 1) out += "." + digits.substr(1);
        const int a = e < 0 ? -e : e;
        out += e < 0 ? "E-" : "E+";
        if (a < 10) out += '0';
        out += std::to_string(a);
    } else if (e < 0) {
        out += "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + digits;
    } else {
        const auto intDigits = static_cast<std::size_t>(e + 1);
        if (digits.size() <= intDigits) {
            out += digits + std::string(intDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, intDigits) + "." + digits.substr(intDigits);
        }
    }
    return out;
}

bool isNumeric(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    int digits = 0;
    while (i < n && isDigit(text[i])) ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && isDigit(text[i])) ++i, ++digits;
    }
    while (i < n && text[i] == ' ') ++i;
    return digits > 0 && i == n;
}

double toDouble(std::string_view text) {
    if (!isNumeric(text)) throw RunTimeError::typeMismatch();
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    std::string_view body = text.substr(first, last - first + 1);
    bool negative = false;
    if (body[0] == '+' || body[0] == '-') {
        negative = body[0] == '-';
        body.remove_prefix(1);
    }
    // from_chars wants a digit on each side of the point.
    std::string number(body);
    if (number.front() == '.') number.insert(number.begin(), '0');
    if (number.back() == '.') number.pop_back();
    const double v = parseUnsigned(number);
    return negative ? -v : v;
}

double val(std::string_view text) {
    // Blanks, tabs and line feeds anywhere are skipped, as the run time does.
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') s += c;
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    std::string number;
    while (i < s.size() && isDigit(s[i])) number += s[i++];
    if (i < s.size() && s[i] == '.') {
        ++i;
        std::string fraction;
        while (i < s.size() && isDigit(s[i])) fraction += s[i++];
        if (!fraction.empty()) number += (number.empty() ? "0." : ".") + fraction;
    }
    if (number.empty()) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
        const std::size_t digitsStart = j;
        while (j < s.size() && isDigit(s[j])) exponent += s[j++];
        if (j > digitsStart) number += exponent;
    }
    const double v = parseUnsigned(number);
    return negative ? -v : v;
}

}  // namespace jd
