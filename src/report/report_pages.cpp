#include "report/report_pages.h"

#include <algorithm>
#include <cctype>

#include "platform/text.h"
#include "report/report_text.h"

namespace jd::report {

namespace {

void line(std::string& out, std::string_view text = {}) {
    out += text;
    out += kCrLf;
}

void emptyLines(std::string& out, int count) {
    for (int i = 0; i < count; ++i) out += kCrLf;
}

const std::string kIndent = blanks(5);

bool isBlank(std::string_view s) { return trimBlanks(s).empty(); }

// The birth-detail lines of page 1: the printed label and the window label
// whose caption it shows.
struct DetailLine {
    const char* label;
    const Label UserDetailsContents::*caption;
};

const DetailLine kDetailLines[29] = {
    {"Name", &UserDetailsContents::txtGName},
    {"Sex", &UserDetailsContents::txtSex},
    {"Date of Birth", &UserDetailsContents::Txt_BC_Date},
    {"Time of Birth", &UserDetailsContents::txtTimeOfBirth},
    {"LMT", &UserDetailsContents::txtlmt},
    {"GMT", &UserDetailsContents::txtgmt},
    {"Time Zone", &UserDetailsContents::txtTimeZone},
    {"Ishta Ghati", &UserDetailsContents::txtIshtaGhati},
    {"Birth County", &UserDetailsContents::txtCountry},
    {"Birth City", &UserDetailsContents::txtCity},
    {"Latitude", &UserDetailsContents::txtLatutude},
    {"Longitude", &UserDetailsContents::txtLongitude},
    {"Sun Rise", &UserDetailsContents::txtSunRise},
    {"Sun Set", &UserDetailsContents::txtSunSet},
    {"Ayanamsa", &UserDetailsContents::txtAyanamsa},
    {"Vedic Day", &UserDetailsContents::txtVedic},
    {"Gregorian Day", &UserDetailsContents::txtGregorian},
    {"Solar Date", &UserDetailsContents::txtSolarDate},
    {"Lunar Sukladi Date", &UserDetailsContents::txtSLunarDate},
    {"Lunar Krishnadi Date", &UserDetailsContents::txtKLunarDate},
    {"Kaliyuga Year", &UserDetailsContents::txtKaliyugaYear},
    {"Ayana", &UserDetailsContents::txtAyana},
    {"Janma Lagna", &UserDetailsContents::txtLagna},
    {"Janma Rasi", &UserDetailsContents::txtRasi},
    {"Star", &UserDetailsContents::txtStar},
    {"Tithi", &UserDetailsContents::txtTithi},
    {"Paksha", &UserDetailsContents::txtPaksha},
    {"Yogam", &UserDetailsContents::txtYogam},
    {"Karnam", &UserDetailsContents::txtKarnam},
};

void detailLines(std::string& out, const UserDetailsContents& details, int first, int last) {
    for (int i = first; i <= last; ++i) {
        const DetailLine& d = kDetailLines[i - 1];
        out += kIndent;
        out += fieldLeft(d.label, 22);
        out += ": ";
        line(out, (details.*d.caption).caption());
    }
}

template <typename Labels>
ChartCells cellsOf(const Labels& labels, int first, std::string (*abbreviate)(std::string_view)) {
    ChartCells cells;
    for (int k = 0; k < 12; ++k) cells[static_cast<size_t>(k)] = abbreviate(labels[first + k].caption());
    return cells;
}

std::string drawChart(const ChartCells& cells, ChartStyle style, std::string_view southTitle,
                      const LabelArray& houseSigns, const ReportErrorSink& onError) {
    switch (style) {
        case ChartStyle::South: return FnTextChartSouth(cells, southTitle, onError);
        case ChartStyle::North: return FnTextChartNorth(cells, houseSigns[1].caption(), onError);
        case ChartStyle::East: return FnTextChartEast(cells, onError);
    }
    return {};
}

// A column of a report table: its width, justification of its values, and its
// entries (the two heading lines first, then one per grid row).
struct Column {
    int width;
    bool rightJustified;
    std::vector<std::string> entries;
};

std::string headingField(const Column& c, size_t entry) { return fieldLeft(c.entries[entry], c.width); }
std::string valueField(const Column& c, size_t entry) {
    return c.rightJustified ? fieldRight(c.entries[entry], c.width) : fieldLeft(c.entries[entry], c.width);
}

std::string firstThreeTrimmed(std::string_view s) { return leftChars(trimBlanks(s), 3); }

// ---- the period lists ----

struct ListKind {
    std::string_view marker;  // end of a group heading's trimmed first cell
    std::string_view suffix;  // after the heading in the group title
};

constexpr ListKind kBhukti{"Dasa", " - Bhukti"};
constexpr ListKind kAntra{"Bhukthi", " - Antra"};

constexpr int kLinesPerPage = 60;

bool isGroupHeading(const Grid& grid, int row, const ListKind& kind) {
    std::string first = trimBlanks(grid.text(row, 0));
    return first.size() >= kind.marker.size() &&
           std::string_view(first).substr(first.size() - kind.marker.size()) == kind.marker;
}

std::string periodText(const Grid& grid, int row, bool rightHand) {
    std::string lord = rightHand ? fieldRight(grid.text(row, 0), 3) : fieldLeft(grid.text(row, 0), 3);
    return lord + "  " + fieldLeft(grid.text(row, 1), 12) + " => " + fieldLeft(grid.text(row, 2), 12);
}

// The page separator, one empty line, the header of the next page and three
// empty lines; the page counter moves on.
void newPage(std::string& out, PageCounters& counters) {
    out += kPageSeparator;
    out += kCrLf;
    line(out, pageHeader(counters.page));
    emptyLines(out, 3);
    ++counters.page;
    counters.line = 1;
}

// Walks the grid's rows: each group under its title, its periods two to a
// line. A new page begins only before a group title, once the page has passed
// sixty lines.
void groupWalk(std::string& out, const Grid& grid, const ListKind& kind, PageCounters& counters) {
    const int last = grid.rows() - 1;
    int r = 1;
    while (r <= last) {
        ++counters.line;
        if (isGroupHeading(grid, r, kind)) {
            if (counters.line > kLinesPerPage) newPage(out, counters);
            out += kCrLf;  // ends the line left open before, or leaves one empty line
            const std::string& heading = grid.text(r, 0);
            line(out, kIndent + heading + std::string(kind.suffix) + blanks(14));
            line(out, kIndent + repeated('-', textLength(trimBlanks(heading)) + textLength(kind.suffix)));
            counters.line += 2;
            r += 1;
            continue;
        }
        out += kIndent;
        out += periodText(grid, r, false);
        if (r < last && isGroupHeading(grid, r + 1, kind)) {
            out += kCrLf;
            ++counters.line;
            r += 1;
        } else if (r < last) {
            out += blanks(4);
            line(out, periodText(grid, r + 1, true));
            r += 2;
        } else {
            r += 2;  // the last row: its line is ended by the list's closing line end
        }
    }
}

}  // namespace

std::string pageHeader(int page) {
    return blanks(41) + std::string(ReportSiteTitle) + " - Horoscope  Page " + std::to_string(page);
}

std::vector<std::string> personalDetailsTexts(const std::optional<PersonalDetailsRow>& personal) {
    std::vector<std::string> texts(4);
    if (!personal) return texts;
    const PersonalDetailsRow& p = *personal;
    texts[0] = p.Name;
    texts[1] = p.Address;
    if (!isBlank(p.Address2)) texts[1] += ", " + p.Address2;
    if (!isBlank(p.City)) texts[1] += ", " + p.City;
    if (!isBlank(p.Country)) texts[2] = p.Country;
    if (!isBlank(p.Zipcode)) texts[2] += " - " + p.Zipcode;
    if (!isBlank(p.Phone)) texts[2] += ", Phone : " + p.Phone;
    if (!isBlank(p.EMail)) texts[3] = "E-Mail : " + p.EMail;
    return texts;
}

void appendBirthDetailsPage(std::string& out, const UserDetailsContents& details,
                            const std::optional<PersonalDetailsRow>& personal) {
    emptyLines(out, 4);
    line(out, blanks(25) + "AUM GANESHAYA NAMAH");
    emptyLines(out, 1);
    line(out, blanks(11) + "JANANI JANMA SOUKHYANAM VARDHINEE KULA SAMPADAM");
    line(out, blanks(11) + "PADAVI POORVA PUNYANAM  LIKHYATE  JANMA PATRIKA");
    emptyLines(out, 2);
    line(out, blanks(38) + std::string(ReportSiteTitle) + " - Horoscope");
    line(out, repeated('_', 70));
    emptyLines(out, 2);
    detailLines(out, details, 1, 15);
    emptyLines(out, 2);
    detailLines(out, details, 16, 22);
    emptyLines(out, 2);
    detailLines(out, details, 23, 29);
    line(out, kIndent);
    emptyLines(out, 1);
    line(out, repeated('_', 70));
    emptyLines(out, 1);
    for (const std::string& text : personalDetailsTexts(personal)) line(out, centredLine(text));
}

std::optional<ChartStyle> chartStyleOf(std::string_view gChartStyle) {
    std::string upper(gChartStyle);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (upper == "SOUTH") return ChartStyle::South;
    if (upper == "NORTH") return ChartStyle::North;
    if (upper == "EAST") return ChartStyle::East;
    return std::nullopt;
}

ChartCells rasiCells(const RasiContents& w, ChartStyle style) {
    switch (style) {
        case ChartStyle::South: return cellsOf(w.Lab_GM_GirlHouse, 0, FnAbbrevCellCrLf);
        case ChartStyle::North: return cellsOf(w.Lab_ChartHouseN_Girl, 1, FnAbbrevCellDoubleSpace);
        // The East rasi cells hold all bodies of a sign on one line.
        case ChartStyle::East: return cellsOf(w.Lab_chartHouse_Girl_Rasi, 1, FnAbbrevCellBlankRuns);
    }
    return {};
}

ChartCells divisionCells(const DivisionChartContents& w, ChartStyle style, bool bhava) {
    switch (style) {
        case ChartStyle::South: return cellsOf(w.Lab_GirlNav, 0, bhava ? FnAbbrevCellSpace : FnAbbrevCellCrLf);
        case ChartStyle::North:
            return cellsOf(w.Lab_ChartHouseN_GirlNav, 1, bhava ? FnAbbrevCellSpace : FnAbbrevCellDoubleSpace);
        case ChartStyle::East:
            return cellsOf(w.Lab_ChartGHouse_Girl_Nav, 1, bhava ? FnAbbrevCellSpace : FnAbbrevCellCrLf);
    }
    return {};
}

void appendChartsPage(std::string& out, const ResultWindows& windows, std::optional<ChartStyle> style,
                      const ReportErrorSink& onError) {
    if (style) {
        const RasiContents& rasi = windows.frm_rasi;
        out += drawChart(rasiCells(rasi, *style), *style, "Rasi", rasi.Lab_NHouseNo, onError);
    }
    emptyLines(out, 4);
    if (style) {
        const NavamsaContents& navamsa = windows.frm_Navamsa;
        out += drawChart(divisionCells(navamsa, *style, false), *style, "Navamsa", navamsa.Lab_NHouseNo, onError);
    }
}

void appendHousesPage(std::string& out, const ResultWindows& windows, std::optional<ChartStyle> style,
                      std::string_view gBhavaSystem, const ReportErrorSink& onError) {
    if (style) {
        const BhavaChartContents& bhava = windows.frm_BhavaChart;
        out += drawChart(divisionCells(bhava, *style, true), *style, "Bhava", bhava.Lab_NHouseNo, onError);
    }
    emptyLines(out, 3);
    line(out, kIndent + (gBhavaSystem == "Equal" ? "Bhava Positions  (Equal Division of Houses From M.C)"
                                                 : "Bhava Positions  (Placidius Semi-Arc System)"));
    const std::string rule = kIndent + repeated('-', 65);
    line(out, rule);

    // Eight fields per line: width, right-justified, the two heading texts.
    struct Field {
        int width;
        bool right;
        const char* heading1;
        const char* heading2;
    };
    static const Field fields[8] = {
        {10, true, "House", " "},     {9, false, "Mid", "Longitude"}, {4, true, "Rasi", " "},
        {4, true, "Rasi Lord", "Lord"}, {12, false, "Star", " "},     {4, true, "Pada", " "},
        {4, true, "Star Lord", "Lord"}, {4, true, "Sub Lord", "Lord"},
    };
    auto tableLine = [&](const std::vector<std::string>& texts) {
        std::string l = "  ";
        for (size_t i = 0; i < 8; ++i) {
            if (i > 0) l += "  ";
            l += fields[i].right ? fieldRight(texts[i], fields[i].width) : fieldLeft(texts[i], fields[i].width);
        }
        return l;
    };

    // The whole table is gathered before its first line is written.
    std::vector<std::vector<std::string>> rows;
    rows.push_back({});
    rows.push_back({});
    for (const Field& f : fields) {
        rows[0].push_back(f.heading1);
        rows[1].push_back(f.heading2);
    }
    const Grid& star = windows.frm_CBhava.msh_star;
    for (int h = 1; h <= 12; ++h) {
        rows.push_back({star.text(h, 0), star.text(h, 1), firstThreeTrimmed(star.text(h, 2)),
                        firstThreeTrimmed(star.text(h, 3)), star.text(h, 4), star.text(h, 5),
                        firstThreeTrimmed(star.text(h, 6)), firstThreeTrimmed(star.text(h, 7))});
    }
    for (size_t r = 0; r < rows.size(); ++r) {
        line(out, tableLine(rows[r]));
        if (r == 1) line(out, rule);
        else if (r > 1) emptyLines(out, 1);
    }
}

std::vector<std::string> appendPlanetsPage(std::string& out, const PlanetPositionsContents& planets,
                                           const AVargasContents& ashtakavarga) {
    // ---- planet positions ----
    const Grid& nirayana = planets.mshNirayana;
    std::vector<Column> pc = {
        {6, false, {"Planet", ""}},  {12, false, {"Longitude", ""}}, {4, false, {"Rasi", ""}},
        {12, false, {"Star", ""}},   {4, false, {"Pada", ""}},       {4, false, {"Star", "Lord"}},
        {4, false, {"Sub", "Lord"}}, {7, false, {"Jaimini", "Karaka"}}, {11, false, {"Sayanadi", "Avastha"}},
    };
    auto planetLine = [&](size_t entry) {
        std::string l = kIndent;
        for (size_t c = 0; c < pc.size(); ++c) {
            if (c > 0) l += ' ';
            l += fieldLeft(pc[c].entries[entry], pc[c].width);
        }
        return l;
    };
    const std::string planetRule = kIndent + repeated('-', 71);
    line(out, kIndent + "Planet Positions");
    line(out, planetRule);
    line(out, planetLine(0));
    line(out, planetLine(1));
    line(out, planetRule);

    const int bodyRows = nirayana.rows();
    std::vector<std::string> planetFields;
    for (int r = 1; r < bodyRows; ++r) {
        pc[0].entries.push_back(firstThreeTrimmed(nirayana.text(r, 0)));
        pc[1].entries.push_back(nirayana.text(r, 1));
        pc[2].entries.push_back(firstThreeTrimmed(nirayana.text(r, 2)));
        pc[3].entries.push_back(nirayana.text(r, 4));
        pc[4].entries.push_back(nirayana.text(r, 5));
        pc[5].entries.push_back(firstThreeTrimmed(nirayana.text(r, 6)));
        pc[6].entries.push_back(firstThreeTrimmed(nirayana.text(r, 7)));
        pc[7].entries.push_back(nirayana.text(r, 8));
        pc[8].entries.push_back(nirayana.text(r, 9));
        size_t entry = static_cast<size_t>(r + 1);
        planetFields.push_back(fieldLeft(pc[0].entries[entry], pc[0].width));
        line(out, planetLine(entry));
        emptyLines(out, 1);
    }

    // ---- ashtakavarga ----
    // Headings of the body columns: the planet table's abbreviations, the
    // ascendant's and Rahu's starred. A body the planet table lacks heads its
    // column with nothing.
    auto body = [&](size_t i) { return i < planetFields.size() ? planetFields[i] : std::string(); };
    std::vector<Column> ac;
    ac.push_back({5, false, {"Rasi", ""}});
    ac.push_back({4, true, {trimBlanks(body(0)) + "*", ""}});
    for (size_t i = 1; i <= 7; ++i) ac.push_back({3, true, {leftChars(body(i), 3), ""}});
    ac.push_back({4, true, {trimBlanks(body(8)) + "*", ""}});
    ac.push_back({7, true, {"  Total", ""}});
    ac.push_back({6, true, {"Total", "With *"}});
    // Grid column of each report column.
    static const int source[12] = {0, 8, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11};

    auto join = [&](size_t entry, size_t firstColumn, bool heading) {
        std::string l;
        for (size_t c = firstColumn; c < ac.size(); ++c) {
            if (c > firstColumn) l += "  ";
            l += heading ? headingField(ac[c], entry) : valueField(ac[c], entry);
        }
        return l;
    };
    const std::string ashtaRule = kIndent + repeated('-', 70);
    emptyLines(out, 5);
    line(out, kIndent + "Ashta Vargas");
    line(out, ashtaRule);
    line(out, kIndent + join(0, 0, true));
    line(out, kIndent + join(1, 0, true));
    line(out, ashtaRule);

    const Grid& av = ashtakavarga.mshAshtaVarga;
    const int avRows = av.rows();
    for (int r = 1; r < avRows; ++r) {
        for (size_t c = 0; c < ac.size(); ++c) {
            const std::string& cell = av.text(r, source[c]);
            ac[c].entries.push_back(c == 0 ? firstThreeTrimmed(cell) : cell);
        }
        size_t entry = static_cast<size_t>(r + 1);
        if (r == 13) {
            // The total row: its own sign cell gives way to the word Total.
            line(out, ashtaRule);
            line(out, kIndent + "Total  " + join(entry, 1, false));
        } else {
            line(out, kIndent + join(entry, 0, false));
        }
    }
    line(out, ashtaRule);
    emptyLines(out, 1);
    return planetFields;
}

PageCounters appendVargasDasaPage(std::string& out, const VargasContents& vargas, const DasaContents& dasa,
                                  const std::vector<std::string>& planetFields) {
    // ---- vargas ----
    const std::string vargaRule = kIndent + repeated('-', 70);
    line(out, kIndent + "Vargas");
    line(out, vargaRule);
    std::string heading = kIndent + fieldLeft("Chart Type", 18);
    for (size_t i = 0; i < 10; ++i)
        heading += "  " + fieldLeft(i < planetFields.size() ? planetFields[i] : std::string(), 3);
    line(out, heading);
    line(out, vargaRule);
    const Grid& vg = vargas.mshVargas;
    const int vargaRows = vg.rows();
    for (int r = 1; r < vargaRows; ++r) {
        std::string l = kIndent + fieldLeft(vg.text(r, 0), 18);
        for (int c = 1; c <= 10; ++c) l += "  " + fieldLeft(vg.text(r, c), 3);
        line(out, l);
    }

    // ---- vimshottari dasa ----
    emptyLines(out, 2);
    line(out, kIndent + "Vimshottari Dasa");
    line(out, kIndent + repeated('=', 16));
    line(out, kIndent + dasa.Lab_DasaBalanceV.caption());
    emptyLines(out, 1);
    const std::string dasaRule = kIndent + repeated('-', 44);
    auto dasaLine = [](std::string_view lord, std::string_view start, std::string_view end, std::string_view age) {
        return kIndent + fieldLeft(lord, 3) + "  " + fieldLeft(start, 12) + "  " + fieldLeft(end, 12) + "  " +
               fieldRight(age, 9);
    };
    line(out, dasaRule);
    line(out, dasaLine("Dasa", "Start", "End", "Start Age"));
    line(out, dasaRule);
    const Grid& dg = dasa.mshDasa;
    const int dasaRows = dg.rows();
    for (int r = 1; r < dasaRows; ++r) line(out, dasaLine(dg.text(r, 0), dg.text(r, 1), dg.text(r, 2), dg.text(r, 3)));
    emptyLines(out, 1);
    // The bhukti list goes on below, reckoned as from line 46 of page 5.
    return PageCounters{46, 6};
}

void appendBhuktiList(std::string& out, const Grid& mshBukti, PageCounters& counters) {
    line(out, kIndent + "Bhukti");
    out += kIndent + "======";  // ended by the first group title
    groupWalk(out, mshBukti, kBhukti, counters);
    out += kCrLf;
    out += kPageSeparator;
    out += kCrLf;
}

void appendAntraList(std::string& out, const Grid& mshAntra, PageCounters& counters) {
    line(out, pageHeader(counters.page));
    emptyLines(out, 3);
    line(out, kIndent + "Antra");
    line(out, kIndent + "=====");
    counters.line = 1;
    ++counters.page;
    groupWalk(out, mshAntra, kAntra, counters);
    emptyLines(out, 3);
}

}  // namespace jd::report
