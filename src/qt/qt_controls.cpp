#include "qt/qt_controls.h"

#include <algorithm>
#include <optional>
#include <utility>

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QUrl>

#include "qt/twips.h"

namespace jd::qt {

namespace {

QString toQt(const std::string& s) { return QString::fromStdString(s); }
std::string fromQt(const QString& s) { return s.toStdString(); }

// Positions in a QString count UTF-16 units; the models count characters.
int unitsToChars(const QString& s, int units) {
    int chars = 0;
    for (int i = 0; i < units && i < s.size(); ++i)
        if (!s.at(i).isLowSurrogate()) ++chars;
    return chars;
}

int charsToUnits(const QString& s, int chars) {
    int i = 0;
    for (int c = 0; c < chars && i < s.size(); ++c) i += s.at(i).isHighSurrogate() && i + 1 < s.size() ? 2 : 1;
    return i;
}

// Keys that only move the caret or the selection (or copy): the line edit
// may handle them itself, since they change no text.
bool isNavigation(const QKeyEvent* e) {
    static const QKeySequence::StandardKey keys[] = {
        QKeySequence::MoveToNextChar,       QKeySequence::MoveToPreviousChar,  QKeySequence::MoveToNextWord,
        QKeySequence::MoveToPreviousWord,   QKeySequence::MoveToStartOfLine,   QKeySequence::MoveToEndOfLine,
        QKeySequence::MoveToStartOfBlock,   QKeySequence::MoveToEndOfBlock,    QKeySequence::MoveToStartOfDocument,
        QKeySequence::MoveToEndOfDocument,  QKeySequence::SelectNextChar,      QKeySequence::SelectPreviousChar,
        QKeySequence::SelectNextWord,       QKeySequence::SelectPreviousWord,  QKeySequence::SelectStartOfLine,
        QKeySequence::SelectEndOfLine,      QKeySequence::SelectStartOfBlock,  QKeySequence::SelectEndOfBlock,
        QKeySequence::SelectStartOfDocument, QKeySequence::SelectEndOfDocument, QKeySequence::SelectAll,
        QKeySequence::Copy,
    };
    for (auto k : keys)
        if (e->matches(k)) return true;
    switch (e->key()) {
        case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Home: case Qt::Key_End:
            return true;
        default:
            return false;
    }
}

// A key that types its text: printable, with neither Ctrl nor Alt held.
bool typesText(const QKeyEvent* e) {
    if (e->text().isEmpty()) return false;
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    for (QChar c : e->text())
        if (!c.isPrint() && !c.isSurrogate()) return false;
    return true;
}

// Sends the key's characters, one by one, as key presses.
template <class Model>
void typeText(Model& model, const QString& text) {
    for (char32_t cp : text.toUcs4()) model.pressKey(static_cast<int>(cp));
}

// The keys every editable text part routes to its model. Returns false for
// keys the line edit may handle itself (caret moves) or that belong to the
// focus chain; true when the key is dealt with (typed, swallowed or refused).
template <class Model>
bool routeEditKey(Model& model, QKeyEvent* e) {
    if (e->matches(QKeySequence::Paste)) {
        model.paste(fromQt(QApplication::clipboard()->text()));
        return true;
    }
    if (e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo)) return true;
    switch (e->key()) {
        case Qt::Key_Backspace: model.pressKey(key::Backspace); return true;
        case Qt::Key_Return: case Qt::Key_Enter: model.pressKey(key::Enter); return true;
        case Qt::Key_Escape: model.pressKey(key::Escape); return true;
        case Qt::Key_Delete: model.pressDelete(); return true;  // with Ctrl or Shift too
        case Qt::Key_Tab: case Qt::Key_Backtab: return false;
        default: break;
    }
    if (typesText(e)) {
        typeText(model, e->text());
        return true;
    }
    return !isNavigation(e);
}

// Puts a model's caret and selection on a line edit, unless it already shows
// them (so a selection the user drags keeps its direction).
void showSelection(QLineEdit* edit, int selStart, int selLength) {
    const QString t = edit->text();
    const int s = charsToUnits(t, selStart);
    const int e = charsToUnits(t, selStart + selLength);
    const int curStart = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const int curLength = static_cast<int>(edit->selectedText().size());
    if (curStart == s && curLength == e - s) return;
    if (e > s)
        edit->setSelection(s, e - s);
    else
        edit->setCursorPosition(s);
}

template <class Model>
void takeSelectionFrom(const QLineEdit* edit, Model& model) {
    const QString t = edit->text();
    const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const int length = static_cast<int>(edit->selectedText().size());
    const int s = unitsToChars(t, start);
    model.setSelStart(s);
    model.setSelLength(unitsToChars(t, start + length) - s);
}


// The text a click of the middle mouse button pastes (the X11 primary
// selection), where the platform has one; nothing for any other click.
std::optional<std::string> middleClickPaste(const QMouseEvent* e) {
    if (e->button() != Qt::MiddleButton || !QApplication::clipboard()->supportsSelection()) return std::nullopt;
    return fromQt(QApplication::clipboard()->text(QClipboard::Selection));
}

// Draws the nodes of a tree without the focus frame around the current one:
// the chosen node shows in the colours its model gives it, nothing else.
class PlainNodeDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
    }
};

