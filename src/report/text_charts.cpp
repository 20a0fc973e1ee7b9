#include "report/text_charts.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "platform/run_time_error.h"
#include "platform/text.h"
#include "report/report_text.h"

namespace jd {

using report::blanks;
using report::midChars;
using report::trimBlanks;

namespace {

// ---------------------------------------------------------------------------
// The three chart pictures as data. A row template is the frame of one chart
// row (asterisks and blanks); a slot shows characters `firstChar` on of one
// squeezed cell text in columns `from`..`to` of a row (counted from 1), padded
// with blanks. Every slot begins on the first character of a three-letter word.

struct Slot {
    int line;       // chart row, from 1
    int from, to;   // columns of the row
    int cell;       // 0..11
    int firstChar;  // first character of the cell text shown, from 1
};

// A two-character field holding the sign number of a North house.
struct SignField {
    int house;  // 1..12
    int line;
    int from;   // first of the two columns
};

constexpr int kMarginBlanks = 11;

const char* const kSouthRows[] = {
    "*************************************************",
    "*           *           *           *           *",
    "*           *           *           *           *",
    "*           *           *           *           *",
    "*           *           *           *           *",
    "*************************************************",
    "*           *                       *           *",
    "*           *                       *           *",
    "*           *                       *           *",
    "*           *                       *           *",
    "*************                       *************",
    "*           *                       *           *",
    "*           *                       *           *",
    "*           *                       *           *",
    "*           *                       *           *",
    "*************************************************",
    "*           *           *           *           *",
    "*           *           *           *           *",
    "*           *           *           *           *",
    "*           *           *           *           *",
    "*************************************************",
};

// Each box shows characters 1-11, 13-23 and 25-35 of its cell on its first
// three lines; the fourth stays blank.
const Slot kSouthSlots[] = {
    {2, 14, 24, 0, 1},  {3, 14, 24, 0, 13},  {4, 14, 24, 0, 25},   // Aries
    {2, 26, 36, 1, 1},  {3, 26, 36, 1, 13},  {4, 26, 36, 1, 25},   // Taurus
    {2, 38, 48, 2, 1},  {3, 38, 48, 2, 13},  {4, 38, 48, 2, 25},   // Gemini
    {7, 38, 48, 3, 1},  {8, 38, 48, 3, 13},  {9, 38, 48, 3, 25},   // Cancer
    {12, 38, 48, 4, 1}, {13, 38, 48, 4, 13}, {14, 38, 48, 4, 25},  // Leo
    {17, 38, 48, 5, 1}, {18, 38, 48, 5, 13}, {19, 38, 48, 5, 25},  // Virgo
    {17, 26, 36, 6, 1}, {18, 26, 36, 6, 13}, {19, 26, 36, 6, 25},  // Libra
    {17, 14, 24, 7, 1}, {18, 14, 24, 7, 13}, {19, 14, 24, 7, 25},  // Scorpio
    {17, 2, 12, 8, 1},  {18, 2, 12, 8, 13},  {19, 2, 12, 8, 25},   // Sagittarius
    {12, 2, 12, 9, 1},  {13, 2, 12, 9, 13},  {14, 2, 12, 9, 25},   // Capricorn
    {7, 2, 12, 10, 1},  {8, 2, 12, 10, 13},  {9, 2, 12, 10, 25},   // Aquarius
    {2, 2, 12, 11, 1},  {3, 2, 12, 11, 13},  {4, 2, 12, 11, 25},   // Pisces
};

// The chart's name stands in the middle of the empty centre.
constexpr int kSouthTitleLine = 11;
constexpr int kSouthTitleFrom = 14;
constexpr int kSouthTitleWidth = 23;

const char* const kNorthRows[] = {
    "* * * * * * * * * * * * * * * * * * * * *",
    "* *                 *                 * *",
    "*   *             *   *             *   *",
    "*     *         *       *         *     *",
    "*       *     *           *     *       *",
    "*         * *               * *         *",
    "*         * *               * *         *",
    "*       *     *           *     *       *",
    "*     *         *       *         *     *",
    "*   *             *   *             *   *",
    "* *                 *                 * *",
    "* *                 *                 * *",
    "*   *             *   *             *   *",
    "*     *         *       *         *     *",
    "*       *     *           *     *       *",
    "*         * *               * *         *",
    "*         * *               * *         *",
    "*       *     *           *     *       *",
    "*     *         *       *         *     *",
    "*   *             *   *             *   *",
    "* *                 *                 * *",
    "* * * * * * * * * * * * * * * * * * * * *",
};

// Cells are houses: house 1 the upper diamond, then counter-clockwise.
const Slot kNorthSlots[] = {
    {4, 21, 23, 0, 1},  {5, 18, 24, 0, 5},  {6, 16, 26, 0, 13}, {7, 18, 24, 0, 25}, {8, 20, 22, 0, 33},
    {2, 5, 19, 1, 1},   {3, 7, 17, 1, 17},  {4, 9, 15, 1, 29},
    {4, 3, 5, 2, 1},    {5, 2, 8, 2, 5},    {6, 2, 8, 2, 13},   {7, 2, 8, 2, 21},   {8, 2, 8, 2, 29},
    {9, 11, 13, 3, 1},  {10, 9, 15, 3, 5},  {11, 7, 17, 3, 13}, {12, 9, 15, 3, 25}, {13, 11, 13, 3, 33},
    {14, 3, 5, 4, 1},   {15, 2, 8, 4, 5},   {16, 2, 8, 4, 13},  {17, 2, 8, 4, 21},  {18, 2, 8, 4, 29},
    {19, 9, 15, 5, 1},  {20, 7, 17, 5, 9},  {21, 5, 19, 5, 21},
    {14, 20, 22, 6, 1}, {15, 18, 24, 6, 5}, {16, 16, 26, 6, 13}, {17, 18, 24, 6, 25}, {18, 20, 22, 6, 33},
    {19, 27, 33, 7, 1}, {20, 25, 35, 7, 9}, {21, 23, 37, 7, 21},
    {14, 37, 39, 8, 1}, {15, 34, 40, 8, 5}, {16, 34, 40, 8, 13}, {17, 34, 40, 8, 21}, {18, 34, 40, 8, 29},
    {9, 29, 31, 9, 1},  {10, 27, 33, 9, 5}, {11, 25, 35, 9, 13}, {12, 27, 33, 9, 25}, {13, 29, 31, 9, 33},
    {4, 37, 39, 10, 1}, {5, 34, 40, 10, 5}, {6, 34, 40, 10, 13}, {7, 34, 40, 10, 21}, {8, 34, 40, 10, 29},
    {2, 23, 37, 11, 1}, {3, 25, 35, 11, 17}, {4, 27, 33, 11, 29},
};

const SignField kNorthSignFields[] = {
    {1, 10, 21}, {2, 5, 12},  {3, 6, 9},   {4, 12, 19},  {5, 16, 9},   {6, 18, 12},
    {7, 13, 21}, {8, 18, 30}, {9, 16, 32}, {10, 12, 22}, {11, 6, 32},  {12, 5, 30},
};

// In house 3 the field stands against the frame on its right, so a one-digit
// sign number is written with its blank first.
constexpr int kNorthRightAlignedHouse = 3;

const char* const kEastRows[] = {
    "* * * * * * * * * * * * * * * * * * * * * *",
    "* *           *             *           * *",
    "*   *         *             *         *   *",
    "*     *       *             *       *     *",
    "*       *     *             *     *       *",
    "*         *   *             *   *         *",
    "*           * *             * *           *",
    "* * * * * * * * * * * * * * * * * * * * * *",
    "*             *             *             *",
    "*             *             *             *",
    "*             *             *             *",
    "*             *             *             *",
    "*             *             *             *",
    "*             *             *             *",
    "* * * * * * * * * * * * * * * * * * * * * *",
    "*           * *             * *           *",
    "*         *   *             *   *         *",
    "*       *     *             *     *       *",
    "*     *       *             *       *     *",
    "*   *         *             *         *   *",
    "* *           *             *           * *",
    "* * * * * * * * * * * * * * * * * * * * * *",
};

// Cells are signs: Aries the top middle box, then counter-clockwise, the corner
// boxes split by their diagonals into two signs each.
const Slot kEastSlots[] = {
    {2, 17, 23, 0, 1},  {3, 17, 23, 0, 9},  {4, 17, 23, 0, 17}, {5, 17, 23, 0, 25}, {6, 19, 21, 0, 33},
    {2, 4, 14, 1, 1},   {3, 8, 14, 1, 13},  {4, 8, 14, 1, 21},  {5, 12, 14, 1, 29}, {6, 12, 14, 1, 33},
    {3, 2, 4, 2, 1},    {4, 2, 4, 2, 5},    {5, 2, 8, 2, 9},    {6, 2, 8, 2, 17},   {7, 2, 12, 2, 25},
    {9, 3, 13, 3, 1},   {10, 3, 13, 3, 13}, {11, 3, 13, 3, 25},
    {16, 2, 12, 4, 1},  {17, 2, 8, 4, 13},  {18, 2, 8, 4, 21},  {19, 2, 4, 4, 29},  {20, 2, 4, 4, 33},
    {17, 12, 14, 5, 1}, {18, 12, 14, 5, 5}, {19, 8, 14, 5, 9},  {20, 8, 14, 5, 17}, {21, 4, 14, 5, 25},
    {17, 19, 21, 6, 1}, {18, 17, 23, 6, 5}, {19, 17, 23, 6, 13}, {20, 17, 23, 6, 21}, {21, 17, 23, 6, 29},
    {17, 30, 32, 7, 1}, {18, 30, 32, 7, 5}, {19, 30, 36, 7, 9}, {20, 30, 36, 7, 17}, {21, 30, 40, 7, 25},
    {16, 32, 42, 8, 1}, {17, 36, 42, 8, 13}, {18, 36, 42, 8, 21}, {19, 40, 42, 8, 29}, {20, 40, 42, 8, 33},
    {9, 31, 41, 9, 1},  {10, 31, 41, 9, 13}, {11, 31, 41, 9, 25},
    {3, 40, 42, 10, 1}, {4, 40, 42, 10, 5}, {5, 36, 42, 10, 9}, {6, 36, 42, 10, 17}, {7, 32, 42, 10, 25},
    {2, 30, 40, 11, 1}, {3, 30, 36, 11, 13}, {4, 30, 36, 11, 21}, {5, 30, 32, 11, 29}, {6, 30, 32, 11, 33},
};

// ---------------------------------------------------------------------------

// The rows of one picture, each a vector of characters so that a slot can be
// written at its columns whatever bytes the cell text holds.
class Picture {
public:
    template <size_t N>
    explicit Picture(const char* const (&rows)[N]) {
        rows_.reserve(N);
        for (const char* r : rows) {
            std::vector<std::string> chars;
            for (const char* p = r; *p; ++p) chars.emplace_back(1, *p);
            rows_.push_back(std::move(chars));
        }
    }

