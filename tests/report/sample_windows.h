#pragma once
// Result-window contents built by hand for the report tests: a chart of
// 15 Aug 1975, 10:30 AM at Chennai, written into the labels and grids in the
// forms the chart run gives them (South, North and East cells all filled, so
// one set serves every chart style), in English or Sanskrit names; and the
// vimshottari periods generated from the first dasa's balance.
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "platform/date_time.h"
#include "report/report_pages.h"
#include "state/result_windows.h"

namespace jd::testing {

enum class Names { English, Sanskrit };

inline std::string dayMonthYear(const DateTime& d) {
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string day = (d.day() < 10 ? "0" : "") + std::to_string(d.day());
    return day + "/" + months[d.month() - 1] + "/" + std::to_string(d.year());
}

inline void fillUserDetails(UserDetailsContents& u) {
    const std::pair<Label*, const char*> captions[] = {
        {&u.txtGName, "Ravi Kumar"},          {&u.txtSex, "Male"},
        {&u.Txt_BC_Date, "15/Aug/1975"},      {&u.txtTimeOfBirth, "10:30 AM"},
        {&u.txtist, "15/Aug/1975 10:30 AM"},  {&u.txtlmt, "10:21 AM"},
        {&u.txtgmt, "15/Aug/1975 05:00 AM"},  {&u.txtTimeZone, "5.5 E"},
        {&u.txtIshtaGhati, "11.27.30"},       {&u.txtCountry, "India"},
        {&u.txtCity, "Chennai"},              {&u.txtLatutude, "13 N 5"},
        {&u.txtLongitude, "80 E 17"},         {&u.txtSunRise, "05:58 AM"},
        {&u.txtSunSet, "06:29 PM"},           {&u.txtAyanamsa, "23.30.55"},
        {&u.txtVedic, "Friday"},              {&u.txtGregorian, "Friday"},
        {&u.txtSolarDate, "Karkataka 30"},    {&u.txtSLunarDate, "Shudha Shravana Krishna 8"},
        {&u.txtKLunarDate, "Shudha Bhadrapada Krishna 8"}, {&u.txtKaliyugaYear, "5076"},
        {&u.txtAyana, "Dakshinayana"},        {&u.txtLagna, "Virgo"},
        {&u.txtRasi, "Taurus"},               {&u.txtStar, "Krittika"},
        {&u.txtTithi, "Ashtami"},             {&u.txtPaksha, "Krishna"},
        {&u.txtYogam, "Vyaghata"},            {&u.txtKarnam, "Kaulava"},
    };
    for (auto [label, text] : captions) label->setCaption(text);
}

struct SampleNames {
    std::array<const char*, 12> chartAbbr;  // Asc, Sun .. Ket, Gulika, Maandi
    std::array<const char*, 12> signName;
    std::array<const char*, 12> signShort;
    std::array<const char*, 10> planetName;  // display names for lords, Sun .. Kethu order below
};

inline const SampleNames& sampleNames(Names names) {
    static const SampleNames english{
        {"Asc", "Sun", "Moo", "Mar", "Mer", "Jup", "Ven", "Sat", "Rah", "Ket", "Gul", "Maa"},
        {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius", "Capricorn",
         "Aquarius", "Pisces"},
        {"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"},
        {"Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn", "Rahu", "Kethu", ""},
    };
    static const SampleNames sanskrit{
        {"Lag", "Rav", "Cha", "Kuj", "Bud", "Gur", "Suk", "San", "Rah", "Ket", "Gul", "Maa"},
        {"Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha", "Kanya", "Tula", "Vrischika", "Dhanus", "Makara",
         "Kumbha", "Meena"},
        {"Mes", "Vri", "Mit", "Kat", "Sim", "Kan", "Tul", "Vrc", "Dha", "Mak", "Kum", "Mee"},
        {"Ravi", "Chandra", "Kuja", "Budha", "Guru", "Sukra", "Sani", "Rahu", "Kethu", ""},
    };
    return names == Names::English ? english : sanskrit;
}

// Body indexes of sampleNames().chartAbbr.
enum Body { Asc, Sun, Moo, Mar, Mer, Jup, Ven, Sat, Rah, Ket, Gul, Maa };

// Rasi sign (1..12), degrees.minutes within it and navamsa sign of each body.
struct Placement {
    Body body;
    int rasi;
    const char* degMin;
    int navamsa;
};
inline const Placement kPlacements[] = {
    {Asc, 6, "12.31", 1}, {Sun, 4, "28.50", 12}, {Moo, 2, "8.10", 12}, {Mar, 2, "22.15", 4},
    {Mer, 5, "15.02", 5}, {Jup, 12, "24.40", 11}, {Ven, 5, "29.12", 9}, {Sat, 4, "0.45", 4},
    {Rah, 8, "4.20", 5},  {Ket, 2, "4.20", 11},  {Gul, 7, "3.10", 7},  {Maa, 7, "9.55", 9},
};
constexpr int kLagnaSign = 6;

inline void append(Label& cell, const std::string& entry, const std::string& join) {
    cell.setCaption(cell.caption().empty() ? entry : cell.caption() + join + entry);
}

inline void fillRasi(RasiContents& w, const SampleNames& n) {
    for (const Placement& p : kPlacements) {
        std::string name = n.chartAbbr[p.body];
        append(w.Lab_GM_GirlHouse[p.rasi - 1], name + "  " + p.degMin, "\r\n");
        int house = (p.rasi - kLagnaSign + 12) % 12 + 1;
        w.Lab_ChartHouseN_Girl[house].setCaption(w.Lab_ChartHouseN_Girl[house].caption() + name + "  ");
        // East cells: one line, the first body followed by two blanks, the others preceded by two.
        Label& east = w.Lab_chartHouse_Girl_Rasi[p.rasi];
        east.setCaption(east.caption().empty() ? name + "  " : east.caption() + "  " + name);
    }
    for (int k = 1; k <= 12; ++k) w.Lab_NHouseNo[k].setCaption(std::to_string((kLagnaSign + k - 2) % 12 + 1));
}

inline void fillNavamsa(DivisionChartContents& w, const SampleNames& n) {
    const int lagna = 1;
    for (const Placement& p : kPlacements) {
        std::string entry = std::string(n.chartAbbr[p.body]) + "  ";
        append(w.Lab_GirlNav[p.navamsa - 1], entry, "\r\n");
        int house = (p.navamsa - lagna + 12) % 12 + 1;
        w.Lab_ChartHouseN_GirlNav[house].setCaption(w.Lab_ChartHouseN_GirlNav[house].caption() + entry);
        append(w.Lab_ChartGHouse_Girl_Nav[p.navamsa], entry, "\r\n");
    }
    for (int k = 1; k <= 12; ++k) w.Lab_NHouseNo[k].setCaption(std::to_string(k));
}

// Bhava k has its middle in sign lagna + k - 1 and holds these planets.
inline void fillBhavaChart(DivisionChartContents& w, const SampleNames& n) {
    const std::vector<std::vector<Body>> planets = {
        {Asc, Ven}, {}, {Rah}, {}, {}, {}, {Jup}, {}, {Moo, Mar, Ket}, {}, {Sat}, {Sun, Mer}};
    for (int k = 1; k <= 12; ++k) {
        std::string text;
        for (Body b : planets[static_cast<size_t>(k - 1)]) text += (text.empty() ? "" : " ") + std::string(n.chartAbbr[b]);
        int sign = (kLagnaSign + k - 2) % 12 + 1;
        w.Lab_GirlNav[sign - 1].setCaption(text);
        w.Lab_ChartHouseN_GirlNav[k].setCaption(text);
        w.Lab_ChartGHouse_Girl_Nav[sign].setCaption(text);
        w.Lab_NHouseNo[k].setCaption(std::to_string(sign));
    }
}

inline void fillBhavaFeatures(CBhavaContents& w, const SampleNames& n) {
    struct Row { const char* mid; const char* star; const char* pada; int starLord; int subLord; };
    // Lords as indexes of planetName: 0 Sun, 1 Moon, 2 Mars, 3 Mercury, 4 Jupiter, 5 Venus, 6 Saturn, 7 Rahu, 8 Kethu.
    const Row rows[12] = {
        {"162.31.05", "Hasta", "1", 1, 5},       {"192.31.05", "Swati", "2", 7, 4},
        {"222.31.05", "Anuradha", "3", 6, 3},    {"252.31.05", "Mula", "4", 8, 6},
        {"282.31.05", "Shravana", "1", 1, 7},    {"312.31.05", "Shatabhisha", "2", 7, 1},
        {"342.31.05", "Uttara Bhadrapada", "3", 6, 5}, {"12.31.05", "Ashwini", "4", 8, 0},
        {"42.31.05", "Rohini", "1", 1, 2},       {"72.31.05", "Ardra", "2", 7, 4},
        {"102.31.05", "Pushya", "3", 6, 8},      {"132.31.05", "Magha", "4", 8, 3},
    };
    const int signLord[12] = {2, 5, 3, 1, 0, 3, 5, 2, 4, 6, 6, 4};
    for (int k = 1; k <= 12; ++k) {
        const Row& r = rows[k - 1];
        int sign = (kLagnaSign + k - 2) % 12 + 1;
        Grid& g = w.msh_star;
        g.setText(k, 0, std::to_string(k));
        g.setText(k, 1, r.mid);
        g.setText(k, 2, n.signName[static_cast<size_t>(sign - 1)]);
        g.setText(k, 3, n.planetName[static_cast<size_t>(signLord[sign - 1])]);
        g.setText(k, 4, r.star);
        g.setText(k, 5, r.pada);
        g.setText(k, 6, n.planetName[static_cast<size_t>(r.starLord)]);
        g.setText(k, 7, n.planetName[static_cast<size_t>(r.subLord)]);
    }
}

inline void fillPlanets(PlanetPositionsContents& w, const SampleNames& n) {
    struct Row { Body body; const char* longitude; const char* star; const char* pada; int starLord; int subLord;
                 const char* karaka; const char* avastha; };
    const Row rows[10] = {
        {Asc, "12.31.05", "Hasta", "1", 1, 5, "", ""},
        {Sun, "28.50.12", "Ashlesha", "4", 3, 6, "Amatya", "Bhojana"},
        {Moo, "08.10.44", "Krittika", "4", 0, 7, "Gnati", "Kautuka"},
        {Mar, "22.15.30", "Rohini", "4", 1, 3, "Matri", "Nidra"},
        {Mer, "15.02.09", "Purva Phalguni", "1", 5, 4, "Puttra", "Agama"},
        {Jup, "24.40.51", "Revati", "3", 3, 1, "Bhratri", "Sayana"},
        {Ven, "29.12.03", "Uttara Phalguni", "1", 0, 8, "Atma", "Nrityalipsa"},
        {Sat, "00.45.20", "Punarvasu", "4", 4, 6, "Dara", "Gamana"},
        {Rah, "04.20.00", "Anuradha", "1", 6, 6, "", "Upavesana"},
        {Ket, "04.20.00", "Krittika", "3", 0, 7, "", "Prakasana"},
    };
    const int signLord[12] = {2, 5, 3, 1, 0, 3, 5, 2, 4, 6, 6, 4};
    Grid& g = w.mshNirayana;
    for (int r = 1; r <= 10; ++r) {
        const Row& row = rows[r - 1];
        int sign = kPlacements[row.body].rasi;
        g.setText(r, 0, n.chartAbbr[row.body]);
        g.setText(r, 1, row.longitude);
        g.setText(r, 2, n.signName[static_cast<size_t>(sign - 1)]);
        g.setText(r, 3, n.planetName[static_cast<size_t>(signLord[sign - 1])]);
        g.setText(r, 4, row.star);
        g.setText(r, 5, row.pada);
        g.setText(r, 6, n.planetName[static_cast<size_t>(row.starLord)]);
        g.setText(r, 7, n.planetName[static_cast<size_t>(row.subLord)]);
        g.setText(r, 8, row.karaka);
        g.setText(r, 9, row.avastha);
    }
}

inline void fillAshtakavarga(AVargasContents& w, const SampleNames& n) {
    // Bindus by sign (rows) of Sun .. Saturn, then the ascendant and Rahu.
    const int bindus[12][9] = {
        {4, 5, 3, 5, 5, 4, 3, 3, 4}, {5, 4, 4, 4, 4, 5, 3, 4, 3}, {3, 4, 2, 5, 5, 4, 4, 2, 4},
        {4, 3, 4, 4, 5, 4, 3, 5, 2}, {6, 5, 3, 4, 4, 5, 3, 4, 3}, {3, 4, 3, 5, 5, 4, 4, 3, 4},
        {4, 4, 4, 4, 4, 4, 3, 4, 3}, {5, 3, 3, 5, 5, 5, 3, 2, 4}, {2, 5, 3, 4, 5, 4, 4, 5, 2},
        {4, 4, 4, 5, 4, 4, 3, 4, 4}, {4, 5, 3, 4, 5, 5, 3, 3, 3}, {4, 3, 3, 5, 5, 4, 3, 4, 3},
    };
    Grid& g = w.mshAshtaVarga;
    int totals[11] = {};
    for (int r = 1; r <= 12; ++r) {
        g.setText(r, 0, n.signName[static_cast<size_t>(r - 1)]);
        int sum = 0;
        for (int c = 0; c < 9; ++c) {
            g.setText(r, c + 1, std::to_string(bindus[r - 1][c]));
            totals[c] += bindus[r - 1][c];
            if (c < 7) sum += bindus[r - 1][c];
        }
        int withStarred = sum + bindus[r - 1][7] + bindus[r - 1][8];
        g.setText(r, 10, std::to_string(sum));
        g.setText(r, 11, std::to_string(withStarred));
        totals[9] += sum;
        totals[10] += withStarred;
    }
    g.setText(13, 0, "Total");
    for (int c = 0; c < 11; ++c) g.setText(13, c + 1, std::to_string(totals[c]));
}

inline void fillVargas(VargasContents& w, const SampleNames& n) {
    const char* const charts[21] = {
        "Rasi", "Navamsa", "Hora", "Drekkana", "Chaturthamsha", "Panchamsha", "Shashtamsha",
        "Sapthamsha", "Ashatamsha", "Dashamsha", "Ekadashamsha", "Dwadashamsha", "Shodashamsha",
        "Vimshamsha", "Chaturvimshamsha", "Saptavimshamsha", "Trimshamsha", "Khavedamsa",
        "Akshvedamsa", "Shastiamsa", "Nava-Navamsa"};
    Grid& g = w.mshVargas;
    for (int r = 1; r <= 21; ++r) {
        g.setText(r, 0, charts[r - 1]);
        for (int c = 1; c <= 10; ++c) {
            const Placement& p = kPlacements[c - 1];
            int sign = r == 1 ? p.rasi : r == 2 ? p.navamsa : (r * 7 + c * 5 + p.rasi) % 12 + 1;
            g.setText(r, c, n.signShort[static_cast<size_t>(sign - 1)]);
        }
    }
}

// The vimshottari periods from a birth in the Sun's dasa with 0.825 years left.
inline void fillDasa(DasaContents& w, const SampleNames& n) {
    const int order[9] = {0, 1, 2, 7, 4, 6, 3, 8, 5};  // Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury, Kethu, Venus
    const double years[9] = {6, 10, 7, 18, 16, 19, 17, 7, 20};  // in the same order
    const double daysPerYear = 365.25;
    const DateTime birth = DateTime::of(1975, 8, 15, 10, 30);
    const double birthSerial = birth.serial();
    auto at = [&](double serial) { return DateTime::fromSerial(std::floor(serial)); };
    auto age = [&](double serial) { return std::to_string(at(serial).year() - birth.year()); };
    auto name = [&](int i) { return std::string(n.planetName[static_cast<size_t>(order[i % 9])]); };

    w.Lab_DasaBalanceV.setCaption("Dasa Balance at Birth :SunDasa  0-9- 27");
    Grid& dg = w.mshDasa;
    Grid& bg = w.mshBukti;
    Grid& ag = w.mshAntra;
    dg.setRows(10);
    // Rows are gathered first and written once, as the grids are sized once.
    std::vector<std::array<std::string, 4>> bhuktiRows, antraRows;
    auto addRow = [](std::vector<std::array<std::string, 4>>& rows, const std::string& a, const std::string& b,
                     const std::string& c, const std::string& d) { rows.push_back({a, b, c, d}); };
    auto write = [](Grid& g, const std::vector<std::array<std::string, 4>>& rows) {
        g.setRows(static_cast<int>(rows.size()) + 1);
        for (size_t i = 0; i < rows.size(); ++i)
            for (int c = 0; c < 4; ++c) g.setText(static_cast<int>(i) + 1, c, rows[i][static_cast<size_t>(c)]);
    };
    double dasaStart = birthSerial + 0.825 * daysPerYear - years[0] * daysPerYear;  // before birth
    for (int d = 0; d < 9; ++d) {
        double dasaEnd = dasaStart + years[d] * daysPerYear;
        double shownStart = std::max(dasaStart, birthSerial);
        dg.setText(d + 1, 0, name(d));
        dg.setText(d + 1, 1, dayMonthYear(at(shownStart)));
        dg.setText(d + 1, 2, dayMonthYear(at(dasaEnd)));
        dg.setText(d + 1, 3, d == 0 ? "0" : age(shownStart));
        std::string heading = name(d) + " Dasa";
        addRow(bhuktiRows, heading, heading, heading, heading);
        double bhuktiStart = dasaStart;
        for (int b = 0; b < 9; ++b) {
            double bhuktiYears = years[d] * years[(d + b) % 9] / 120.0;
            double bhuktiEnd = bhuktiStart + bhuktiYears * daysPerYear;
            if (bhuktiEnd > birthSerial) {
                double start = std::max(bhuktiStart, birthSerial);
                addRow(bhuktiRows, name(d + b), dayMonthYear(at(start)), dayMonthYear(at(bhuktiEnd)), age(start));
                std::string antraHeading = name(d) + " Dasa, " + name(d + b) + " Bhukthi";
                addRow(antraRows, antraHeading, antraHeading, antraHeading, antraHeading);
                double antraStart = bhuktiStart;
                for (int a = 0; a < 9; ++a) {
                    double antraEnd = antraStart + bhuktiYears * years[(d + b + a) % 9] / 120.0 * daysPerYear;
                    double shown = std::max(antraStart, birthSerial);
                    if (antraEnd > birthSerial)  // the antaras over before birth are not listed
                        addRow(antraRows, name(d + b + a), dayMonthYear(at(shown)), dayMonthYear(at(antraEnd)), age(shown));
                    antraStart = antraEnd;
                }
            }
            bhuktiStart = bhuktiEnd;
        }
        dasaStart = dasaEnd;
    }
    write(bg, bhuktiRows);
    write(ag, antraRows);
}

inline std::unique_ptr<ResultWindows> sampleWindows(Names names = Names::English) {
    auto w = std::make_unique<ResultWindows>();
    const SampleNames& n = sampleNames(names);
    fillUserDetails(w->frm_UserDetails);
    fillRasi(w->frm_rasi, n);
    fillNavamsa(w->frm_Navamsa, n);
    fillBhavaChart(w->frm_BhavaChart, n);
    fillBhavaFeatures(w->frm_CBhava, n);
    fillPlanets(w->Frm_PP, n);
    fillAshtakavarga(w->Frm_AVargas, n);
    fillVargas(w->Frm_Vargas, n);
    fillDasa(w->Frm_Dasa, n);
    return w;
}

inline PersonalDetailsRow samplePersonalDetails() {
    return {"Sri Lakshmi Astro Centre", "12 Temple Street", "Mylapore", "Chennai", "India",
            "600004", "044 2499 1234", "info@example.org"};
}

}  // namespace jd::testing