bool sameEntry(const ListEntry& a, const ListEntry& b) { return a.itemData == b.itemData && a.text == b.text; }

// A line along the widget's frame in the highlight colour while the widget
// has the focus, as a focused line edit shows it: the mark of a tab stop
// whose contents may show no current entry.
void paintFocusMark(QWidget* w) {
    if (!w->hasFocus()) return;
    QPainter p(w);
    p.setPen(w->palette().color(QPalette::Highlight));
    p.drawRect(w->rect().adjusted(0, 0, -1, -1));
}

void lockDownLineEdit(QLineEdit* edit) {
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setDragEnabled(false);
    edit->setAcceptDrops(false);
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
}

}  // namespace

int keyCodeOf(const QKeyEvent* e) {
    const int k = e->key();
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return k;
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return 112 + (k - Qt::Key_F1);
    switch (k) {
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Tab: case Qt::Key_Backtab: return 9;
        case Qt::Key_Return: case Qt::Key_Enter: return 13;
        case Qt::Key_Shift: return 16;
        case Qt::Key_Control: return 17;
        case Qt::Key_Alt: return 18;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Space: return 32;
        case Qt::Key_PageUp: return 33;
        case Qt::Key_PageDown: return 34;
        case Qt::Key_End: return 35;
        case Qt::Key_Home: return 36;
        case Qt::Key_Left: return 37;
        case Qt::Key_Up: return 38;
        case Qt::Key_Right: return 39;
        case Qt::Key_Down: return 40;
        case Qt::Key_Insert: return 45;
        case Qt::Key_Delete: return 46;
        default: return 0;
    }
}

int shiftStateOf(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

QColor colorOf(unsigned rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

void applyControl(QWidget* w, const Control& c) {
    if (c.width() > 0 && c.height() > 0)
        w->setGeometry(twipsToPixels(c.left()), twipsToPixels(c.top()), twipsToPixels(c.width()),
                       twipsToPixels(c.height()));
    w->setEnabled(c.enabled());
    // A widget without a parent is no window of its own: it is only hidden.
    if (!w->parentWidget()) {
        if (!c.visible()) w->hide();
    } else if (w->isHidden() == c.visible()) {
        w->setVisible(c.visible());
    }
}

bool UserInput::eventFilter(QObject* part, QEvent* e) {
    if (e == delivering_) return false;  // on its way, passed on below
    int depth = depth_ + 1;
    switch (e->type()) {
        case QEvent::KeyPress: case QEvent::KeyRelease: case QEvent::InputMethod:
        case QEvent::MouseButtonPress: case QEvent::MouseButtonRelease: case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            break;
        case QEvent::FocusIn: case QEvent::FocusOut:
            if (depth_ == 0) return false;
            depth = 0;  // the focus moving is Qt's, even inside the user's Tab
            break;
        default:
            return false;
    }
    // Delivers the event now, through the part's other filters and the part
    // itself (and on to its parents, as Qt does with an event ignored), and
    // counts it meanwhile. The widget may go while its handlers run.
    const QPointer<UserInput> alive(this);
    const int before = std::exchange(depth_, depth);
    QEvent* const outer = std::exchange(delivering_, e);
    QCoreApplication::sendEvent(part, e);
    if (alive) {
        depth_ = before;
        delivering_ = outer;
        if (depth > 0 && depth_ == 0 && settle_) settle_();
    }
    // Delivered once, with its propagation: the first delivery goes no further.
    e->accept();
    return true;
}

void FocusFollower::follow(QWidget* w, const Control& c) {
    if (!c.hasFocus()) {
        given_ = false;
        return;
    }
    // A widget not yet shown takes the focus when it next shows the model.
    if (given_ || !w->isVisible()) return;
    if (!w->hasFocus()) w->setFocus(Qt::OtherFocusReason);
    given_ = true;
}

// ----------------------------------------------------------------------- label

QtLabel::QtLabel(Label& model, QWidget* parent) : QLabel(parent), model_(model) {
    setObjectName(toQt(model.name()));
    setTextFormat(Qt::PlainText);
    sub_ = model_.subscribe([this] { refresh(); });
    refresh();
}

QtLabel::~QtLabel() { model_.unsubscribe(sub_); }

void QtLabel::refresh() {
    setText(toQt(model_.caption()));
    applyControl(this, model_);
}

// -------------------------------------------------------------------- text box

QtTextBox::QtTextBox(TextBox& model, Window* owner, QWidget* parent)
    : QLineEdit(parent), model_(model), owner_(owner) {
    setObjectName(toQt(model.name()));
    lockDownLineEdit(this);
    connect(this, &QLineEdit::selectionChanged, this, [this] { takeSelection(); });
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] { takeSelection(); });
    sub_ = model_.subscribe([this] { refresh(); });
    refresh();
}

QtTextBox::~QtTextBox() { model_.unsubscribe(sub_); }

void QtTextBox::refresh() {
    if (updating_) return;
    updating_ = true;
    const QString t = toQt(model_.text());
    if (text() != t) setText(t);
    setReadOnly(model_.locked());
    showSelection(this, model_.selStart(), model_.selLength());
    applyControl(this, model_);
    focus_.follow(this, model_);
    updating_ = false;
}

