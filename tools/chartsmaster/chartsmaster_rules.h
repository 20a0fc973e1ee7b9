#pragma once
// The rows of table chartsmaster, made from the classical Parashari rules of
// the divisional charts that the program looks up rather than computes.
//
// One row maps an interval of degrees within a rasi sign, for one varga, to
// the sign a body in that interval takes in the varga. For every varga and
// every rasi sign the intervals cover 0 up to 30 degrees exactly once: an
// equal division into n parts has the bounds k * 30 / n (k = 0..n), each the
// double nearest that fraction, so one interval's end is the next one's start
// bit for bit and the last ends at 30. The Trimshamsha's unequal parts have
// whole-degree bounds.
//
// Header-only so that the generator and the tests that check the shipped rows
// share one source of the rules.
#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace jd::chartsmaster {

struct Row {
    std::string_view chartname;  // the varga's name in capitals
    int rasiHouse = 0;           // the body's rasi sign, 1..12
    double startDegree = 0;      // inclusive
    double endDegree = 0;        // exclusive
    int houseNumber = 0;         // the sign the body takes in the varga, 1..12
};

// Sign number brought into 1..12 (any integer, negatives included).
inline int wrapSign(int s) { return ((s - 1) % 12 + 12) % 12 + 1; }

inline bool isOddSign(int s) { return s % 2 == 1; }

// Movable (chara) signs: Aries, Cancer, Libra, Capricorn; fixed (sthira):
// Taurus, Leo, Scorpio, Aquarius; the rest are dual (dvisvabhava).
inline bool isMovableSign(int s) { return s % 3 == 1; }
inline bool isFixedSign(int s) { return s % 3 == 2; }

// The sign of part p (1..n) of rasi sign s in an equally divided varga.
using PartRule = int (*)(int s, int p);

struct EqualDivision {
    std::string_view name;
    int parts;
    PartRule rule;
};

// Hora: odd signs Leo then Cancer, even signs Cancer then Leo.
inline int horaSign(int s, int p) {
    const bool leoFirst = isOddSign(s);
    return (p == 1) == leoFirst ? 5 : 4;
}
// Drekkana: the sign itself, the 5th and the 9th from it.
inline int drekkanaSign(int s, int p) { return wrapSign(s + 4 * (p - 1)); }
// Chaturthamsha: the sign, the 4th, the 7th and the 10th from it.
inline int chaturthamshaSign(int s, int p) { return wrapSign(s + 3 * (p - 1)); }
// Dashamsha: odd signs counted on from the sign, even signs from the 9th.
inline int dashamshaSign(int s, int p) {
    const int first = isOddSign(s) ? s : s + 8;
    return wrapSign(first + p - 1);
}
// Ekadashamsha: the eleven parts counted on from Aries around the zodiac,
// continuing from sign to sign.
inline int ekadashamshaSign(int s, int p) { return ((s - 1) * 11 + p - 1) % 12 + 1; }
// Dwadashamsha: counted on from the sign.
inline int dwadashamshaSign(int s, int p) { return wrapSign(s + p - 1); }
// Chaturvimshamsha: odd signs from Leo, even signs from Cancer.
inline int chaturvimshamshaSign(int s, int p) { return wrapSign((isOddSign(s) ? 5 : 4) + p - 1); }
// Khavedamsa: odd signs from Aries, even signs from Libra.
inline int khavedamsaSign(int s, int p) { return wrapSign((isOddSign(s) ? 1 : 7) + p - 1); }
// Akshvedamsa: movable signs from Aries, fixed from Leo, dual from Sagittarius.
inline int akshvedamsaSign(int s, int p) {
    const int first = isMovableSign(s) ? 1 : isFixedSign(s) ? 5 : 9;
    return wrapSign(first + p - 1);
}
// Shastiamsa: counted on from the sign.
inline int shastiamsaSign(int s, int p) { return wrapSign(s + p - 1); }

