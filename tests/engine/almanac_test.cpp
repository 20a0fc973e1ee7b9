#include <gtest/gtest.h>

#include <string>

#include "engine/cls_karnam.h"
#include "engine/cls_rasi.h"
#include "engine/cls_star.h"
#include "engine/cls_tithi.h"
#include "engine/cls_yoga.h"
#include "platform/date_time.h"
#include "platform/run_time_error.h"

using jd::DateTime;

// ---------------------------------------------------------------- tithi

TEST(Tithi, WorkedPairsAndBandEdges) {
    struct Case {
        double sun, moon;
        int no;
        const char *name, *paksha, *karana;
    };
    const Case cases[] = {
        {10, 10, 1, "Pratipada", "Bright", "Kintughna"},
        {0, 12, 1, "Pratipada", "Bright", "Bava"},  // upper bound belongs to the lower tithi
        {0, 12.000001, 2, "Dwitiya", "Bright", "Balav"},
        {0, 18, 2, "Dwitiya", "Bright", "Balav"},  // exactly 6 degrees in: first karana
        {0, 18.000001, 2, "Dwitiya", "Bright", "Kaulav"},
        {300, 100, 14, "Chaturdashi", "Bright", "Gar"},  // the Moon raised by 360
        {0, 180, 15, "Purnima", "Bright", "Bav"},
        {0, 180.5, 16, "Pratipada", "Dark", "Balav"},
        {0, 359, 30, "Amavashya", "Dark", "Naga"},
        {0, 360, 30, "Amavashya", "Dark", "Naga"},
        {100, 100 + 12 * 28 + 3, 29, "Chaturdashi", "Dark", "Vishti"},
    };
    for (const auto& c : cases) {
        jd::clsTithi t;
        t.sunC = c.sun;
        t.moonA = c.moon;
        t.FindTithi();
        EXPECT_EQ(t.TithiNo, c.no) << c.sun << " " << c.moon;
        EXPECT_EQ(t.Tithi, c.name) << c.sun << " " << c.moon;
        EXPECT_EQ(t.TithiPosition, c.paksha) << c.sun << " " << c.moon;
        EXPECT_EQ(t.Karnam, c.karana) << c.sun << " " << c.moon;
    }
}

TEST(Tithi, KaranaOfEachHalfTithi) {
    // The Sun at 0; the Moon 3 and 9 degrees into each tithi.
    const char* const first[30] = {
        "Kintughna", "Balav",   "Taitila", "Vanija",  "Bav",    "Kaulava", "Gar",    "Vishti",
        "Balava",    "Taitila", "Vanija",  "Bav",     "Kaulava", "Gar",    "Vishti", "Balav",
        "Taitila",   "Vanija",  "Bav",     "Kaulava", "Gar",    "Vishti",  "Balava", "Taitila",
        "Vanija",    "Bav",     "Kaulava", "Gar",     "Vishti", "Chatushpada"};
    const char* const second[30] = {
        "Bava",    "Kaulav", "Gar",    "Vishti",  "Balav",  "Taitila", "Vanija", "Bav",     "Kaulava",
        "Gar",     "Vishti", "Balav",  "Taitila", "Vanija", "Bav",     "Kaulava", "Gar",    "Vishti",
        "Balav",   "Taitila", "Vanija", "Bav",    "Kaulava", "Gar",    "Vishti",  "Balava", "Taitila",
        "Vanija",  "Shakuni", "Naga"};
    jd::clsTithi t;
    for (int n = 1; n <= 30; ++n) {
        t.sunC = 0;
        t.moonA = 12.0 * (n - 1) + 3;
        t.FindTithi();
        EXPECT_EQ(t.TithiNo, n);
        EXPECT_EQ(t.Karnam, first[n - 1]) << n;
        t.moonA = 12.0 * (n - 1) + 9;
        t.FindTithi();
        EXPECT_EQ(t.Karnam, second[n - 1]) << n;
        EXPECT_EQ(t.TithiPosition, n <= 15 ? "Bright" : "Dark");
    }
}