void QtTextBox::takeSelection() {
    if (updating_) return;
    updating_ = true;
    takeSelectionFrom(this, model_);
    updating_ = false;
}

void QtTextBox::keyPressEvent(QKeyEvent* e) {
    model_.keyDown(keyCodeOf(e), shiftStateOf(e->modifiers()));
    if (e->matches(QKeySequence::Cut)) {
        const std::string removed = model_.cut();
        if (!removed.empty()) QApplication::clipboard()->setText(toQt(removed));
        return;
    }
    if (routeEditKey(model_, e)) return;
    if (isNavigation(e))
        QLineEdit::keyPressEvent(e);
    else
        e->ignore();  // Tab and the like go to the focus chain
}

void QtTextBox::keyReleaseEvent(QKeyEvent* e) {
    model_.keyUp(keyCodeOf(e), shiftStateOf(e->modifiers()));
    QLineEdit::keyReleaseEvent(e);
}

void QtTextBox::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    if (owner_) owner_->setFocus(model_);
}

void QtTextBox::inputMethodEvent(QInputMethodEvent* e) {
    typeText(model_, e->commitString());
    e->accept();
}

void QtTextBox::mouseReleaseEvent(QMouseEvent* e) {
    // A middle-click paste goes through the model's paste, at the caret the
    // press put there; the line edit never inserts it itself.
    if (const auto pasted = middleClickPaste(e)) {
        model_.paste(*pasted);
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

// ------------------------------------------------------------------- combo box

QtComboBox::QtComboBox(ComboBox& model, Window* owner, QWidget* parent)
    : QComboBox(parent), model_(model), owner_(owner) {
    setObjectName(toQt(model.name()));
    setEditable(model.editable());
    setInsertPolicy(QComboBox::NoInsert);
    setContextMenuPolicy(Qt::NoContextMenu);
    setFocusPolicy(Qt::StrongFocus);
    input_.watch(this);
    input_.watch(view());
    input_.watch(view()->viewport());
    if (QLineEdit* edit = lineEdit()) {
        setCompleter(nullptr);
        lockDownLineEdit(edit);
        edit->installEventFilter(this);
        input_.watch(edit);
        // The caret and the selection of the text part are the model's, as
        // the user or Qt puts them (also when the focus leaves: the window
        // selects the text again when it next gives the box the focus).
        connect(edit, &QLineEdit::selectionChanged, this, [this] { takeSelection(); });
        connect(edit, &QLineEdit::cursorPositionChanged, this, [this] { takeSelection(); });
    }
    // A pick from the drop-down list is the user's choice of that entry, if
    // the model still holds the entry the user saw there. Qt activates an
    // entry on its own too (when editing ends on the text of an entry, as the
    // focus leaves): that is no choice, and the widget shows the model again.
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (updating_) return;
        const auto& entries = model_.entries();
        if (input_.active() && index >= 0 && index < static_cast<int>(entries.size()) &&
            index < static_cast<int>(shown_.size()) &&
            entries[static_cast<size_t>(index)].text == shown_[static_cast<size_t>(index)].text)
            model_.choose(index);
        refresh();
    });
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!updating_ && !input_.active()) settle();
    });
    sub_ = model_.subscribe([this] { modelChanged(); });
    refresh();
}

QtComboBox::~QtComboBox() { model_.unsubscribe(sub_); }

void QtComboBox::modelChanged() {
    if (updating_) {
        // Told while the widget is being updated: what changed is unknown.
        missed_ = true;
        scheduleRefresh();
        return;
    }
    const auto have = static_cast<long>(shown_.size());
    const auto need = static_cast<long>(model_.entries().size());
    if (missed_ || (need != have + 1 && need != have - 1)) {
        refresh();
        return;
    }
    updating_ = true;
    followOneEntry();
    showState();
    updating_ = false;
    scheduleRefresh();
}

void QtComboBox::scheduleRefresh() {
    if (pending_) return;
    pending_ = true;
    QTimer::singleShot(0, this, [this] { catchUp(); });
}

void QtComboBox::replaceEntries(size_t at, size_t gone, size_t come) {
    const auto& want = model_.entries();
    const int row = static_cast<int>(at);
    if (gone > 0) {
        QComboBox::model()->removeRows(row, static_cast<int>(gone));
        shown_.erase(shown_.begin() + row, shown_.begin() + row + static_cast<long>(gone));
    }
    if (come > 0) {
        QStringList texts;
        texts.reserve(static_cast<qsizetype>(come));
        for (size_t i = 0; i < come; ++i) texts << toQt(want[at + i].text);
        insertItems(row, texts);
        for (size_t i = 0; i < come; ++i) setItemData(row + static_cast<int>(i), want[at + i].itemData);
        shown_.insert(shown_.begin() + row, want.begin() + row, want.begin() + row + static_cast<long>(come));
    }
}

