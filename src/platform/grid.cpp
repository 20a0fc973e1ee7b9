#include <algorithm>
#include <cstdlib>
#include <utility>

#include "platform/controls.h"
#include "platform/run_time_error.h"
#include "platform/text.h"

namespace jd {

LabelArray::LabelArray(std::string name, int lower, int upper)
    : name_(std::move(name)), lower_(lower), upper_(upper) {
    for (int i = lower; i <= upper; ++i) labels_.emplace_back(name_ + "(" + std::to_string(i) + ")");
}

Label& LabelArray::operator[](int index) {
    if (index < lower_ || index > upper_) throw RunTimeError::subscriptOutOfRange();
    return labels_[static_cast<size_t>(index - lower_)];
}

const Label& LabelArray::operator[](int index) const {
    if (index < lower_ || index > upper_) throw RunTimeError::subscriptOutOfRange();
    return labels_[static_cast<size_t>(index - lower_)];
}

void LabelArray::reset() {
    for (auto& l : labels_) l.reset();
}

Grid::Grid(std::string name, int rows, int cols, int fixedRows, int fixedCols)
    : Control(std::move(name)), rows_(0), cols_(0), fixedRows_(fixedRows), fixedCols_(fixedCols),
      designedRows_(rows), designedCols_(cols), designedFixedRows_(fixedRows), designedFixedCols_(fixedCols) {
    resize(rows, cols);
}

void Grid::resize(int rows, int cols) {
    if (rows < 0 || cols < 0) throw RunTimeError::invalidCall();
    std::vector<Cell> next(static_cast<size_t>(rows) * static_cast<size_t>(cols));
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c)
            next[static_cast<size_t>(r * cols + c)] = std::move(cells_[static_cast<size_t>(r * cols_ + c)]);
    cells_ = std::move(next);
    colAlign_.resize(static_cast<size_t>(cols), Alignment::General);
    colWidth_.resize(static_cast<size_t>(cols), 960);
    mergeRow_.resize(static_cast<size_t>(rows), false);
    rows_ = rows;
    cols_ = cols;
    row_ = std::min(row_, std::max(0, rows - 1));
    topRow_ = std::min(topRow_, std::max(0, rows - 1));
    col_ = std::min(col_, std::max(0, cols - 1));
    changed();
}

void Grid::setRows(int r) { resize(r, cols_); }
void Grid::setCols(int c) { resize(rows_, c); }
void Grid::setFixedRows(int r) {
    if (r < 0 || r > rows_) throw RunTimeError::invalidCall();
    fixedRows_ = r;
    changed();
}
void Grid::setFixedCols(int c) {
    if (c < 0 || c > cols_) throw RunTimeError::invalidCall();
    fixedCols_ = c;
    changed();
}

Grid::Cell& Grid::cell(int row, int col) {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_) throw RunTimeError::subscriptOutOfRange();
    return cells_[static_cast<size_t>(row * cols_ + col)];
}
const Grid::Cell& Grid::cell(int row, int col) const {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_) throw RunTimeError::subscriptOutOfRange();
    return cells_[static_cast<size_t>(row * cols_ + col)];
}

const std::string& Grid::text(int row, int col) const { return cell(row, col).text; }
void Grid::setText(int row, int col, std::string text) {
    cell(row, col).text = std::move(text);
    changed();
}

