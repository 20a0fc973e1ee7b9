#pragma once
// Text helpers. Texts are UTF-8; lengths and positions count characters
// (code points), never split a multi-byte sequence, and are safe past the end.
// Case-insensitive comparisons fold the ASCII letters only.
#include <string>
#include <string_view>
#include <vector>

namespace jd {

int textLength(std::string_view s);

// Without leading and/or trailing blanks (' ' only; tabs and line breaks stay).
std::string trim(std::string_view s);
std::string trimLeft(std::string_view s);
std::string trimRight(std::string_view s);

// The first / last n characters (all of them when the text is shorter). A
// negative n raises RunTimeError::invalidCall().
std::string leftText(std::string_view s, int n);
std::string rightText(std::string_view s, int n);
// n characters from the 1-based position `start` (to the end when n < 0);
// empty past the end. A start below 1 raises RunTimeError::invalidCall().
std::string midText(std::string_view s, int start, int n = -1);

// The pieces between separators: an empty text gives no pieces; empty pieces
// between, before or after separators are kept ("a,,b" gives "a", "", "b").
// An empty separator gives the whole text as one piece.
std::vector<std::string> split(std::string_view s, std::string_view separator);

bool equalsNoCase(std::string_view a, std::string_view b);
// <0, 0, >0 as a sorts before, with or after b, ASCII letters folded to lower case.
int compareNoCase(std::string_view a, std::string_view b);
bool startsWithNoCase(std::string_view s, std::string_view prefix);

// Whether the text is one or more of the digits 0 to 9 and nothing else.
bool allDigits(std::string_view s);

// The UTF-8 bytes of one code point; empty for a code beyond U+10FFFF.
std::string utf8Character(unsigned code);

std::string upperAscii(std::string_view s);
std::string lowerAscii(std::string_view s);

// A field of exactly `width` characters: the text followed (justifyLeft) or
// preceded (justifyRight) by blanks; a longer text keeps its first `width`
// characters whatever the justification; a width below 1 gives an empty text.
std::string justifyLeft(std::string_view s, int width);
std::string justifyRight(std::string_view s, int width);

}  // namespace jd
