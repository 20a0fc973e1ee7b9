#pragma once
// Whole-text comparison of report texts with the files under
// tests/report/golden/. The report's lines end in CR LF; the files keep plain
// line feeds so they read well in a terminal, and the comparison first checks
// that every line of the text does end in CR LF. On a difference the message
// names the first differing line and shows both versions of it.
//
// Setting JD_UPDATE_GOLDEN=1 rewrites the files from the texts (then read the
// difference before committing it).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace jd::testing {

inline std::string goldenPath(const std::string& name) {
    return std::string(JD_SOURCE_DIR) + "/tests/report/golden/" + name;
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// The text with CR LF turned into LF; fails the test on a lone CR or LF.
inline std::string crLfToLf(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                out += '\n';
                ++i;
                continue;
            }
            ADD_FAILURE() << "lone CR at byte " << i;
        } else if (text[i] == '\n') {
            ADD_FAILURE() << "LF without CR at byte " << i;
        }
        out += text[i];
    }
    return out;
}

inline std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t at = text.find('\n', start);
        if (at == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    return lines;
}

// Shows blanks and control characters so that a difference in them is seen.
inline std::string visible(const std::string& line) {
    std::string out = "[";
    for (char c : line) {
        if (c == '\f') out += "<FF>";
        else if (c == '\r') out += "<CR>";
        else out += c;
    }
    return out + "] (" + std::to_string(line.size()) + " bytes)";
}

// Compares two LF texts; on a difference reports the first differing line.
inline ::testing::AssertionResult sameText(const std::string& actual, const std::string& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    auto a = splitLines(actual);
    auto e = splitLines(expected);
    size_t n = 0;
    while (n < a.size() && n < e.size() && a[n] == e[n]) ++n;
    auto result = ::testing::AssertionFailure();
    result << "texts differ first at line " << (n + 1) << " (actual " << a.size() << " lines, expected "
           << e.size() << ")\n  actual:   " << (n < a.size() ? visible(a[n]) : "<no line>")
           << "\n  expected: " << (n < e.size() ? visible(e[n]) : "<no line>");
    return result;
}

// Compares a CR LF report text with the golden file `name`.
inline ::testing::AssertionResult matchesGolden(const std::string& crLfText, const std::string& name) {
    std::string actual = crLfToLf(crLfText);
    const char* update = std::getenv("JD_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        std::ofstream out(goldenPath(name), std::ios::binary);
        out << actual;
        return ::testing::AssertionSuccess();
    }
    std::ifstream probe(goldenPath(name));
    if (!probe) return ::testing::AssertionFailure() << "missing golden file " << goldenPath(name);
    return sameText(actual, readFile(goldenPath(name)));
}

// The page numbers of the report's header lines
// ("<41 blanks>Jataka Desk - Horoscope  Page N"), in order.
inline std::vector<int> headerNumbers(const std::string& text) {
    const std::string prefix = std::string(41, ' ') + "Jataka Desk - Horoscope  Page ";
    std::vector<int> numbers;
    for (const std::string& line : splitLines(crLfToLf(text))) {
        if (line.size() <= prefix.size() || line.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string digits = line.substr(prefix.size());
        if (digits.find_first_not_of("0123456789") == std::string::npos) numbers.push_back(std::stoi(digits));
    }
    return numbers;
}

}  // namespace jd::testing
