#include "platform/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/run_time_error.h"

namespace {
using Pieces = std::vector<std::string>;
}

TEST(Split, EmptyTextGivesNoPiecesAndEmptyPiecesAreKept) {
    struct Case { const char* text; const char* sep; Pieces expected; };
    const Case cases[] = {
        {"", "~", {}},
        {"a", "~", {"a"}},
        {"a~b~c", "~", {"a", "b", "c"}},
        {"a~~b", "~", {"a", "", "b"}},
        {"~a~", "~", {"", "a", ""}},
        {"~", "~", {"", ""}},
        {"14/Jul/1965", "/", {"14", "Jul", "1965"}},
        {"x*y", "*", {"x", "y"}},
        {"a  /  b", "  /  ", {"a", "b"}},
        {"abc", "", {"abc"}},
        {"Tromsø~Åre", "~", {"Tromsø", "Åre"}},
    };
    for (const auto& c : cases) EXPECT_EQ(jd::split(c.text, c.sep), c.expected) << "'" << c.text << "'";
}

TEST(Trim, RemovesBlanksOnly) {
    struct Case { const char* text; const char* both; const char* left; const char* right; };
    const Case cases[] = {
        {"  Sun  ", "Sun", "Sun  ", "  Sun"},
        {"", "", "", ""},
        {"    ", "", "", ""},
        {"\tSun\r\n", "\tSun\r\n", "\tSun\r\n", "\tSun\r\n"},
        {" a b ", "a b", "a b ", " a b"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(jd::trim(c.text), c.both) << "'" << c.text << "'";
        EXPECT_EQ(jd::trimLeft(c.text), c.left);
        EXPECT_EQ(jd::trimRight(c.text), c.right);
    }
}

TEST(CharacterCuts, CountCharactersAndAreSafePastTheEnd) {
    const std::string place = "Tromsø";  // ø is two bytes
    EXPECT_EQ(jd::textLength(place), 6);
    EXPECT_EQ(jd::leftText(place, 6), "Tromsø");
    EXPECT_EQ(jd::leftText(place, 5), "Troms");
    EXPECT_EQ(jd::leftText(place, 50), "Tromsø");
    EXPECT_EQ(jd::leftText(place, 0), "");
    EXPECT_EQ(jd::rightText(place, 2), "sø");
    EXPECT_EQ(jd::rightText(place, 1), "ø");
    EXPECT_EQ(jd::rightText(place, 50), "Tromsø");
    EXPECT_EQ(jd::midText(place, 5, 2), "sø");
    EXPECT_EQ(jd::midText(place, 6), "ø");
    EXPECT_EQ(jd::midText(place, 7), "");
    EXPECT_EQ(jd::midText(place, 40, 3), "");
    EXPECT_EQ(jd::midText("018.40.00", 5, 2), "40");
    EXPECT_EQ(jd::midText("", 1, 3), "");
    EXPECT_THROW(jd::leftText(place, -1), jd::RunTimeError);
    EXPECT_THROW(jd::rightText(place, -1), jd::RunTimeError);
    EXPECT_THROW(jd::midText(place, 0, 1), jd::RunTimeError);
}

TEST(FixedFields, AlwaysExactlyTheWidthInCharacters) {
    struct Case { const char* text; int width; const char* left; const char* right; };
    const Case cases[] = {
        {"Sun", 6, "Sun   ", "   Sun"},
        {"", 3, "   ", "   "},
        {"Jupiter", 4, "Jupi", "Jupi"},  // a longer text keeps its first characters either way
        {"Åre", 5, "Åre  ", "  Åre"},
        {"Tromsø", 6, "Tromsø", "Tromsø"},
        {"Tromsø", 3, "Tro", "Tro"},
        {"abc", 0, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(jd::justifyLeft(c.text, c.width), c.left) << c.text << " " << c.width;
        EXPECT_EQ(jd::justifyRight(c.text, c.width), c.right) << c.text << " " << c.width;
    }
}

TEST(CaseFolding, AsciiLettersOnly) {
    EXPECT_TRUE(jd::equalsNoCase("Sanskrit", "SANSKRIT"));
    EXPECT_FALSE(jd::equalsNoCase("Sun", "Sun "));
    EXPECT_FALSE(jd::equalsNoCase("Ø", "ø"));  // no folding beyond ASCII
    EXPECT_TRUE(jd::startsWithNoCase("India  (5.5 hrs E)", "ind"));
    EXPECT_TRUE(jd::startsWithNoCase("abc", ""));
    EXPECT_FALSE(jd::startsWithNoCase("In", "India"));
    EXPECT_LT(jd::compareNoCase("apple", "Banana"), 0);
    EXPECT_GT(jd::compareNoCase("b", "A"), 0);
    EXPECT_LT(jd::compareNoCase("Ab", "abc"), 0);
    EXPECT_EQ(jd::compareNoCase("KP", "kp"), 0);
    EXPECT_EQ(jd::upperAscii("Tromsø e"), "TROMSø E");
    EXPECT_EQ(jd::lowerAscii("ÅRE North"), "Åre north");
}

TEST(Utf8Character, EachLengthOfSequenceAndNothingBeyondTheLastCodePoint) {
    const std::pair<unsigned, std::string> cases[] = {
        {'A', "A"}, {0xF8, "ø"}, {0x0905, "अ"}, {0x1F31E, "🌞"}, {0x10FFFF, "\xF4\x8F\xBF\xBF"}, {0x110000, ""}};
    for (const auto& [code, bytes] : cases) EXPECT_EQ(jd::utf8Character(code), bytes) << code;
}
