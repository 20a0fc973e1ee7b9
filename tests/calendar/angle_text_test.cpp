#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calendar/angle_text.h"
#include "platform/fake_services.h"
#include "state/shared_records.h"

namespace {

// Routes the process's message boxes to a recording fake for one test.
class AngleText : public ::testing::Test {
protected:
    void SetUp() override {
        jd::resetState();
        jd::state().services = fakes.services();
    }
    void TearDown() override { jd::resetState(); }

    jd::FakeServices fakes;
};

}  // namespace

TEST_F(AngleText, DegreeTextsWithCarries) {
    struct Case {
        double x;
        const char *degMin, *degMinSec;
    };
    const Case cases[] = {
        {0, "0.00", "0.00.00"},
        {10.5, "10.30", "10.30.00"},
        {10.0875, "10.05", "10.05.15"},
        {10.5083, "10.30", "10.30.30"},  // minutes are not rounded: 29.88 seconds dropped
        {10.99999, "11.00", "11.00.00"},  // seconds round to 60 and carry twice
        {359.9999, "360.00", "360.00.00"},
        {123.456789, "123.27", "123.27.24"},
        {29.999, "29.59", "29.59.56"},
        {5 + 1 / 60.0, "5.01", "5.01.00"},
        {-10.5, "-10.30", "-10.30.00"},  // a negative angle keeps its magnitude
    };
    for (const auto& c : cases) {
        EXPECT_EQ(jd::FnFormatDegMin(c.x), c.degMin) << c.x;
        EXPECT_EQ(jd::FnFormatDegMinSec(c.x), c.degMinSec) << c.x;
    }
    EXPECT_TRUE(fakes.messageBox.shown().empty());
}

TEST_F(AngleText, SignNumbers) {
    struct Case {
        double longitude, span;
        int sign;
    };
    const Case cases[] = {
        {0, 30, 1},
        {29.9999, 30, 1},
        {30, 30, 2},
        {359.99, 30, 12},
        {360, 30, 1},
        {0, 30.0 / 9, 1},
        {40, 30.0 / 9, 1},    // 13 reduced by 12
        {100, 30.0 / 9, 7},   // 10 Cancer begins the navamsa of Libra
        {99.99, 30.0 / 9, 6},
        {200, 30.0 / 9, 1},   // 20 Libra begins the navamsa of Aries
        {50, 30.0 / 7, 12},   // 11 whole sevenths, the 12th
        {-1, 30, 0},
        {-31, 30, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(jd::FnSignNumber(c.longitude, c.span), c.sign) << c.longitude << " / " << c.span;
    EXPECT_TRUE(fakes.messageBox.shown().empty());
}

TEST_F(AngleText, ALongitudeOnADivisionBoundaryBeginsTheNextDivision) {
    // 11 sapthamsa spans of 4.2857 and 121 saptavimshamsa spans of 1.1111 are
    // these longitudes exactly, yet each quotient comes out one unit of the
    // last place short of the whole number.
    EXPECT_EQ(jd::FnSignNumber(47.1427, 4.2857), 12);
    EXPECT_EQ(jd::FnSignNumber(134.4431, 1.1111), 2);  // the 122nd, reduced by 120
    EXPECT_TRUE(fakes.messageBox.shown().empty());
}

TEST_F(AngleText, DegreesInSignAgreeWithTheSign) {
    struct Case {
        double longitude, degrees;
    };
    const Case cases[] = {
        {45, 15}, {0, 0}, {30, 0}, {60, 0}, {360, 0}, {359.99, 29.99}, {29.5, 29.5}, {-10, 20},
    };
    for (const auto& c : cases) EXPECT_NEAR(jd::FnDegreesInSign(c.longitude), c.degrees, 1e-9) << c.longitude;
    EXPECT_NEAR(jd::FnDegreesInSign(30.000001), 0.000001, 1e-12);

    // Sign and degrees together give back the longitude, around the circle
    // and right at and beside every sign boundary.
    for (int k = 0; k <= 12; ++k) {
        const double boundary = 30.0 * k;
        for (double x : {boundary, std::nextafter(boundary, 0.0), std::nextafter(boundary, 400.0), boundary + 17.25}) {
            if (x < 0 || x >= 360) continue;
            const int sign = jd::FnSignNumber(x, 30);
            const double d = jd::FnDegreesInSign(x);
            EXPECT_GE(d, 0) << x;
            EXPECT_LT(d, 30) << x;
            // (a hair below 360 may count as 0 degrees of Aries)
            EXPECT_NEAR(std::remainder((sign - 1) * 30 + d - x, 360.0), 0, 1e-9) << x;
        }
    }
}

TEST_F(AngleText, ErrorsShowOneCriticalBoxAndGiveTheDefault) {
    EXPECT_EQ(jd::FnSignNumber(10, 0), 0);
    EXPECT_EQ(jd::FnSignNumber(30.0 * 40000, 30), 0);  // beyond a 16-bit sign number
    EXPECT_EQ(jd::FnFormatDegMin(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(jd::FnFormatDegMinSec(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(jd::FnDegreesInSign(std::numeric_limits<double>::infinity()), 0);

    const auto& boxes = fakes.messageBox.shown();
    ASSERT_EQ(boxes.size(), 5u);
    EXPECT_EQ(boxes[0].text, "Division by zero");
    for (std::size_t i = 1; i < boxes.size(); ++i) EXPECT_EQ(boxes[i].text, "Overflow");
    for (const auto& b : boxes) {
        EXPECT_EQ(b.icon, jd::MsgIcon::Critical);
        EXPECT_EQ(b.buttons, jd::MsgButtons::OK);
        EXPECT_EQ(b.title, std::nullopt);
    }
}
