#include "platform/text.h"

#include "platform/run_time_error.h"

namespace jd {
namespace {

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The byte offset of character `index` (0-based), or the text's size when the
// text has no more characters.
std::size_t byteOffset(std::string_view s, int index) {
    std::size_t i = 0;
    for (int k = 0; k < index && i < s.size(); ++k) {
        ++i;
        while (i < s.size() && isContinuation(s[i])) ++i;
    }
    return i;
}

char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

int textLength(std::string_view s) {
    int n = 0;
    for (char c : s)
        if (!isContinuation(c)) ++n;
    return n;
}

std::string trimLeft(std::string_view s) {
    const std::size_t b = s.find_first_not_of(' ');
    return b == std::string_view::npos ? std::string() : std::string(s.substr(b));
}

std::string trimRight(std::string_view s) {
    const std::size_t e = s.find_last_not_of(' ');
    return e == std::string_view::npos ? std::string() : std::string(s.substr(0, e + 1));
}

std::string trim(std::string_view s) { return trimLeft(trimRight(s)); }

std::string leftText(std::string_view s, int n) {
    if (n < 0) throw RunTimeError::invalidCall();
    return std::string(s.substr(0, byteOffset(s, n)));
}

std::string rightText(std::string_view s, int n) {
    if (n < 0) throw RunTimeError::invalidCall();
    const int length = textLength(s);
    return n >= length ? std::string(s) : std::string(s.substr(byteOffset(s, length - n)));
}

std::string midText(std::string_view s, int start, int n) {
    if (start < 1) throw RunTimeError::invalidCall();
    const std::string_view rest = s.substr(byteOffset(s, start - 1));
    return n < 0 ? std::string(rest) : std::string(rest.substr(0, byteOffset(rest, n)));
}

std::vector<std::string> split(std::string_view s, std::string_view separator) {
    std::vector<std::string> pieces;
    if (s.empty()) return pieces;
    if (separator.empty()) {
        pieces.emplace_back(s);
        return pieces;
    }
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = s.find(separator, from);
        if (at == std::string_view::npos) {
            pieces.emplace_back(s.substr(from));
            return pieces;
        }
        pieces.emplace_back(s.substr(from, at - from));
        from = at + separator.size();
    }
}

int compareNoCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(foldAscii(a[i]));
        const auto y = static_cast<unsigned char>(foldAscii(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool equalsNoCase(std::string_view a, std::string_view b) { return a.size() == b.size() && compareNoCase(a, b) == 0; }

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && equalsNoCase(s.substr(0, prefix.size()), prefix);
}

bool allDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

std::string utf8Character(unsigned c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x110000) {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::string upperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string lowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = foldAscii(c);
    return out;
}

std::string justifyLeft(std::string_view s, int width) {
    if (width < 1) return {};
    std::string out = leftText(s, width);
    out.append(static_cast<std::size_t>(width - textLength(out)), ' ');
    return out;
}

std::string justifyRight(std::string_view s, int width) {
    if (width < 1) return {};
    std::string cut = leftText(s, width);
    return std::string(static_cast<std::size_t>(width - textLength(cut)), ' ') + cut;
}

}  // namespace jd
