#include "report/report_text.h"

#include <cmath>

#include "platform/text.h"

namespace jd::report {

namespace {

// Byte offset of the character numbered `index` (0-based); s.size() past the end.
size_t byteOffset(std::string_view s, int index) {
    if (index <= 0) return 0;
    int seen = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (seen == index) return i;
            ++seen;
        }
    }
    return s.size();
}

}  // namespace

std::string blanks(int count) { return repeated(' ', count); }

std::string repeated(char c, int count) {
    return count > 0 ? std::string(static_cast<size_t>(count), c) : std::string();
}

std::string trimBlanks(std::string_view s) {
    size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    size_t e = s.find_last_not_of(' ');
    return std::string(s.substr(b, e - b + 1));
}

std::string leftChars(std::string_view s, int n) { return std::string(s.substr(0, byteOffset(s, n))); }

std::string midChars(std::string_view s, int from, int n) {
    if (from < 1 || n <= 0) return {};
    size_t b = byteOffset(s, from - 1);
    if (b >= s.size()) return {};
    std::string_view rest = s.substr(b);
    return std::string(rest.substr(0, byteOffset(rest, n)));
}

std::string fieldLeft(std::string_view s, int width) {
    std::string out = leftChars(s, width);
    out += blanks(width - textLength(out));
    return out;
}

std::string fieldRight(std::string_view s, int width) {
    std::string cut = leftChars(s, width);
    return blanks(width - textLength(cut)) + cut;
}

long roundHalfEven(double x) {
    double f = std::floor(x);
    double diff = x - f;
    long n = static_cast<long>(f);
    if (diff > 0.5) return n + 1;
    if (diff < 0.5) return n;
    return (n % 2 == 0) ? n : n + 1;
}

std::string centredLine(std::string_view s) {
    long pad = roundHalfEven(40.0 - textLength(s) / 2.0);
    if (pad < 0) pad = 0;
    std::string line = blanks(static_cast<int>(pad));
    line += s;
    line += blanks(static_cast<int>(pad));
    return line;
}

}  // namespace jd::report