    // Writes `text` (UTF-8) into the row from column `from` on, at most `width`
    // characters; the columns it does not reach keep their frame blanks.
    void put(int line, int from, int width, std::string_view text) {
        auto& row = rows_[static_cast<size_t>(line - 1)];
        int col = from;
        size_t i = 0;
        while (i < text.size() && col < from + width) {
            size_t len = 1;
            while (i + len < text.size() && (static_cast<unsigned char>(text[i + len]) & 0xC0) == 0x80) ++len;
            row[static_cast<size_t>(col - 1)] = std::string(text.substr(i, len));
            i += len;
            ++col;
        }
    }

    std::string text() const {
        std::string out;
        out.reserve(rows_.size() * (kMarginBlanks + rows_.front().size() + 2));
        for (const auto& row : rows_) {
            out += blanks(kMarginBlanks);
            for (const auto& c : row) out += c;
            out += report::kCrLf;
        }
        return out;
    }

private:
    std::vector<std::vector<std::string>> rows_;
};

ChartCells squeezed(const ChartCells& cells) {
    ChartCells out;
    for (size_t i = 0; i < cells.size(); ++i) out[i] = FnSqueezeSpaces(cells[i]);
    return out;
}

template <size_t N>
void fillSlots(Picture& picture, const Slot (&slots)[N], const ChartCells& cells) {
    for (const Slot& s : slots) {
        int width = s.to - s.from + 1;
        picture.put(s.line, s.from, width, midChars(cells[static_cast<size_t>(s.cell)], s.firstChar, width));
    }
}

std::string abbreviate(std::string_view text, std::string_view separator) {
    std::string result;
    if (text.empty()) return result;
    size_t start = 0;
    while (true) {
        size_t at = text.find(separator, start);
        std::string_view segment = text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start);
        result += report::leftChars(trimBlanks(segment), 3);
        result += ' ';
        if (at == std::string_view::npos) break;
        start = at + separator.size();
    }
    return trimBlanks(result);
}

int toSixteenBit(double value) {
    long n = report::roundHalfEven(value);
    if (!std::isfinite(value) || n < -32768 || n > 32767) throw RunTimeError::overflow();
    return static_cast<int>(n);
}

template <typename Draw>
std::string reportingErrors(const ReportErrorSink& onError, Draw draw) {
    try {
        return draw();
    } catch (const RunTimeError& e) {
        if (onError) onError(descriptionWithNumber(e));
        return {};
    }
}

}  // namespace

