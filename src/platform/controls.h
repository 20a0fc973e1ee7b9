#pragma once
// Control models: the state and events of the controls that the windows are
// made of. They hold what a window shows; the Qt front only draws them and
// forwards the user's input. Every control starts in its designed state and a
// window that unloads puts its controls back there.
#include <functional>
#include <string>
#include <vector>

namespace jd {

enum class Alignment { General, LeftCenter, CenterCenter, RightCenter };

class Window;

// What every control has: a name, visibility and enabling, a position and
// size in twips (kept as given; 0 until a window sets them), focus, and a
// change notification the Qt front listens to (it never carries data; the
// widget reads the model again).
class Control {
public:
    explicit Control(std::string name = {}) : name_(std::move(name)) {}
    virtual ~Control() = default;
    const std::string& name() const { return name_; }

    bool visible() const { return visible_; }
    void setVisible(bool v) { if (visible_ != v) { visible_ = v; changed(); } }
    bool enabled() const { return enabled_; }
    void setEnabled(bool e) { if (enabled_ != e) { enabled_ = e; changed(); } }

    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void setLeft(double v) { if (left_ != v) { left_ = v; changed(); } }
    void setTop(double v) { if (top_ != v) { top_ = v; changed(); } }
    void setWidth(double v) { if (width_ != v) { width_ = v; changed(); } }
    void setHeight(double v) { if (height_ != v) { height_ = v; changed(); } }
    void move(double left, double top, double width, double height) {
        left_ = left; top_ = top; width_ = width; height_ = height;
        changed();
    }

    // Whether the control holds the focus of its window; the window moves the
    // focus (Window::setFocus) and fires these handlers.
    bool hasFocus() const { return hasFocus_; }
    // Whether the window asked to give the control the focus (also while it
    // had that already) since its widget last took the keys.
    bool focusRequested() const { return focusRequested_; }
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

    // Observers of the model (the Qt widget bound to it). Returns an id.
    int subscribe(std::function<void()> f) { observers_.push_back(std::move(f)); return int(observers_.size()) - 1; }
    void unsubscribe(int id) { if (id >= 0 && id < int(observers_.size())) observers_[id] = nullptr; }

protected:
    // By index: an observer may subscribe another while being told.
    void changed() {
        for (size_t i = 0, n = observers_.size(); i < n; ++i)
            if (auto f = observers_[i]) f();
    }

private:
    friend class Window;
    void setHasFocus(bool f) { if (hasFocus_ != f) { hasFocus_ = f; changed(); } }

    std::string name_;
    bool visible_ = true;
    bool enabled_ = true;
    bool hasFocus_ = false;
    bool focusRequested_ = false;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::vector<std::function<void()>> observers_;
};

// A label: a caption, as designed until the program writes it.
class Label : public Control {
public:
    explicit Label(std::string name = {}, std::string designed = {})
        : Control(std::move(name)), designed_(designed), caption_(std::move(designed)) {}
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c) { if (caption_ != c) { caption_ = std::move(c); changed(); } }
    const std::string& designedCaption() const { return designed_; }
    // Back to the designed caption and visibility.
    void reset() { caption_ = designed_; setVisible(true); changed(); }

private:
    std::string designed_;
    std::string caption_;
};

// An array of labels with a fixed index range (0..11 or 1..12 as designed).
// An index outside the range raises "Subscript out of range".
class LabelArray {
public:
    LabelArray(std::string name, int lower, int upper);
    const std::string& name() const { return name_; }
    int lower() const { return lower_; }
    int upper() const { return upper_; }
    Label& operator[](int index);
    const Label& operator[](int index) const;
    void reset();

private:
    std::string name_;
    int lower_, upper_;
    std::vector<Label> labels_;
};

// A grid of text cells (rows x columns) with fixed header rows and columns.
class Grid : public Control {
public:
    Grid(std::string name, int rows, int cols, int fixedRows = 1, int fixedCols = 1);

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    int fixedRows() const { return fixedRows_; }
    int fixedCols() const { return fixedCols_; }
    void setRows(int r);
    void setCols(int c);
    void setFixedRows(int r);
    void setFixedCols(int c);

    // Cell text; an index outside the grid raises "Subscript out of range".
    const std::string& text(int row, int col) const;
    void setText(int row, int col, std::string text);

    // "a|b|c": the texts of header row 0, one per column, their widths taken
    // from the texts. A leading "<", "^" or ">" aligns the column left, centre
    // or right. Text after a ";" names the fixed column's rows (row headers).
    void setFormatString(const std::string& format);
    const std::string& formatString() const { return format_; }

    // Empties every cell, header row included; rows, columns and format stay.
    void clear();

    // The current cell (Row, Col) and the properties that act on it.
    int row() const { return row_; }
    int col() const { return col_; }
    void setRow(int r);
    void setCol(int c);
    Alignment cellAlignment(int row, int col) const;
    void setCellAlignment(int row, int col, Alignment a);
    void setColAlignment(int col, Alignment a);
    Alignment colAlignment(int col) const;
    bool cellBold(int row, int col) const;
    void setCellBold(int row, int col, bool bold);
    unsigned cellBackColor(int row, int col) const;  // 0xRRGGBB, 0xFFFFFFFF = default
    void setCellBackColor(int row, int col, unsigned rgb);
    unsigned cellForeColor(int row, int col) const;
    void setCellForeColor(int row, int col, unsigned rgb);
    // The row shown at the top of the grid's scrolled area (TopRow); 0 until
    // set. A row outside the grid raises "Subscript out of range".
    int topRow() const { return topRow_; }
    void setTopRow(int r);
    int colWidth(int col) const;  // twips
    void setColWidth(int col, int twips);

    // Merging: with a merge mode other than 0 (1 = free), adjacent cells of a
    // row whose merge flag is set and whose texts are equal show as one cell.
    int mergeCells() const { return mergeCells_; }
    void setMergeCells(int mode) { if (mergeCells_ != mode) { mergeCells_ = mode; changed(); } }
    bool mergeRow(int row) const;
    void setMergeRow(int row, bool merge);

    // Sorts the non-fixed rows by the numeric value of one column, largest
    // first (texts that are no number count as 0); equal values keep their order.
    void sortNumericDescending(int col);
    // Sorts the non-fixed rows by text of one column, ascending.
    void sortStringAscending(int col);

    // Back to the designed state (every cell empty, format as designed).
    void reset();
    void setDesignedFormat(std::string format) { designedFormat_ = std::move(format); setFormatString(designedFormat_); }

private:
    struct Cell {
        std::string text;
        Alignment align = Alignment::General;
        bool bold = false;
        unsigned back = 0xFFFFFFFFu;
        unsigned fore = 0xFFFFFFFFu;
    };
    Cell& cell(int row, int col);
    const Cell& cell(int row, int col) const;
    void resize(int rows, int cols);

    int rows_, cols_, fixedRows_, fixedCols_;
    int designedRows_, designedCols_, designedFixedRows_, designedFixedCols_;
    int row_ = 0, col_ = 0;
    int topRow_ = 0;
    int mergeCells_ = 0;
    std::string format_, designedFormat_;
    std::vector<Cell> cells_;
    std::vector<Alignment> colAlign_;
    std::vector<int> colWidth_;
    std::vector<bool> mergeRow_;
};

}  // namespace jd
