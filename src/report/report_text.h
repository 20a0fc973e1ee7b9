#pragma once
// Small text rules of the report: blanks, trimming, cutting by characters and
// fixed-width fields. Texts are UTF-8; every length and position counts
// characters, so a name with a non-ASCII letter still lines up in its column.
#include <string>
#include <string_view>

namespace jd::report {

inline constexpr std::string_view kCrLf = "\r\n";
// The line that separates two pages: the form-feed character alone.
inline constexpr std::string_view kPageSeparator = "\f\r\n";

std::string blanks(int count);
std::string repeated(char c, int count);

// Leading and trailing blanks (only the blank character) removed.
std::string trimBlanks(std::string_view s);

// The first n characters (all of them when fewer).
std::string leftChars(std::string_view s, int n);
// Characters from position `from` (1-based) on, at most n of them; empty past the end.
std::string midChars(std::string_view s, int from, int n);

// A field of exactly `width` characters: a longer text keeps its first `width`
// characters whatever the justification; a shorter one is padded with blanks
// on the right (left-justified) or on the left (right-justified).
std::string fieldLeft(std::string_view s, int width);
std::string fieldRight(std::string_view s, int width);

// Nearest whole number, a half going to the even neighbour.
long roundHalfEven(double x);

// A personal-details line: the text between equal runs of blanks so that it
// stands centred on column 40 (pad = 40 - L/2, rounded half to even, never
// below 0 so that a long text still gives its line).
std::string centredLine(std::string_view s);

}  // namespace jd::report