std::string FnAbbrevCellCrLf(std::string_view text) { return abbreviate(text, "\r\n"); }
std::string FnAbbrevCellDoubleSpace(std::string_view text) { return abbreviate(text, "  "); }
std::string FnAbbrevCellSpace(std::string_view text) { return abbreviate(text, " "); }

std::string FnAbbrevCellBlankRuns(std::string_view text) {
    std::string result;
    size_t i = 0;
    auto isGap = [](char c) { return c == ' ' || c == '\r' || c == '\n'; };
    while (i < text.size()) {
        while (i < text.size() && isGap(text[i])) ++i;
        size_t b = i;
        while (i < text.size() && !isGap(text[i])) ++i;
        if (i > b) {
            if (!result.empty()) result += ' ';
            result += report::leftChars(text.substr(b, i - b), 3);
        }
    }
    return result;
}

std::string FnSqueezeSpaces(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, 3, "   ") == 0) {
            out += ' ';
            i += 3;
        } else {
            out += text[i++];
        }
    }
    return out;
}

int FnWrapTo12(double value) {
    int n = toSixteenBit(value);
    if (n > 12) n = (n - 1) % 12 + 1;
    return n;
}

int FnWrapTo12(std::string_view text) {
    std::string t = trimBlanks(text);
    // Only a plain decimal number counts ("inf" or "nan" are no sign numbers).
    if (t.find_first_not_of("0123456789.eE+-") != std::string::npos) throw RunTimeError::typeMismatch();
    double value = 0;
    const char* first = t.data();
    const char* last = t.data() + t.size();
    if (first != last && *first == '+') ++first;
    auto [end, ec] = std::from_chars(first, last, value);
    if (t.empty() || ec == std::errc::invalid_argument || end != last) throw RunTimeError::typeMismatch();
    if (ec == std::errc::result_out_of_range) throw RunTimeError::overflow();
    return FnWrapTo12(value);
}