void QtComboBox::followOneEntry() {
    // One entry went in or out since the widget last matched the model (each
    // change of the list is told): the entries after it are the same ones, so
    // counting them from the end finds it, at once for an entry added at the
    // end. Texts only are compared, since item data changes untold; the full
    // check puts item data right.
    const auto& want = model_.entries();
    const size_t have = shown_.size(), need = want.size();
    const size_t common = std::min(have, need);
    size_t tail = 0;
    while (tail < common && shown_[have - 1 - tail].text == want[need - 1 - tail].text) ++tail;
    const size_t at = common - tail;
    replaceEntries(at, have - at - tail, need - at - tail);
}

void QtComboBox::showEntries() {
    // Keeps the entries both lists begin and end with; replaces those between.
    const auto& want = model_.entries();
    const size_t have = shown_.size(), need = want.size();
    size_t head = 0;
    while (head < have && head < need && sameEntry(shown_[head], want[head])) ++head;
    size_t tail = 0;
    while (tail < have - head && tail < need - head && sameEntry(shown_[have - 1 - tail], want[need - 1 - tail]))
        ++tail;
    replaceEntries(head, have - head - tail, need - head - tail);
}

void QtComboBox::showState() {
    if (currentIndex() != model_.listIndex()) setCurrentIndex(model_.listIndex());
    if (QLineEdit* edit = lineEdit()) {
        const QString t = toQt(model_.text());
        if (edit->text() != t) edit->setText(t);
        showSelection(edit, model_.selStart(), model_.selLength());
    }
    applyControl(this, model_);
    focus_.follow(this, model_);
}

void QtComboBox::refresh() {
    if (updating_) return;
    updating_ = true;
    pending_ = false;
    missed_ = false;
    showEntries();
    showState();
    updating_ = false;
}

void QtComboBox::settle() {
    if (updating_) return;
    updating_ = true;
    showState();
    updating_ = false;
}

void QtComboBox::showPopup() {
    catchUp();
    QComboBox::showPopup();
}

void QtComboBox::takeSelection() {
    if (updating_ || !lineEdit()) return;
    updating_ = true;
    takeSelectionFrom(lineEdit(), model_);
    updating_ = false;
}

bool QtComboBox::routeKey(QKeyEvent* e) {
    catchUp();
    model_.keyDown(keyCodeOf(e), shiftStateOf(e->modifiers()));
    const bool alt = e->modifiers() & Qt::AltModifier;
    if (e->key() == Qt::Key_F4 || (alt && (e->key() == Qt::Key_Down || e->key() == Qt::Key_Up))) {
        showPopup();
        return true;
    }
    if (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down) {
        // The arrows step through the list: each step is a choice.
        const int next = model_.listIndex() + (e->key() == Qt::Key_Down ? 1 : -1);
        if (next >= 0 && next < model_.listCount()) model_.choose(next);
        return true;
    }
    if (!model_.editable()) {
        switch (e->key()) {
            case Qt::Key_Tab: case Qt::Key_Backtab: return false;
            case Qt::Key_Return: case Qt::Key_Enter: model_.pressKey(key::Enter); return true;
            case Qt::Key_Escape: model_.pressKey(key::Escape); return true;
            case Qt::Key_Space: showPopup(); return true;
            default: break;
        }
        if (typesText(e)) typeText(model_, e->text());
        return true;
    }
    return routeEditKey(model_, e);
}

bool QtComboBox::eventFilter(QObject* watched, QEvent* e) {
    if (watched == lineEdit()) {
        switch (e->type()) {
            case QEvent::KeyPress: return routeKey(static_cast<QKeyEvent*>(e));
            case QEvent::KeyRelease: {
                auto* k = static_cast<QKeyEvent*>(e);
                model_.keyUp(keyCodeOf(k), shiftStateOf(k->modifiers()));
                return false;
            }
            case QEvent::FocusIn:
                if (owner_) owner_->setFocus(model_);
                return false;
            case QEvent::InputMethod: {
                catchUp();
                typeText(model_, static_cast<QInputMethodEvent*>(e)->commitString());
                return true;
            }
            case QEvent::MouseButtonRelease:
                if (const auto pasted = middleClickPaste(static_cast<QMouseEvent*>(e))) {
                    catchUp();
                    model_.paste(*pasted);
                    return true;
                }
                return false;
            default: return false;
        }
    }
    return QComboBox::eventFilter(watched, e);
}

void QtComboBox::keyPressEvent(QKeyEvent* e) {
    if (routeKey(e)) return;
    // The keys reach the combo box itself (it holds the focus for its text
    // part): those that only move the caret or the selection, the text part
    // handles directly, past this filter, so the model sees them only once.
    if (lineEdit() && isNavigation(e))
        lineEdit()->event(e);
    else
        e->ignore();  // Tab and the like go to the focus chain
}

void QtComboBox::keyReleaseEvent(QKeyEvent* e) {
    model_.keyUp(keyCodeOf(e), shiftStateOf(e->modifiers()));
    QComboBox::keyReleaseEvent(e);
}

void QtComboBox::focusInEvent(QFocusEvent* e) {
    QComboBox::focusInEvent(e);
    if (owner_) owner_->setFocus(model_);
}

void QtComboBox::wheelEvent(QWheelEvent* e) { e->ignore(); }

// -------------------------------------------------------------------- list box