TEST(Tithi, OutsideEveryRangeKeepsPreviousOutputs) {
    jd::clsTithi t;
    t.sunC = 0;
    t.moonA = 100;
    t.FindTithi();
    for (double moon : {400.0, -400.0}) {
        t.moonA = moon;
        t.FindTithi();
        EXPECT_EQ(t.TithiNo, 9);
        EXPECT_EQ(t.Tithi, "Navami");
        EXPECT_EQ(t.TithiPosition, "Bright");
        EXPECT_EQ(t.Karnam, "Balava");
    }
}

// ---------------------------------------------------------------- yoga

TEST(Yoga, EveryBandBoundaryIsInclusive) {
    const double bounds[27] = {13.333,  26.666,  39.999,  53.332,  66.665,  79.998,  93.331,
                               106.664, 119.997, 133.33,  146.663, 159.996, 173.329, 186.662,
                               199.995, 213.328, 226.661, 239.994, 253.327, 266.66,  279.993,
                               293.326, 306.659, 319.992, 333.325, 346.658, 360};
    const char* const names[27] = {"Vishkumbha", "Preeti",   "Ayushmaana", "Saubhagya", "Shobhana", "Atiganda",
                                   "Sukarma",    "Dhriti",   "Shoola",     "Ganda",     "Vriddhi",  "Dhruva",
                                   "Vyaghata",   "Harshana", "Vajra",      "Siddhi",    "Vyatipaata", "Variyana",
                                   "Parigha",    "Shiva",    "Siddha",     "Sadhya",    "Shubha",   "Shukla",
                                   "Brahma",     "Indra",    "Vaidhriti"};
    jd::clsYoga y;
    for (int k = 1; k <= 27; ++k) {
        // The bound itself, with the Sun at 0.
        y.sun_position = 0;
        y.moon_position = bounds[k - 1];
        y.findyoga();
        EXPECT_EQ(y.YogaNo, k) << bounds[k - 1];
        EXPECT_EQ(y.YogaName, names[k - 1]);
        if (k < 27) {
            y.moon_position = bounds[k - 1] + 0.0001;
            y.findyoga();
            EXPECT_EQ(y.YogaNo, k + 1) << "just above " << bounds[k - 1];
            EXPECT_EQ(y.YogaName, names[k]);
        }
    }
}

TEST(Yoga, SumsAndReduction) {
    struct Case {
        double sun, moon;
        int no;
    };
    const Case cases[] = {
        {0, 0, 1},
        {200, 170, 1},     // 370 reduced to 10
        {180, 180, 27},    // 360 is not reduced
        {346.66, 0, 27},   // above the 26th bound, below 26 x 40/3
        {100, 240, 26},
    };
    for (const auto& c : cases) {
        jd::clsYoga y;
        y.sun_position = c.sun;
        y.moon_position = c.moon;
        y.findyoga();
        EXPECT_EQ(y.YogaNo, c.no) << c.sun << " + " << c.moon;
    }
    // A negative sum, or one still above 360 after one reduction, writes nothing.
    jd::clsYoga y;
    y.sun_position = 10;
    y.moon_position = 20;
    y.findyoga();
    for (double moon : {-50.0, 800.0}) {
        y.moon_position = moon;
        y.findyoga();
        EXPECT_EQ(y.YogaNo, 3);
        EXPECT_EQ(y.YogaName, "Ayushmaana");
    }
}

// ---------------------------------------------------------------- rasi