void Grid::setFormatString(const std::string& format) {
    format_ = format;
    std::string colPart = format;
    std::string rowPart;
    if (auto semi = format.find(';'); semi != std::string::npos) {
        colPart = format.substr(0, semi);
        rowPart = format.substr(semi + 1);
    }
    auto parts = [](const std::string& s) {
        std::vector<std::string> out;
        size_t start = 0;
        for (;;) {
            size_t bar = s.find('|', start);
            out.push_back(s.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
            if (bar == std::string::npos) break;
            start = bar + 1;
        }
        return out;
    };
    if (!colPart.empty()) {
        auto cols = parts(colPart);
        if (int(cols.size()) > cols_) resize(rows_, int(cols.size()));
        for (size_t c = 0; c < cols.size(); ++c) {
            std::string t = cols[c];
            Alignment a = Alignment::General;
            if (!t.empty() && (t[0] == '<' || t[0] == '^' || t[0] == '>')) {
                a = t[0] == '<' ? Alignment::LeftCenter : t[0] == '^' ? Alignment::CenterCenter : Alignment::RightCenter;
                t.erase(0, 1);
            }
            colAlign_[c] = a;
            colWidth_[c] = std::max(1, textLength(t)) * 120 + 60;
            if (rows_ > 0) cell(0, static_cast<int>(c)).text = t;
        }
    }
    if (!rowPart.empty()) {
        auto rows = parts(rowPart);
        for (size_t r = 0; r < rows.size(); ++r) {
            int rr = static_cast<int>(r) + (colPart.empty() ? 0 : 1);
            if (rr < rows_ && cols_ > 0) cell(rr, 0).text = rows[r];
        }
    }
    changed();
}

void Grid::clear() {
    for (auto& c : cells_) c.text.clear();
    changed();
}

void Grid::setRow(int r) {
    if (r < 0 || r >= rows_) throw RunTimeError::subscriptOutOfRange();
    if (row_ != r) {
        row_ = r;
        changed();
    }
}
void Grid::setTopRow(int r) {
    if (r < 0 || r >= rows_) throw RunTimeError::subscriptOutOfRange();
    if (topRow_ != r) {
        topRow_ = r;
        changed();
    }
}
void Grid::setCol(int c) {
    if (c < 0 || c >= cols_) throw RunTimeError::subscriptOutOfRange();
    if (col_ != c) {
        col_ = c;
        changed();
    }
}

Alignment Grid::cellAlignment(int row, int col) const {
    const auto& c = cell(row, col);
    return c.align == Alignment::General ? colAlign_[static_cast<size_t>(col)] : c.align;
}
void Grid::setCellAlignment(int row, int col, Alignment a) { cell(row, col).align = a; changed(); }
void Grid::setColAlignment(int col, Alignment a) {
    if (col < 0 || col >= cols_) throw RunTimeError::subscriptOutOfRange();
    colAlign_[static_cast<size_t>(col)] = a;
    changed();
}
Alignment Grid::colAlignment(int col) const {
    if (col < 0 || col >= cols_) throw RunTimeError::subscriptOutOfRange();
    return colAlign_[static_cast<size_t>(col)];
}
bool Grid::cellBold(int row, int col) const { return cell(row, col).bold; }
void Grid::setCellBold(int row, int col, bool bold) { cell(row, col).bold = bold; changed(); }
unsigned Grid::cellBackColor(int row, int col) const { return cell(row, col).back; }
void Grid::setCellBackColor(int row, int col, unsigned rgb) { cell(row, col).back = rgb; changed(); }
unsigned Grid::cellForeColor(int row, int col) const { return cell(row, col).fore; }
void Grid::setCellForeColor(int row, int col, unsigned rgb) { cell(row, col).fore = rgb; changed(); }
int Grid::colWidth(int col) const {
    if (col < 0 || col >= cols_) throw RunTimeError::subscriptOutOfRange();
    return colWidth_[static_cast<size_t>(col)];
}
void Grid::setColWidth(int col, int twips) {
    if (col < 0 || col >= cols_) throw RunTimeError::subscriptOutOfRange();
    colWidth_[static_cast<size_t>(col)] = twips;
    changed();
}
bool Grid::mergeRow(int row) const {
    if (row < 0 || row >= rows_) throw RunTimeError::subscriptOutOfRange();
    return mergeRow_[static_cast<size_t>(row)];
}
void Grid::setMergeRow(int row, bool merge) {
    if (row < 0 || row >= rows_) throw RunTimeError::subscriptOutOfRange();
    mergeRow_[static_cast<size_t>(row)] = merge;
    changed();
}

namespace {
// The sort key of a cell for the numeric sort: its number (a text that is no
// number counts as 0). An angle text "D.MM.SS" (two points or more) is read
// part by part, so 12.05.30 sorts above 12.05.10 and below 12.10.00.
std::vector<double> numericKey(const std::string& s) {
    size_t p = s.find_first_not_of(' ');
    if (p == std::string::npos) return {0.0};
    const bool negative = s[p] == '-';
    if (s[p] == '-' || s[p] == '+') ++p;
    const size_t stop = std::min(s.find(' ', p), s.size());
    const std::string body = s.substr(p, stop - p);
    const bool angle = std::count(body.begin(), body.end(), '.') >= 2 &&
                       body.find_first_not_of("0123456789.") == std::string::npos && body.front() != '.';
    if (angle) {
        std::vector<double> parts;
        size_t start = 0;
        for (;;) {
            const size_t dot = body.find('.', start);
            const std::string piece = body.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
            const double v = piece.empty() ? 0.0 : std::strtod(piece.c_str(), nullptr);
            parts.push_back(parts.empty() && negative ? -v : v);
            if (dot == std::string::npos) break;
            start = dot + 1;
        }
        return parts;
    }
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    return {end == s.c_str() ? 0.0 : v};
}
}  // namespace

void Grid::sortNumericDescending(int col) {
    if (col < 0 || col >= cols_) throw RunTimeError::subscriptOutOfRange();
    std::vector<std::vector<Cell>> rowsData;
    for (int r = fixedRows_; r < rows_; ++r)
        rowsData.emplace_back(cells_.begin() + r * cols_, cells_.begin() + (r + 1) * cols_);
    std::vector<std::pair<std::vector<double>, std::vector<Cell>>> keyed;
    for (auto& r : rowsData) keyed.emplace_back(numericKey(r[static_cast<size_t>(col)].text), std::move(r));
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (size_t i = 0; i < keyed.size(); ++i) rowsData[i] = std::move(keyed[i].second);
    for (size_t i = 0; i < rowsData.size(); ++i)
        std::copy(rowsData[i].begin(), rowsData[i].end(), cells_.begin() + (fixedRows_ + static_cast<int>(i)) * cols_);
    changed();
}

void Grid::sortStringAscending(int col) {
    if (col < 0 || col >= cols_) throw RunTimeError::subscriptOutOfRange();
    std::vector<std::vector<Cell>> rowsData;
    for (int r = fixedRows_; r < rows_; ++r)
        rowsData.emplace_back(cells_.begin() + r * cols_, cells_.begin() + (r + 1) * cols_);
    std::stable_sort(rowsData.begin(), rowsData.end(), [col](const auto& a, const auto& b) {
        return a[static_cast<size_t>(col)].text < b[static_cast<size_t>(col)].text;
    });
    for (size_t i = 0; i < rowsData.size(); ++i)
        std::copy(rowsData[i].begin(), rowsData[i].end(), cells_.begin() + (fixedRows_ + static_cast<int>(i)) * cols_);
    changed();
}

void Grid::reset() {
    cells_.clear();
    rows_ = cols_ = 0;
    colAlign_.clear();
    colWidth_.clear();
    mergeRow_.clear();
    fixedRows_ = designedFixedRows_;
    fixedCols_ = designedFixedCols_;
    row_ = col_ = topRow_ = 0;
    mergeCells_ = 0;
    resize(designedRows_, designedCols_);
    format_.clear();
    if (!designedFormat_.empty()) setFormatString(designedFormat_);
    setVisible(true);
    changed();
}

}  // namespace jd