QtListBox::QtListBox(ListBox& model, Window* owner, QWidget* parent)
    : QListWidget(parent), model_(model), owner_(owner) {
    setObjectName(toQt(model.name()));
    setSelectionMode(QAbstractItemView::SingleSelection);
    input_.watch(this);
    input_.watch(viewport());
    // The row the user's key, click or typed text selects is the user's
    // choice; the row Qt makes current when the list takes the focus is none.
    connect(this, &QListWidget::currentRowChanged, this, [this] { widgetChanged(); });
    connect(this, &QListWidget::itemSelectionChanged, this, [this] { widgetChanged(); });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { model_.dblClick(); });
    sub_ = model_.subscribe([this] { refresh(); });
    refresh();
}

QtListBox::~QtListBox() { model_.unsubscribe(sub_); }

void QtListBox::refresh() {
    if (updating_) return;
    updating_ = true;
    bool same = count() == model_.listCount();
    for (int i = 0; same && i < count(); ++i) same = item(i)->text() == toQt(model_.list(i));
    if (!same) {
        clear();
        for (const auto& entry : model_.entries()) addItem(toQt(entry.text));
    }
    showChosenRow();
    applyControl(this, model_);
    updating_ = false;
    focus_.follow(this, model_);  // the row Qt makes current with the focus is undone
}

void QtListBox::showChosenRow() {
    // The model's entry current and selected alone, or no row at all.
    const int chosen = model_.listIndex();
    const QList<QListWidgetItem*> selected = selectedItems();
    const bool shown = currentRow() == chosen &&
                       (chosen < 0 ? selected.isEmpty() : selected.size() == 1 && selected.front() == item(chosen));
    if (!shown) setCurrentRow(chosen);
}

void QtListBox::showChoice() {
    if (updating_) return;
    updating_ = true;
    showChosenRow();
    updating_ = false;
}

void QtListBox::widgetChanged() {
    if (updating_) return;
    if (!input_.active()) {
        showChoice();  // Qt's own: undone
        return;
    }
    const QList<QListWidgetItem*> selected = selectedItems();
    const int row = selected.isEmpty() ? -1 : this->row(selected.front());
    if (row != model_.listIndex()) model_.setListIndex(row);
}

bool QtListBox::event(QEvent* e) {
    const bool done = QListWidget::event(e);
    if (e->type() == QEvent::Paint) paintFocusMark(this);
    return done;
}

void QtListBox::focusInEvent(QFocusEvent* e) {
    QListWidget::focusInEvent(e);
    if (owner_) owner_->setFocus(model_);
}

// ------------------------------------------------------------------------ grid

QtGrid::QtGrid(Grid& model, QWidget* parent) : QTableWidget(parent), model_(model) {
    setObjectName(toQt(model.name()));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setTabKeyNavigation(false);
    input_.watch(this);
    input_.watch(viewport());
    const auto take = [this](int r, int c) {
        if (updating_ || r < 0 || c < 0 || r >= model_.rows() || c >= model_.cols()) return;
        model_.setRow(r);
        model_.setCol(c);
    };
    connect(this, &QTableWidget::cellClicked, this, take);
    // The cell the user's arrow keys reach; the one Qt makes current when the
    // grid takes the focus is none of the model's business.
    connect(this, &QTableWidget::currentCellChanged, this, [this, take](int r, int c) {
        if (input_.active()) take(r, c);
    });
    sub_ = model_.subscribe([this] { scheduleRefresh(); });
    refresh();
}

QtGrid::~QtGrid() { model_.unsubscribe(sub_); }

bool QtGrid::event(QEvent* e) {
    const bool done = QTableWidget::event(e);
    if (e->type() == QEvent::Paint) paintFocusMark(this);
    return done;
}

void QtGrid::scheduleRefresh() {
    if (pending_) return;
    pending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (pending_) refresh();
    });
}