std::string FnTextChartSouth(const ChartCells& cells, std::string_view title, const ReportErrorSink& onError) {
    return reportingErrors(onError, [&] {
        int length = textLength(title);
        long before = report::roundHalfEven(12.0 - length / 2.0);
        long after = kSouthTitleWidth - before - length;
        if (before < 0 || after < 0) throw RunTimeError::invalidCall();
        Picture picture(kSouthRows);
        fillSlots(picture, kSouthSlots, squeezed(cells));
        std::string field = blanks(static_cast<int>(before)) + std::string(title) + blanks(static_cast<int>(after));
        picture.put(kSouthTitleLine, kSouthTitleFrom, kSouthTitleWidth, field);
        return picture.text();
    });
}

std::string FnTextChartNorth(const ChartCells& cells, const std::optional<std::string>& lagnaSign,
                             const ReportErrorSink& onError) {
    return reportingErrors(onError, [&] {
        Picture picture(kNorthRows);
        fillSlots(picture, kNorthSlots, squeezed(cells));
        if (lagnaSign) {
            int lagna = FnWrapTo12(std::string_view(*lagnaSign));
            for (const SignField& f : kNorthSignFields) {
                std::string number = std::to_string(FnWrapTo12(static_cast<double>(lagna + f.house - 1)));
                if (number.size() == 1)
                    number = f.house == kNorthRightAlignedHouse ? " " + number : number + " ";
                picture.put(f.line, f.from, 2, number);
            }
        }
        return picture.text();
    });
}

std::string FnTextChartEast(const ChartCells& cells, const ReportErrorSink& onError) {
    return reportingErrors(onError, [&] {
        Picture picture(kEastRows);
        fillSlots(picture, kEastSlots, squeezed(cells));
        return picture.text();
    });
}

}  // namespace jd
