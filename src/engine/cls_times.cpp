#include "engine/cls_times.h"

#include <cmath>
#include <utility>

#include "platform/vb_date.h"
#include "platform/vb_number.h"

namespace jd {
namespace {

// A number of seconds as a time value: hours, minutes and seconds, carried
// into day one from 24 hours on.
DateTime FnSecondsToTime(std::int32_t seconds) {
    const int h = static_cast<int>(std::floor(seconds / 3600.0));
    const int r = seconds % 3600;
    const int m = static_cast<int>(std::floor(r / 60.0));
    const int s = r % 60;
    return timeSerial(h, m, s);
}

// The sum of two times of day. Both are first cut to their own time of day
// (the start one in place), so a boundary on day one counts from midnight;
// a sum past midnight falls on day one.
DateTime FnAddTimes(DateTime& a, DateTime b) {
    a = a.timePart();
    b = b.timePart();
    int h = a.hour() + b.hour();
    int m = a.minute() + b.minute();
    int s = a.second() + b.second();
    if (m >= 60) {
        m -= 60;
        h += 1;
    }
    if (s >= 60) {
        s -= 60;
        m += 1;
    }
    return timeSerial(h, m, s);
}

// Fills boundaries 1..n of a table from its start moment, one part apart.
template <std::size_t N>
void fillBoundaries(std::array<DateTime, N>& table, DateTime& start, std::int32_t partSeconds) {
    const DateTime part = FnSecondsToTime(partSeconds);
    table[1] = FnAddTimes(start, part);
    for (std::size_t k = 2; k < N; ++k) {
        DateTime previous = table[k - 1];  // the table keeps its day-one boundaries
        table[k] = FnAddTimes(previous, part);
    }
}

std::int32_t nearest(double x) { return toInt32(roundHalfEven(x)); }

// Part numbers of the one-part periods, Sunday .. Saturday.
using Row = std::array<int, 7>;
constexpr Row kVaarvela{4, 7, 2, 5, 8, 3, 6};
constexpr Row kKaalvela{5, 2, 6, 3, 7, 4, 8};
constexpr Row kRahukaal{8, 2, 7, 5, 6, 4, 3};
constexpr Row kGulikaDay{7, 6, 5, 4, 3, 2, 1};
constexpr Row kYamaghanta2Day{5, 4, 3, 2, 1, 7, 6};
constexpr Row kArdhayamaDay{4, 3, 2, 1, 7, 6, 5};
constexpr Row kKantaka2Day{3, 2, 1, 7, 6, 5, 4};
constexpr Row kKaalratri{6, 4, 2, 7, 5, 3, 1};
constexpr Row kGulikaNight{3, 2, 1, 7, 6, 5, 4};
constexpr Row kYamaghanta2Night{1, 7, 6, 5, 4, 3, 2};
constexpr Row kArdhayamaNight{7, 6, 5, 4, 3, 2, 1};
constexpr Row kKantaka2Night{6, 5, 4, 3, 2, 1, 7};
constexpr Row kKulikaDay{14, 12, 10, 8, 6, 4, 2};
constexpr Row kKaalvela2{8, 6, 4, 2, 14, 12, 10};
constexpr Row kYamaghanta{10, 8, 6, 4, 2, 14, 12};
constexpr Row kKantaka{6, 4, 2, 14, 12, 10, 8};
constexpr Row kKulikaNight{13, 11, 9, 7, 5, 3, 1};

// Start and end boundaries of the spans of several parts.
constexpr std::array<std::pair<int, int>, 7> kVishaGhati{{{20, 24}, {2, 6}, {12, 16}, {10, 14}, {7, 11}, {5, 9}, {25, 29}}};
constexpr std::array<std::pair<int, int>, 7> kAmritaGhati{{{41, 44}, {57, 60}, {49, 52}, {51, 54}, {54, 57}, {56, 59}, {36, 39}}};

// Thirtieth boundaries of the rising moments.
constexpr Row kKaalaRiseDay{2, 26, 22, 18, 14, 10, 6};
constexpr Row kKaresaRiseDay{10, 6, 2, 26, 22, 18, 14};
constexpr Row kArdhaPrakarananRiseDay{14, 10, 6, 2, 26, 22, 18};
constexpr Row kYamagantaRiseDay{18, 14, 10, 6, 2, 26, 22};
constexpr Row kVidaghatiRiseDay{22, 18, 14, 10, 6, 2, 26};
constexpr Row kMandiRiseDay{26, 22, 18, 14, 10, 6, 2};
constexpr Row kYamagantaRiseNight{2, 26, 22, 18, 14, 10, 6};
constexpr Row kVidaghatiRiseNight{6, 2, 26, 22, 18, 14, 10};
constexpr Row kMandiRiseNight{10, 6, 2, 26, 22, 18, 14};
constexpr Row kKaalaRiseNight{14, 10, 6, 2, 26, 22, 18};
constexpr Row kKaresaRiseNight{22, 18, 14, 10, 6, 2, 26};
constexpr Row kArdhaPrakarananRiseNight{26, 22, 18, 14, 10, 6, 2};

// The thirty muhurtas, 1..15 of the day and 16..30 of the night: deity/star.
constexpr std::array<const char*, 30> kMuhurtaNames = {
    "Rudra/Aridra",        "Sarpa/Ashlesha",         "Mitra/Anuradha",     "Pitar/Magha",
    "Vasu/Dhanishta",      "Jal/Poorvashada",        "Vishvadeva/UttaraShada", "Brahma/Abhijit",
    "Brahma/Rohini",       "Indra/Jyeshta",          "Indragani/Vishaka",  "Raakshas/Moola",
    "Varun/Shatabisha",    "Aryama/UttaraPalguni",   "Bhaga/PoorvaPalguni", "Rudra/Aridra",
    "Ajpad/Poorvabhadra",  "Ahirbhudhanya/Uttarabhadra", "Pusha/Revati",   "Ashvani Kumar/Ashvani",
    "Yama/Bharni",         "Agni/Krittika",          "Brahma/Rohini",      "Chandra/Mrigasirsha",
    "Aditi/Punarvasu",     "Brihsapati/Pushya",      "Vishnu/Shravana",    "Surya/Hasta",
    "Vishvakarma/Chitra",  "Pawan/Swati"};

// Names, starts and ends of a list, each joined by "~".
struct Listing {
    std::string names, starts, ends;
    int count = 0;
    void add(const std::string& name, const DateTime& start, const DateTime& end) {
        if (count++ > 0) {
            names += "~";
            starts += "~";
            ends += "~";
        }
        names += name;
        starts += generalDateText(start);
        ends += generalDateText(end);
    }
};

}  // namespace

void clsTimes::findtimes() {
    const std::int32_t ghatika = nearest(dateDiff(DateUnit::Second, Sunrisetime, SunRiseNexttime) / 60.0);
    const std::int32_t dayEighth = nearest(dateDiff(DateUnit::Second, Sunrisetime, Sunsettime) / 8.0);
    fillBoundaries(DayEighths, Sunrisetime, dayEighth);
    const std::int32_t nightEighth = nearest(dateDiff(DateUnit::Second, Sunsettime, SunRiseNexttime) / 8.0);
    fillBoundaries(NightEighths, Sunsettime, nightEighth);

    // The shorter parts come from the whole-second eighth, not from the span.
    fillBoundaries(DaySixteenths, Sunrisetime, nearest(dayEighth / 2.0));
    fillBoundaries(NightSixteenths, Sunsettime, nearest(nightEighth / 2.0));
    fillBoundaries(DayTwelfths, Sunrisetime, nearest(8.0 * dayEighth / 12));
    fillBoundaries(NightTwelfths, Sunsettime, nearest(8.0 * nightEighth / 12));
    fillBoundaries(DayThirtieths, Sunrisetime, nearest(8.0 * dayEighth / 30));
    fillBoundaries(NightThirtieths, Sunsettime, nearest(8.0 * nightEighth / 30));
    fillBoundaries(Ghatikas, Sunrisetime, ghatika);
    fillBoundaries(DayFifteenths, Sunrisetime, nearest(8.0 * dayEighth / 15));
    fillBoundaries(NightFifteenths, Sunsettime, nearest(8.0 * nightEighth / 15));

    const int w = weekday(currentdate);
    fillPeriods(w);
    fillHorasAndMuhurtas(w);
}

void clsTimes::fillPeriods(int w) {
    const auto i = static_cast<std::size_t>(w - 1);
    // Part k of a table runs from boundary k-1 (the sunrise or the sunset for
    // part 1) to boundary k.
    auto part = [&](const auto& table, const DateTime& start, const Row& row, DateTime& from, DateTime& to) {
        const auto k = static_cast<std::size_t>(row[i]);
        from = k == 1 ? start : table[k - 1];
        to = table[k];
    };
    auto dayEighth = [&](const Row& row, DateTime& from, DateTime& to) { part(DayEighths, Sunrisetime, row, from, to); };
    auto nightEighth = [&](const Row& row, DateTime& from, DateTime& to) {
        part(NightEighths, Sunsettime, row, from, to);
    };
    auto daySixteenth = [&](const Row& row, DateTime& from, DateTime& to) {
        part(DaySixteenths, Sunrisetime, row, from, to);
    };

    dayEighth(kVaarvela, vaarvelaStart, vaarvelaEnd);
    dayEighth(kKaalvela, kaalvelaStart, kaalvelaEnd);
    dayEighth(kRahukaal, RahukaalStart, RahukaalEnd);
    dayEighth(kGulikaDay, GulikaStart_Day, GulikaEnd_Day);
    GulikaRise_Day = GulikaEnd_Day;
    dayEighth(kYamaghanta2Day, yamaghanta2Start_Day, yamaghanta2End_Day);
    dayEighth(kArdhayamaDay, ArdhayamaStart_Day, ArdhayamaEnd_Day);
    dayEighth(kKantaka2Day, Kantaka2Start_Day, Kantaka2End_Day);

    nightEighth(kKaalratri, KaalratriStart, KaalratriEnd);
    nightEighth(kGulikaNight, GulikaStart_Night, GulikaEnd_Night);
    GulikaRise_Night = GulikaEnd_Night;
    nightEighth(kYamaghanta2Night, yamaghanta2Start_Night, yamaghanta2End_Night);
    nightEighth(kArdhayamaNight, ArdhayamaStart_Night, ArdhayamaEnd_Night);
    nightEighth(kKantaka2Night, Kantaka2Start_Night, Kantaka2End_Night);

    daySixteenth(kKulikaDay, KulikaStart_Day, KulikaEnd_Day);
    daySixteenth(kKaalvela2, kaalvela2Start, kaalvela2End);
    bkaalvela2Start = kaalvela2Start;
    daySixteenth(kYamaghanta, yamaghantaStart, yamaghantaEnd);
    daySixteenth(kKantaka, KantakaStart, KantakaEnd);
    part(NightSixteenths, Sunsettime, kKulikaNight, KulikaStart_Night, KulikaEnd_Night);

    VishaGhatiStart = DayThirtieths[static_cast<std::size_t>(kVishaGhati[i].first)];
    VishaGhatiEnd = DayThirtieths[static_cast<std::size_t>(kVishaGhati[i].second)];
    AmritaGhatiStart = Ghatikas[static_cast<std::size_t>(kAmritaGhati[i].first)];
    AmritaGhatiEnd = Ghatikas[static_cast<std::size_t>(kAmritaGhati[i].second)];

    auto dayRise = [&](const Row& row) { return DayThirtieths[static_cast<std::size_t>(row[i])]; };
    auto nightRise = [&](const Row& row) { return NightThirtieths[static_cast<std::size_t>(row[i])]; };
    kaalaRise_Day = dayRise(kKaalaRiseDay);
    karesaRise_Day = dayRise(kKaresaRiseDay);
    ArdhaPrakarananRise_Day = dayRise(kArdhaPrakarananRiseDay);
    YamagantaRise_Day = dayRise(kYamagantaRiseDay);
    VidaghatiRise_Day = dayRise(kVidaghatiRiseDay);
    MandiRise_Day = dayRise(kMandiRiseDay);
    YamagantaRise_Night = nightRise(kYamagantaRiseNight);
    VidaghatiRise_Night = nightRise(kVidaghatiRiseNight);
    MandiRise_Night = nightRise(kMandiRiseNight);
    kaalaRise_Night = nightRise(kKaalaRiseNight);
    karesaRise_Night = nightRise(kKaresaRiseNight);
    ArdhaPrakarananRise_Night = nightRise(kArdhaPrakarananRiseNight);
}

void clsTimes::fillHorasAndMuhurtas(int w) {
    // Horas: the lords step back two weekdays per hora (Sun, Venus, Mercury,
    // Moon, Saturn, Jupiter, Mars), each named by its weekday.
    Listing dayHoras, nightHoras;
    dayHoras.add(weekdayName(w), Sunrisetime, DayTwelfths[1]);
    for (int i = 2; i <= 24; ++i) {
        int lord = w - 2 * (i - 1);
        while (lord < 1) lord += 7;
        const std::string name = weekdayName(lord);
        const auto k = static_cast<std::size_t>(i);
        if (i <= 12) {
            dayHoras.add(name, DayTwelfths[k - 1], DayTwelfths[k]);
        } else if (i == 13) {
            nightHoras.add(name, Sunsettime, NightTwelfths[1]);
        } else {
            nightHoras.add(name, NightTwelfths[k - 13], NightTwelfths[k - 12]);
        }
    }

    Listing muhurtas;
    for (std::size_t i = 1; i <= 30; ++i) {
        const std::string name = kMuhurtaNames[i - 1];
        if (i == 1) {
            muhurtas.add(name, Sunrisetime, DayFifteenths[1]);
        } else if (i <= 15) {
            muhurtas.add(name, DayFifteenths[i - 1], DayFifteenths[i]);
        } else if (i == 16) {
            muhurtas.add(name, Sunsettime, NightFifteenths[1]);
        } else {
            muhurtas.add(name, NightFifteenths[i - 16], NightFifteenths[i - 15]);
        }
    }

    DoGhatiMuhurtaName_Temp = muhurtas.names;
    DoGhatiMuhurtaStart_Temp = muhurtas.starts;
    DoGhatiMuhurtaEnd_Temp = muhurtas.ends;
    HoraName_DayTemp = dayHoras.names;
    HoraStart_DayTemp = dayHoras.starts;
    HoraEnd_DayTemp = dayHoras.ends;
    HoraName_NightTemp = nightHoras.names;
    HoraStart_NightTemp = nightHoras.starts;
    HoraEnd_NightTemp = nightHoras.ends;
}

}  // namespace jd