void QtGrid::refresh() {
    pending_ = false;
    updating_ = true;
    setUpdatesEnabled(false);
    setRowCount(model_.rows());
    setColumnCount(model_.cols());
    clearSpans();
    const QBrush fixedBack = palette().button();
    for (int r = 0; r < model_.rows(); ++r) {
        for (int c = 0; c < model_.cols(); ++c) {
            QTableWidgetItem* it = item(r, c);
            if (!it) {
                it = new QTableWidgetItem;  // owned by the table
                setItem(r, c, it);
            }
            const QString t = toQt(model_.text(r, c));
            if (it->text() != t) it->setText(t);
            const bool fixed = r < model_.fixedRows() || c < model_.fixedCols();
            Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter;
            switch (model_.cellAlignment(r, c)) {
                case Alignment::LeftCenter: break;
                case Alignment::CenterCenter: a = Qt::AlignCenter; break;
                case Alignment::RightCenter: a = Qt::AlignRight | Qt::AlignVCenter; break;
                case Alignment::General: {
                    bool number = false;
                    t.trimmed().toDouble(&number);
                    if (number && !fixed) a = Qt::AlignRight | Qt::AlignVCenter;
                    break;
                }
            }
            it->setTextAlignment(a);
            QFont f = font();
            f.setBold(model_.cellBold(r, c));
            it->setFont(f);
            const unsigned fore = model_.cellForeColor(r, c);
            it->setForeground(fore == 0xFFFFFFFFu ? palette().text() : QBrush(colorOf(fore)));
            const unsigned back = model_.cellBackColor(r, c);
            it->setBackground(back != 0xFFFFFFFFu ? QBrush(colorOf(back)) : fixed ? fixedBack : QBrush());
            it->setFlags(fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
        if (model_.mergeCells() != 0 && model_.mergeRow(r)) {
            // Runs of equal neighbouring texts show as one cell.
            int start = 0;
            for (int c = 1; c <= model_.cols(); ++c) {
                if (c < model_.cols() && model_.text(r, c) == model_.text(r, start)) continue;
                if (c - start > 1) setSpan(r, start, 1, c - start);
                start = c;
            }
        }
    }
    if (fitColumns_) {
        // Rows shown merged span their columns: they give no column its width.
        for (int c = 0; c < model_.cols(); ++c) {
            int width = 0;
            for (int r = 0; r < model_.rows(); ++r) {
                if (model_.mergeCells() != 0 && model_.mergeRow(r)) continue;
                const QTableWidgetItem* it = item(r, c);
                QString t = it->text();
                while (t.endsWith(QLatin1Char(' '))) t.chop(1);
                width = std::max(width, QFontMetrics(it->font()).horizontalAdvance(t) + 12);
            }
            setColumnWidth(c, width);
        }
    } else {
        for (int c = 0; c < model_.cols(); ++c) setColumnWidth(c, twipsToPixels(model_.colWidth(c)));
    }
    applyControl(this, model_);
    setUpdatesEnabled(true);
    updating_ = false;
}

// ------------------------------------------------------------------------ tree

QtTree::QtTree(Tree& model, Window* owner, QWidget* parent) : QTreeWidget(parent), model_(model), owner_(owner) {
    setObjectName(toQt(model.name()));
    setHeaderHidden(true);
    setColumnCount(1);
    // The current item is the chosen node; the model's colours mark it.
    setSelectionMode(QAbstractItemView::NoSelection);
    setItemDelegate(new PlainNodeDelegate(this));
    input_.watch(this);
    input_.watch(viewport());
    // The node the user's keys reach is chosen; the one Qt makes current as
    // the tree takes the focus is not.
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* now) {
        if (updating_) return;
        if (input_.active() && now)
            model_.clickNode(numberOf(now));
        else
            showChosen();
    });
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* it) { expansionChanged(it); });
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* it) { expansionChanged(it); });
    sub_ = model_.subscribe([this] { scheduleRefresh(); });
    refresh();
}

int QtTree::numberOf(const QTreeWidgetItem* it) { return it->data(0, Qt::UserRole).toInt(); }

void QtTree::expansionChanged(QTreeWidgetItem* it) {
    if (updating_) return;
    if (input_.active())
        model_.setNodeExpanded(numberOf(it), it->isExpanded());
    else
        refresh();
}

void QtTree::showChosen() {
    if (updating_) return;
    updating_ = true;
    QTreeWidgetItem* chosen = itemOf(model_.selectedIndex());
    if (currentItem() != chosen) setCurrentItem(chosen);
    updating_ = false;
}

QtTree::~QtTree() { model_.unsubscribe(sub_); }

void QtTree::scheduleRefresh() {
    if (pending_) return;
    pending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (pending_) refresh();
    });
}

QTreeWidgetItem* QtTree::itemOf(int index) const {
    return index >= 1 && index <= static_cast<int>(items_.size()) ? items_[static_cast<size_t>(index - 1)] : nullptr;
}

void QtTree::rebuild() {
    clear();  // deletes the items
    items_.clear();
    for (int i = 1; i <= model_.nodeCount(); ++i) {
        const TreeNode& n = model_.node(i);
        QTreeWidgetItem* parentItem = itemOf(model_.indexOf(n.parentKey));
        auto* it = parentItem ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(this);  // owned by the tree
        it->setData(0, Qt::UserRole, i);
        items_.push_back(it);
    }
}

void QtTree::refresh() {
    if (updating_) return;
    pending_ = false;
    updating_ = true;
    bool same = static_cast<int>(items_.size()) == model_.nodeCount();
    for (int i = 1; same && i <= model_.nodeCount(); ++i) {
        const QTreeWidgetItem* it = itemOf(i);
        const QTreeWidgetItem* parentItem = itemOf(model_.indexOf(model_.node(i).parentKey));
        same = it->parent() == parentItem;
    }
    if (!same) rebuild();
    for (int i = 1; i <= model_.nodeCount(); ++i) {
        const TreeNode& n = model_.node(i);
        QTreeWidgetItem* it = itemOf(i);
        it->setText(0, toQt(n.text));
        it->setForeground(0, QBrush(colorOf(n.foreColor)));
        it->setBackground(0, n.backColor == TreeNode::kDefaultColor ? QBrush() : QBrush(colorOf(n.backColor)));
        QFont f = font();
        f.setBold(n.bold);
        it->setFont(0, f);
        it->setExpanded(n.expanded);
    }
    setRootIsDecorated(model_.lineStyle() == 1);
    if (model_.backColor() != TreeNode::kDefaultColor) {
        QPalette p = palette();
        p.setColor(QPalette::Base, colorOf(model_.backColor()));
        setPalette(p);
    }
    applyControl(this, model_);
    updating_ = false;
    showChosen();
}

