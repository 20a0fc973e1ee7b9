#include "platform/vb_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/run_time_error.h"

namespace {

int errorNumberOf(auto&& call) {
    try {
        call();
    } catch (const jd::RunTimeError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace

TEST(WholeParts, IntFloorsFixTruncatesRoundGoesHalfToEven) {
    struct Case { double x, intPart, fixPart, rounded; };
    const Case cases[] = {
        {2.5, 2, 2, 2},
        {3.5, 3, 3, 4},
        {-2.5, -3, -2, -2},
        {-3.5, -4, -3, -4},
        {0.5, 0, 0, 0},
        {1.5, 1, 1, 2},
        {720.5, 720, 720, 720},
        {501.5, 501, 501, 502},
        {2.4999999999999996, 2, 2, 2},
        {-0.4, -1, 0, 0},
        {7, 7, 7, 7},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(jd::vbInt(c.x), c.intPart) << c.x;
        EXPECT_EQ(jd::vbFix(c.x), c.fixPart) << c.x;
        EXPECT_EQ(jd::roundHalfEven(c.x), c.rounded) << c.x;
    }
}

TEST(IntegerConversion, RoundsHalfToEvenAndOverflowsOutsideTheRange) {
    EXPECT_EQ(jd::toInt16(32767.4), 32767);
    EXPECT_EQ(jd::toInt16(-32768.5), -32768);
    EXPECT_EQ(jd::toInt16(12.5), 12);
    EXPECT_EQ(jd::toInt16(" 13.5"), 14);
    EXPECT_EQ(jd::toInt16("-7"), -7);
    EXPECT_EQ(jd::toInt32(2147483647.0), 2147483647);
    EXPECT_EQ(jd::toInt32("-100000"), -100000);
    EXPECT_EQ(errorNumberOf([] { jd::toInt16(32767.5); }), 6);
    EXPECT_EQ(errorNumberOf([] { jd::toInt16(-32769.0); }), 6);
    EXPECT_EQ(errorNumberOf([] { jd::toInt16(std::nan("")); }), 6);
    EXPECT_EQ(errorNumberOf([] { jd::toInt32(2147483648.0); }), 6);
    EXPECT_EQ(errorNumberOf([] { jd::toInt16("40000"); }), 6);
    EXPECT_EQ(errorNumberOf([] { jd::toInt16(""); }), 13);
    EXPECT_EQ(errorNumberOf([] { jd::toInt16("12a"); }), 13);
}

TEST(FormatNumber, PicturesRoundHalfAwayFromZero) {
    struct Case { double x; const char* pattern; const char* expected; };
    const Case cases[] = {
        {0.125, "00.00", "00.13"},
        {5.5, "00.00", "05.50"},
        {5.0 + 5.0 / 60, "00.00", "05.08"},
        {5.75, "00.00", "05.75"},
        {0, "00.00", "00.00"},
        {123.456, "00.00", "123.46"},
        {99.995, "00.00", "100.00"},
        {-0.125, "00.00", "-00.13"},
        {-0.001, "00.00", "00.00"},
        {1.005, "0.00", "1.01"},  // the decimal digits count, not the binary value just below
        {2.675, "0.00", "2.68"},
        {0.0, "0.00", "0.00"},
        {29.9999, "000.00", "030.00"},
        {7.125, "000.00", "007.13"},
        {359.994999, "000.00", "359.99"},
        {1.0 / 60 * 2.5, "00.0000", "00.0417"},
        {59.0 / 60 * 2.5, "00.0000", "02.4583"},
        {0.00005, "00.0000", "00.0001"},
        {0.00004999, "00.0000", "00.0000"},
        {1234.5, "0", "1235"},
        {0.5, "#.##", ".5"},
        {2, "#.##", "2."},
        {1e-20, "0.00", "0.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(jd::formatNumber(c.x, c.pattern), c.expected) << c.x << " " << c.pattern;
    EXPECT_EQ(errorNumberOf([] { jd::formatNumber(1, "0,00"); }), 5);
    EXPECT_EQ(errorNumberOf([] { jd::formatNumber(1, "0.0.0"); }), 5);
}

TEST(NumberText, ShortestTextUpToFifteenDigits) {
    struct Case { double x; const char* expected; };
    const Case cases[] = {
        {5.5, "5.5"},
        {10, "10"},
        {0.25, "0.25"},
        {-23.853991, "-23.853991"},
        {0, "0"},
        {-0.0, "0"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {26.6666666666667, "26.6666666666667"},
        {123456789012345, "123456789012345"},
        {1e15, "1E+15"},
        {1234567890123456789.0, "1.23456789012346E+18"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {0.00001, "1E-05"},
        {-1.5e-7, "-1.5E-07"},
        {1e-100, "1E-100"},
        {17, "17"},
        {78.5, "78.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(jd::numberText(c.x), c.expected) << c.expected;
}

TEST(NumberText, FormattedValuesReadBackAsTheRoundedNumber) {
    // A value rounded through a picture and read back prints in its short form.
    for (double x : {5.0 + 5.0 / 60, 5.5, 6.5, 0.0, 10.0})
        EXPECT_EQ(jd::numberText(jd::toDouble(jd::formatNumber(x, "00.00"))),
                  jd::numberText(std::round(x * 100) / 100)) << x;
    EXPECT_EQ(jd::toDouble(jd::formatNumber(59.0 / 60 * 2.5, "00.0000")), 2.4583);
}

TEST(NumericText, StrictTestAndConversion) {
    struct Case { const char* text; bool numeric; double value; };
    const Case cases[] = {
        {"12", true, 12},
        {" 12.5 ", true, 12.5},
        {"-0.25", true, -0.25},
        {"+7", true, 7},
        {".5", true, 0.5},
        {"5.", true, 5},
        {"0017", true, 17},
        {"", false, 0},
        {" ", false, 0},
        {".", false, 0},
        {"-", false, 0},
        {"12,5", false, 0},
        {"1,000", false, 0},
        {"1e5", false, 0},
        {"12a", false, 0},
        {"1.2.3", false, 0},
        {"- 5", false, 0},
        {"\t5", false, 0},
        {"five", false, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(jd::isNumeric(c.text), c.numeric) << "'" << c.text << "'";
        if (c.numeric) {
            EXPECT_EQ(jd::toDouble(c.text), c.value) << c.text;
        } else {
            EXPECT_EQ(errorNumberOf([&] { jd::toDouble(c.text); }), 13) << "'" << c.text << "'";
        }
    }
    EXPECT_EQ(jd::toDouble("0.1"), 0.1);
    EXPECT_EQ(jd::toDouble("23.853991"), 23.853991);
}

TEST(Val, ReadsTheLeadingNumberAndIgnoresTheRest) {
    struct Case { const char* text; double value; };
    const Case cases[] = {
        {"12.5kg", 12.5}, {"1 2 3", 123}, {"abc", 0},      {"", 0},         {" -4.25", -4.25},
        {"5.5 hrs", 5.5}, {".5", 0.5},    {"1e3", 1000},   {"2D2", 200},    {"3e", 3},
        {"7,5", 7},       {"12/4", 12},   {"-", 0},        {"1.2.3", 1.2},  {"\t8\n", 8},
    };
    for (const auto& c : cases) EXPECT_EQ(jd::val(c.text), c.value) << "'" << c.text << "'";
    EXPECT_EQ(errorNumberOf([] { jd::val("1e999"); }), 6);
}