TEST(Rasi, SignsHalvesAndLanguages) {
    struct Case {
        double x;
        const char* language;
        const char* name;
        int no, half;
    };
    const Case cases[] = {
        {0, "English", "Aries", 1, 1},
        {20, "English", "Aries", 1, 2},
        {30, "English", "Aries", 1, 2},
        {30.005, "Sanskrit", "Mesha", 1, 1},  // the first sign reaches 30.01
        {30.02, "English", "Taurus", 2, 1},
        {60, "Sanskrit", "Vrishaba", 2, 2},
        {60.5, "English", "Gemini", 3, 1},
        {255, "English", "Sagitarius", 9, 1},
        {285, "English", "Capricon", 10, 1},
        {315, "Sanskrit", "Khumba", 11, 1},
        {359.9, "Sanskrit", "Meena", 12, 2},
        {360, "English", "Pisces", 12, 2},
    };
    for (const auto& c : cases) {
        jd::clsRasi r;
        r.PlanetPosition = c.x;
        r.nchkLanguage = c.language;
        r.findRasi();
        EXPECT_EQ(r.RasiName, c.name) << c.x;
        EXPECT_EQ(r.RasiNo, c.no) << c.x;
        EXPECT_EQ(r.RasiHalf, c.half) << c.x;
    }
}

TEST(Rasi, EverySignBoundaryInBothLanguages) {
    const char* const sanskrit[12] = {"Mesha", "Vrishaba", "Mithuna", "Kataka", "Simha",  "Kanya",
                                      "Thula", "Vrishchika", "Dhanus", "Makara", "Khumba", "Meena"};
    const char* const english[12] = {"Aries", "Taurus",  "Gemini",     "Cancer",   "Leo",      "Virgo",
                                      "Libra", "Scorpio", "Sagitarius", "Capricon", "Aquarius", "Pisces"};
    jd::clsRasi r;
    for (int k = 2; k <= 12; ++k) {
        r.nchkLanguage = k % 2 ? "English" : "Sanskrit";
        const auto& names = k % 2 ? english : sanskrit;
        r.PlanetPosition = 30.0 * k;  // upper bound: still sign k
        r.findRasi();
        EXPECT_EQ(r.RasiNo, k);
        EXPECT_EQ(r.RasiName, names[k - 1]);
        r.PlanetPosition = 30.0 * (k - 1) + 0.02;  // just above the lower bound
        r.findRasi();
        EXPECT_EQ(r.RasiNo, k);
    }
}

TEST(Rasi, UnknownLanguageOrOutsideLongitude) {
    jd::clsRasi r;
    r.PlanetPosition = 100;
    r.nchkLanguage = "English";
    r.findRasi();
    ASSERT_EQ(r.RasiName, "Cancer");

    // A language other than the two exact texts writes nothing at all.
    for (const char* language : {"english", ""}) {
        r.nchkLanguage = language;
        r.PlanetPosition = 200;
        r.findRasi();
        EXPECT_EQ(r.RasiName, "Cancer");
        EXPECT_EQ(r.RasiNo, 4);
        EXPECT_EQ(r.RasiHalf, 1);
    }
    // Outside 0..360 the sign stays but the half is still written.
    r.nchkLanguage = "English";
    r.PlanetPosition = 365;
    r.findRasi();
    EXPECT_EQ(r.RasiName, "Cancer");
    EXPECT_EQ(r.RasiNo, 4);
    EXPECT_EQ(r.RasiHalf, 1);
    r.PlanetPosition = 379;
    r.findRasi();
    EXPECT_EQ(r.RasiHalf, 2);
    r.PlanetPosition = 1e18;  // no endless reduction
    r.findRasi();
    EXPECT_EQ(r.RasiNo, 4);
}

// ---------------------------------------------------------------- star