void QtTree::mousePressEvent(QMouseEvent* e) {
    // Only the left button chooses a node: a press of another changes nothing.
    if (e->button() != Qt::LeftButton) {
        e->accept();
        return;
    }
    QTreeWidgetItem* const it = itemAt(e->position().toPoint());
    const bool again = it && it == currentItem();
    QTreeWidget::mousePressEvent(e);  // a node the press makes current is chosen
    if (again) model_.clickNode(numberOf(it));  // and the chosen one again
}

void QtTree::mouseMoveEvent(QMouseEvent* e) {
    // Dragging over the nodes chooses none of them: only a press does.
    if (e->buttons() != Qt::NoButton) {
        e->accept();
        return;
    }
    QTreeWidget::mouseMoveEvent(e);
}

void QtTree::mouseDoubleClickEvent(QMouseEvent* e) {
    QTreeWidget::mouseDoubleClickEvent(e);
    model_.dblClick();
}

void QtTree::focusInEvent(QFocusEvent* e) {
    QTreeWidget::focusInEvent(e);
    if (owner_) owner_->setFocus(model_);
}

// ----------------------------------------------------------- buttons and boxes

QtButton::QtButton(CommandButton& model, Window* owner, QWidget* parent)
    : QPushButton(parent), model_(model), owner_(owner) {
    setObjectName(toQt(model.name()));
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { model_.click(); });
    sub_ = model_.subscribe([this] { refresh(); });
    refresh();
}

QtButton::~QtButton() { model_.unsubscribe(sub_); }

void QtButton::refresh() {
    setText(toQt(model_.caption()));
    applyControl(this, model_);
    focus_.follow(this, model_);
}

void QtButton::focusInEvent(QFocusEvent* e) {
    QPushButton::focusInEvent(e);
    if (owner_) owner_->setFocus(model_);
}

void QtButton::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        e->accept();
        if (!e->isAutoRepeat()) click();  // a key held down clicks once
        return;
    }
    QPushButton::keyPressEvent(e);
}

QtOptionButton::QtOptionButton(OptionButton& model, Window* owner, QWidget* parent)
    : QRadioButton(parent), model_(model), owner_(owner) {
    setObjectName(toQt(model.name()));
    // The group's model checks one button and no other; Qt keeps no group of
    // its own (it would reach into the buttons of nested frames).
    setAutoExclusive(false);
    input_.watch(this);
    connect(this, &QRadioButton::clicked, this, [this] {
        model_.click();
        refresh();  // a click on the chosen button leaves it chosen
    });
    connect(this, &QRadioButton::toggled, this, [this] {
        if (!updating_ && !input_.active()) refresh();
    });
    sub_ = model_.subscribe([this] { refresh(); });
    refresh();
}

std::vector<QtOptionButton*> QtOptionButton::group() const {
    std::vector<QtOptionButton*> buttons;
    if (!parentWidget()) return {const_cast<QtOptionButton*>(this)};
    for (QObject* o : parentWidget()->children())
        if (auto* b = qobject_cast<QtOptionButton*>(o)) buttons.push_back(b);
    return buttons;
}