// Trimshamsha: five unequal parts ruled by Mars, Saturn, Jupiter, Mercury and
// Venus; odd signs take the odd signs of those lords, even signs the even
// signs in the reverse order.
struct TrimshamshaPart {
    int endDegree;
    int sign;
};
inline constexpr std::array<TrimshamshaPart, 5> kTrimshamshaOdd{{
    {5, 1}, {10, 11}, {18, 9}, {25, 3}, {30, 7}}};  // Aries, Aquarius, Sagittarius, Gemini, Libra
inline constexpr std::array<TrimshamshaPart, 5> kTrimshamshaEven{{
    {5, 2}, {12, 6}, {20, 12}, {25, 10}, {30, 8}}};  // Taurus, Virgo, Pisces, Capricorn, Scorpio

// The looked-up vargas in the order their rows are written. The Trimshamsha
// stands in its place with no equal rule.
struct Division {
    std::string_view name;
    int parts;        // 0 for the Trimshamsha
    PartRule rule;    // null for the Trimshamsha
};
inline constexpr std::array<Division, 11> kDivisions{{
    {"HORA", 2, horaSign},
    {"DREKKANA", 3, drekkanaSign},
    {"CHATURTHAMSHA", 4, chaturthamshaSign},
    {"DASHAMSHA", 10, dashamshaSign},
    {"EKADASHAMSHA", 11, ekadashamshaSign},
    {"DWADASHAMSHA", 12, dwadashamshaSign},
    {"CHATURVIMSHAMSHA", 24, chaturvimshamshaSign},
    {"TRIMSHAMSHA", 0, nullptr},
    {"KHAVEDAMSA", 40, khavedamsaSign},
    {"AKSHVEDAMSA", 45, akshvedamsaSign},
    {"SHASTIAMSA", 60, shastiamsaSign},
}};

// The double nearest k * 30 / n: k * 30 is exact, and one division rounds
// correctly.
inline double partBound(int k, int n) { return (k * 30.0) / n; }

inline std::vector<Row> generateRows() {
    std::vector<Row> rows;
    for (const Division& d : kDivisions) {
        for (int s = 1; s <= 12; ++s) {
            if (d.rule == nullptr) {
                const auto& parts = isOddSign(s) ? kTrimshamshaOdd : kTrimshamshaEven;
                int start = 0;
                for (const TrimshamshaPart& part : parts) {
                    rows.push_back({d.name, s, double(start), double(part.endDegree), part.sign});
                    start = part.endDegree;
                }
                continue;
            }
            for (int p = 1; p <= d.parts; ++p) {
                rows.push_back({d.name, s, partBound(p - 1, d.parts), partBound(p, d.parts), d.rule(s, p)});
            }
        }
    }
    return rows;
}

// The shortest decimal text that reads back as exactly this double, always
// with a fraction part so the value is a real number in SQL ("15.0").
inline std::string exactNumberText(double v) {
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v);
    if (res.ec != std::errc()) throw std::runtime_error("number does not fit");
    std::string text(buf.data(), res.ptr);
    if (text.find_first_of(".e") == std::string::npos) text += ".0";
    return text;
}

// The SQL script that replaces the table's rows.
inline std::string renderSql(const std::vector<Row>& rows) {
    std::string sql =
        "DELETE FROM chartsmaster;\n"
        "-- Rows of chartsmaster, generated by tools/chartsmaster from the classical\n"
        "-- rules of each looked-up varga. Do not edit by hand; run\n"
        "-- tools/chartsmaster/regenerate.sh instead.\n";
    for (const Row& r : rows) {
        sql += "INSERT INTO chartsmaster (chartname, RasiHouse, startDegree, EndDegree, HouseNumber) VALUES ('";
        sql += r.chartname;
        sql += "', " + std::to_string(r.rasiHouse) + ", " + exactNumberText(r.startDegree) + ", " +
               exactNumberText(r.endDegree) + ", " + std::to_string(r.houseNumber) + ");\n";
    }
    return sql;
}

}  // namespace jd::chartsmaster