TEST(Star, WorkedLongitudes) {
    struct Case {
        double x;
        const char* name;
        int no, pada, houseNo;
        double distance;
    };
    const Case cases[] = {
        {0, "Ashwini", 1, 1, 1, 3.33333333333333},
        {13.3333333333333, "Ashwini", 1, 4, 4, 0},
        {100, "Pushya", 8, 2, 6, 0},
        {115, "Ashlesha", 9, 3, 11, 5.0 / 3},
        {270, "Uttarashada", 21, 1, 9, 0},
        {268, "Uttarashada", 21, 1, 9, 2},
        {276.6, "Uttarashada", 21, 3, 11, 0.066666666667},
        {276.666666666667, "Uttarashada - Abijit", 22, 3, 11, 0},
        {278, "Uttarashada - Abijit", 22, 4, 12, 2},
        {280, "Uttarashada - Abijit", 22, 4, 12, 0},
        {281, "Shravana - Abijit", 23, 1, 1, 7.0 / 3},
        {285, "Shravana", 23, 2, 2, 5.0 / 3},
        {300, "Dhanishtha", 24, 2, 6, 0},
        {360, "Revati", 28, 4, 12, 0},
    };
    for (const auto& c : cases) {
        jd::clsStar s;
        s.PlanetPosition = c.x;
        s.findstar();
        EXPECT_EQ(s.StarName, c.name) << c.x;
        EXPECT_EQ(s.StarNo, c.no) << c.x;
        EXPECT_EQ(s.StarQuarter, c.pada) << c.x;
        EXPECT_EQ(s.HouseNo, c.houseNo) << c.x;
        EXPECT_NEAR(s.StarPadaDistance, c.distance, 1e-9) << c.x;
        EXPECT_GE(s.StarPadaDistance, 0) << c.x;
    }
}

TEST(Star, EveryBandBoundary) {
    const char* const names[27] = {"Ashwini",    "Bharani",     "Kritika",     "Rohini",      "Mrigshira",
                                   "Ardra",      "Punarvasu",   "Pushya",      "Ashlesha",    "Magha",
                                   "P.Falguni",  "U.Falguni",   "Hasta",       "Chitra",      "Swati",
                                   "Vishaka",    "Anuradha",    "Jyestha",     "Moola",       "Poorvashada",
                                   "Uttarashada - Abijit",       "Shravana",    "Dhanishtha",  "Shatbhisha",
                                   "P.Bhadrapad", "U.Bhadrapad", "Revati"};
    jd::clsStar s;
    for (int band = 1; band <= 27; ++band) {
        // The band's upper bound, as the almanac writes it: pada 4 of the band.
        char text[32];
        std::snprintf(text, sizeof text, "%.15g", band * 40.0 / 3.0);
        s.PlanetPosition = std::stod(text);
        s.findstar();
        EXPECT_EQ(s.StarName, names[band - 1]) << text;
        EXPECT_EQ(s.StarNo, band <= 20 ? band : band + 1) << text;
        EXPECT_EQ(s.StarQuarter, 4) << text;
        EXPECT_EQ(s.HouseNo, (band % 3 == 0) ? 12 : (band % 3 == 1 ? 4 : 8)) << text;
        EXPECT_EQ(s.StarPadaDistance, 0) << text;
        // A hair above it: pada 1 of the next band.
        s.PlanetPosition = std::stod(text) + 1e-9;
        s.findstar();
        if (band < 27) {
            EXPECT_EQ(s.StarQuarter, 1) << text;
            EXPECT_EQ(s.StarNo, band + 1 <= 21 ? band + 1 : band + 2) << text;
        }
    }
}

TEST(Star, OutsideTheCircleKeepsEveryOutput) {
    jd::clsStar s;
    s.PlanetPosition = 100;
    s.findstar();
    for (double x : {-1.0, 361.0}) {
        s.StarName = "overwritten";
        s.PlanetPosition = x;
        s.findstar();
        EXPECT_EQ(s.StarName, "Pushya");
        EXPECT_EQ(s.StarNo, 8);
        EXPECT_EQ(s.StarQuarter, 2);
        EXPECT_EQ(s.HouseNo, 6);
        EXPECT_EQ(s.StarPadaDistance, 0);
    }
    // After an Abijit longitude the kept name is the Abijit one.
    s.PlanetPosition = 278;
    s.findstar();
    s.PlanetPosition = -5;
    s.findstar();
    EXPECT_EQ(s.StarName, "Uttarashada - Abijit");
    EXPECT_EQ(s.StarNo, 22);
    // A new instance stays empty.
    jd::clsStar fresh;
    fresh.PlanetPosition = 400;
    fresh.findstar();
    EXPECT_EQ(fresh.StarName, "");
    EXPECT_EQ(fresh.StarNo, 0);
}