void QtOptionButton::showTabStop() {
    // The chosen button is the group's one tab stop, the first with none chosen.
    const std::vector<QtOptionButton*> buttons = group();
    const auto chosen = std::find_if(buttons.begin(), buttons.end(), [](auto* b) { return b->model_.value(); });
    for (QtOptionButton* b : buttons) {
        const bool stop = chosen != buttons.end() ? b == *chosen : b == buttons.front();
        b->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

QtOptionButton::~QtOptionButton() { model_.unsubscribe(sub_); }

void QtOptionButton::refresh() {
    if (updating_) return;
    updating_ = true;
    setText(toQt(model_.caption()));
    if (isChecked() != model_.value()) setChecked(model_.value());
    showTabStop();
    applyControl(this, model_);
    updating_ = false;
}

bool QtOptionButton::event(QEvent* e) {
    if (e->type() == QEvent::ParentChange) showTabStop();  // a button put into its frame by a layout
    return QRadioButton::event(e);
}

void QtOptionButton::focusInEvent(QFocusEvent* e) {
    QRadioButton::focusInEvent(e);
    if (owner_) owner_->setFocus(model_);
}

void QtOptionButton::keyPressEvent(QKeyEvent* e) {
    int step = 0;
    switch (e->key()) {
        case Qt::Key_Left: case Qt::Key_Up: step = -1; break;
        case Qt::Key_Right: case Qt::Key_Down: step = 1; break;
        default: QRadioButton::keyPressEvent(e); return;
    }
    e->accept();
    // The next button of the group that can take the focus, if any.
    const std::vector<QtOptionButton*> buttons = group();
    auto at = std::find(buttons.begin(), buttons.end(), this);
    QtOptionButton* reached = nullptr;
    for (auto i = at - buttons.begin() + step; i >= 0 && i < static_cast<long>(buttons.size()); i += step) {
        QtOptionButton* b = buttons[static_cast<size_t>(i)];
        if (b->isVisible() && b->isEnabled()) {
            reached = b;
            break;
        }
    }
    if (!reached) return;
    reached->setFocus(Qt::TabFocusReason);
    reached->model_.click();
}

QtCheckBox::QtCheckBox(CheckBox& model, Window* owner, QWidget* parent)
    : QCheckBox(parent), model_(model), owner_(owner) {
    setObjectName(toQt(model.name()));
    input_.watch(this);
    connect(this, &QCheckBox::clicked, this, [this] {
        model_.click();
        refresh();
    });
    connect(this, &QCheckBox::stateChanged, this, [this] {
        if (!updating_ && !input_.active()) refresh();
    });
    sub_ = model_.subscribe([this] { refresh(); });
    refresh();
}

QtCheckBox::~QtCheckBox() { model_.unsubscribe(sub_); }

void QtCheckBox::refresh() {
    if (updating_) return;
    updating_ = true;
    setText(toQt(model_.caption()));
    setTristate(model_.value() == CheckValue::Grayed);
    const Qt::CheckState s = model_.value() == CheckValue::Checked   ? Qt::Checked
                             : model_.value() == CheckValue::Grayed ? Qt::PartiallyChecked
                                                                    : Qt::Unchecked;
    if (checkState() != s) setCheckState(s);
    applyControl(this, model_);
    updating_ = false;
}

void QtCheckBox::focusInEvent(QFocusEvent* e) {
    QCheckBox::focusInEvent(e);
    if (owner_) owner_->setFocus(model_);
}

QtFrame::QtFrame(Frame& model, QWidget* parent) : QGroupBox(parent), model_(model) {
    setObjectName(toQt(model.name()));
    sub_ = model_.subscribe([this] { refresh(); });
    refresh();
}

QtFrame::~QtFrame() { model_.unsubscribe(sub_); }

void QtFrame::refresh() {
    setTitle(toQt(model_.caption()));
    applyControl(this, model_);
}

QtTabStrip::QtTabStrip(TabStrip& model, QWidget* parent) : QTabBar(parent), model_(model) {
    setObjectName(toQt(model.name()));
    input_.watch(this);
    // The tab the user's arrow keys reach is chosen; any other change of the
    // current tab is Qt's and undone.
    connect(this, &QTabBar::currentChanged, this, [this](int index) {
        if (updating_) return;
        if (input_.active() && index >= 0)
            model_.clickTab(index + 1);
        else
            refresh();
    });
    sub_ = model_.subscribe([this] { refresh(); });
    refresh();
}

QtTabStrip::~QtTabStrip() { model_.unsubscribe(sub_); }

void QtTabStrip::refresh() {
    if (updating_) return;
    updating_ = true;
    bool same = count() == model_.tabCount();
    for (int i = 0; same && i < count(); ++i) same = tabText(i) == toQt(model_.caption(i + 1));
    if (!same) {
        while (count() > 0) removeTab(0);
        for (int i = 1; i <= model_.tabCount(); ++i) addTab(toQt(model_.caption(i)));
    }
    if (currentIndex() != model_.selectedIndex() - 1) setCurrentIndex(model_.selectedIndex() - 1);
    applyControl(this, model_);
    updating_ = false;
}

void QtTabStrip::mousePressEvent(QMouseEvent* e) {
    const int index = e->button() == Qt::LeftButton ? tabAt(e->position().toPoint()) : -1;
    if (index < 0) {
        QTabBar::mousePressEvent(e);
        return;
    }
    e->accept();
    model_.clickTab(index + 1);  // the strip shows the model's tab once the click is handled
}

void QtTabStrip::wheelEvent(QWheelEvent* e) { e->ignore(); }

// ---------------------------------------------------------------- browser pane

QtBrowserPane::QtBrowserPane(WebBrowser& model, QWidget* parent) : QTextBrowser(parent), model_(model) {
    setObjectName(toQt(model.name()));
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        model_.navigate(fromQt(source().resolved(url).toString()));
    });
    sub_ = model_.subscribe([this] { refresh(); });
    refresh();
}

QtBrowserPane::~QtBrowserPane() { model_.unsubscribe(sub_); }

bool QtBrowserPane::event(QEvent* e) {
    const bool done = QTextBrowser::event(e);
    if (e->type() == QEvent::Paint) paintFocusMark(this);
    return done;
}

void QtBrowserPane::refresh() {
    if (shownNavigations_ != model_.navigationCount()) {
        shownNavigations_ = model_.navigationCount();
        showAddress(this, model_.locationURL());
    }
    applyControl(this, model_);
}

void QtBrowserPane::showAddress(QTextBrowser* browser, const std::string& url) {
    const QString address = toQt(url);
    if (address.isEmpty()) {
        browser->clear();
        return;
    }
    const QUrl parsed(address);
    const QString path = parsed.isLocalFile() ? parsed.toLocalFile() : address;
    const QFileInfo file(path);
    if (file.isFile() && file.isReadable()) {
        browser->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
        return;
    }
    browser->setPlainText(QStringLiteral("This page is not available here: ") + address);
}

}  // namespace jd::qt