// ---------------------------------------------------------------- karana of a tithi

TEST(Karnam, HalvesOfTheTithi) {
    struct Case {
        int spanMinutes;
        int half;
    };
    // Half the span plus a half minute, an exact half going to the even one.
    const Case cases[] = {{1440, 720}, {1441, 721}, {1000, 500}, {1001, 501}, {1002, 502}, {1003, 502}, {0, 0}};
    for (const auto& c : cases) {
        jd::clsKarnam k;
        k.TithiNo = "1";
        k.TithiStart = DateTime::of(2020, 5, 1, 10, 0, 0);
        k.TithiEnd = DateTime::fromTotalSeconds(k.TithiStart.totalSeconds() + c.spanMinutes * 60LL);
        k.FindKarnam();
        EXPECT_EQ(k.KarnamStart1, k.TithiStart);
        EXPECT_EQ(k.KarnamEnd1.totalSeconds() - k.TithiStart.totalSeconds(), c.half * 60LL) << c.spanMinutes;
        EXPECT_EQ(k.KarnamStart2, k.KarnamEnd1);
        EXPECT_EQ(k.KarnamEnd2, k.TithiEnd);
    }
    jd::clsKarnam k;
    k.TithiNo = "1";
    k.TithiStart = DateTime::of(2020, 5, 1, 10, 0, 0);
    k.TithiEnd = DateTime::of(2020, 5, 2, 10, 0, 0);
    k.FindKarnam();
    EXPECT_EQ(k.KarnamEnd1, DateTime::of(2020, 5, 1, 22, 0, 0));
}

TEST(Karnam, NamesByTithiText) {
    struct Case {
        const char *no, *first, *second;
    };
    const Case cases[] = {
        {"1", "Kintughna", "Bava"}, {"2", "Balav", "Kaulav"},   {"9", "Balava", "Kaulava"},
        {"16", "Balav", "Kaulava"}, {"26", "Bav", "Balava"},    {"29", "Vishti", "Shakuni"},
        {"30", "Chatushpada", "Naga"},
    };
    for (const auto& c : cases) {
        jd::clsKarnam k;
        k.TithiNo = c.no;
        k.FindKarnam();
        EXPECT_EQ(k.KarnamName1, c.first) << c.no;
        EXPECT_EQ(k.KarnamName2, c.second) << c.no;
    }
    // Texts that are no tithi number keep the earlier names but set new moments.
    jd::clsKarnam k;
    for (const char* no : {"31", "", "01", " 1"}) {
        k.TithiNo = no;
        k.FindKarnam();
        EXPECT_EQ(k.KarnamName1, "") << no;
    }
    k.TithiNo = "30";
    k.FindKarnam();
    k.TithiNo = "31";
    k.TithiStart = DateTime::of(2021, 1, 1);
    k.TithiEnd = DateTime::of(2021, 1, 2);
    k.FindKarnam();
    EXPECT_EQ(k.KarnamName1, "Chatushpada");
    EXPECT_EQ(k.KarnamName2, "Naga");
    EXPECT_EQ(k.KarnamEnd1, DateTime::of(2021, 1, 1, 12, 0, 0));
}

TEST(Karnam, SpanBeyondSixteenBitsIsAnOverflow) {
    jd::clsKarnam k;
    k.TithiNo = "1";
    k.TithiStart = DateTime::of(2020, 1, 1);
    k.TithiEnd = DateTime::of(2020, 3, 1);  // about 86,000 minutes
    try {
        k.FindKarnam();
        FAIL() << "no error";
    } catch (const jd::RunTimeError& e) {
        EXPECT_EQ(e.number(), 6);
    }
}
