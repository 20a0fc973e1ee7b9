#include "qt/qt_text_controls.h"

#include <algorithm>
#include <optional>
#include <utility>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include "qt/next_pass.h"

namespace jd::qt {

namespace {

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
// them (so a selection the user drags keeps its direction). Returns whether
// the line edit showed another caret or selection.
bool showSelection(QLineEdit* edit, int selStart, int selLength) {
    const QString t = edit->text();
    const int s = charsToUnits(t, selStart);
    const int e = charsToUnits(t, selStart + selLength);
    const int curStart = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const int curLength = static_cast<int>(edit->selectedText().size());
    if (curStart == s && curLength == e - s) return false;
    if (e > s)
        edit->setSelection(s, e - s);
    else
        edit->setCursorPosition(s);
    return true;
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

bool sameEntry(const ListEntry& a, const ListEntry& b) { return a.itemData == b.itemData && a.text == b.text; }

// Input methods stay on (a read-only line edit turns them off itself): their
// text goes through the model as typed text.
void lockDownLineEdit(QLineEdit* edit) {
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setDragEnabled(false);
    edit->setAcceptDrops(false);
}

// An input method's event as the text part shows it: the text being
// composed, drawn as Qt draws it, without the text committed (which goes
// through the model) or a selection of the input method's own.
QInputMethodEvent composingOnly(const QInputMethodEvent* e) {
    QList<QInputMethodEvent::Attribute> shown;
    for (const auto& a : e->attributes())
        if (a.type != QInputMethodEvent::Selection) shown << a;
    return QInputMethodEvent(e->preeditString(), shown);
}

// An input method's commit, typed through the model as the user's typing
// is: it takes the place of the selection or, where it carries a
// replacement range (a correcting input method's, counted from the caret),
// of the characters that range names; each character passes the model's
// key rules. A range with nothing committed is erased as Backspace erases.
template <class Model>
void commitThrough(Model& model, const QInputMethodEvent* e) {
    if (e->replacementStart() != 0 || e->replacementLength() > 0) {
        const QString t = toQt(model.text());
        const auto size = static_cast<int>(t.size());
        const int from = std::clamp(charsToUnits(t, model.selStart()) + e->replacementStart(), 0, size);
        const int start = unitsToChars(t, from);
        model.setSelStart(start);
        model.setSelLength(unitsToChars(t, std::min(from + e->replacementLength(), size)) - start);
        if (e->commitString().isEmpty() && model.selLength() > 0) model.pressKey(key::Backspace);
    }
    typeText(model, e->commitString());
}

// The window asked to give a control the focus while its widget has the
// keys. Where they came back just before, the request hands the box over as
// if it had come first, and is met; else it is held (see HeldFocusRequest).
template <class Model>
void meetRequestWithTheKeys(QWidget* w, QLineEdit* edit, Window* owner, Model& model, CaretOnFocus& caret,
                            HeldFocusRequest& held) {
    if (!owner || !model.focusRequested() || !model.hasFocus() || !w->hasFocus()) return;
    if (edit && caret.requestedWithTheKeys(edit)) {
        takeSelectionFrom(edit, model);
        owner->keysTakenBy(model);
        return;
    }
    held.hold(w, [owner, &model] {
        if (model.focusRequested() && model.hasFocus()) owner->keysTakenBy(model);
    });
}

}  // namespace

// -------------------------------------------------------------- caret on focus

CaretOnFocus::Selection CaretOnFocus::of(const QLineEdit* edit) {
    return {edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition(),
            static_cast<int>(edit->selectedText().size())};
}

void CaretOnFocus::show(QLineEdit* edit, Selection s) {
    const Selection now = of(edit);
    if (now.start == s.start && now.length == s.length) return;
    if (s.length > 0)
        edit->setSelection(s.start, s.length);
    else
        edit->setCursorPosition(s.start);
}

void CaretOnFocus::shown(bool otherText, unsigned textWrites, bool moved) {
    const bool written = std::exchange(textWrites_, textWrites) != textWrites;
    const bool newText = otherText || written;
    if (newText)
        chosen_ = false;
    else if (moved)
        chosen_ = true;
    if (newText || moved) left_.reset();
}

void CaretOnFocus::keysLeave(const QLineEdit* edit, Qt::FocusReason reason) {
    left_ = of(edit);
    returned_ = false;
    // The caret or selection a window chose counts for the next focus; the
    // box the user leaves keeps it only while its window is inactive.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) chosen_ = false;
}

void CaretOnFocus::keysComing(const QLineEdit* edit) { coming_ = of(edit); }

void CaretOnFocus::keysCame(QLineEdit* edit, Qt::FocusReason reason, bool requested) {
    const bool keyboard =
        reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    if (reason == Qt::MouseFocusReason) {
        // the click puts the caret
    } else if (keyboard || requested) {
        if (chosen_)
            show(edit, coming_);
        else
            edit->selectAll();
    } else {
        show(edit, left_.value_or(coming_));
    }
    returned_ = reason != Qt::MouseFocusReason && !keyboard && !requested;
    chosen_ = false;
    left_.reset();
}

bool CaretOnFocus::requestedWithTheKeys(QLineEdit* edit) {
    // The keys came back to the box just before its window named it (a
    // window manager may make the window active again before a message's
    // handler goes on): it is named as if the keys came now.
    const bool select = std::exchange(returned_, false) && !chosen_;
    if (select) edit->selectAll();
    return select;
}

// -------------------------------------------------------------------- text box

QtTextBox::QtTextBox(TextBox& model, Window* owner, QWidget* parent)
    : Bound(model, owner, parent) {
    followKeyPresses();
    lockDownLineEdit(this);
    connect(this, &QLineEdit::selectionChanged, this, [this] { takeSelection(); });
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] { takeSelection(); });
    refresh();
}

void QtTextBox::refresh() {
    if (updating_) return;
    const Updating updating(updating_);
    const QString t = toQt(model_.text());
    const bool newText = text() != t;
    if (newText) setText(t);
    setReadOnly(model_.locked());
    // A caret or selection the window sets on the text it shows is its choice;
    // a new text only puts the caret back at its start.
    caret_.shown(newText, model_.textWrites(), showSelection(this, model_.selStart(), model_.selLength()));
    applyControl(this, model_);
    meetRequestWithTheKeys(this, this, owner_, model_, caret_, held_);
    focus_.follow(this, model_);
}

void QtTextBox::takeSelection() {
    if (updating_) return;
    const Updating updating(updating_);
    takeSelectionFrom(this, model_);
}

void QtTextBox::keyPressEvent(QKeyEvent* e) {
    caret_.used();
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
    if (pressWentToWindowOf(this, e)) model_.keyUp(keyCodeOf(e), shiftStateOf(e->modifiers()));
    QLineEdit::keyReleaseEvent(e);
}

void QtTextBox::focusInEvent(QFocusEvent* e) {
    const bool requested = model_.focusRequested();
    caret_.keysComing(this);
    QLineEdit::focusInEvent(e);
    {
        const Updating updating(updating_);
        caret_.keysCame(this, e->reason(), requested);
        takeSelectionFrom(this, model_);
    }
    if (owner_) owner_->keysTakenBy(model_);
}

void QtTextBox::focusOutEvent(QFocusEvent* e) {
    // An input method composes only where the keys are: what it committed as
    // they left went through the model, the rest is dropped.
    if (composing_) {
        QInputMethodEvent dropped;
        showComposing(&dropped);
    }
    held_.keysLeave();
    caret_.keysLeave(this, e->reason());
    QLineEdit::focusOutEvent(e);
}

void QtTextBox::inputMethodEvent(QInputMethodEvent* e) {
    caret_.used();
    commitThrough(model_, e);
    QInputMethodEvent composing = composingOnly(e);
    showComposing(&composing);
    e->accept();
}

void QtTextBox::showComposing(QInputMethodEvent* composing) {
    // The text being composed shows over the selection as Qt shows it (the
    // selected text taken out of the box), while the model keeps its text,
    // caret and selection. Once the composing ends (committed, cancelled, or
    // refused by the key rules), the box shows the model's again.
    const Updating updating(updating_);
    QLineEdit::inputMethodEvent(composing);
    composing_ = !composing->preeditString().isEmpty();
    if (composing_) return;
    const QString t = toQt(model_.text());
    if (text() != t) setText(t);
    showSelection(this, model_.selStart(), model_.selLength());
}

void QtTextBox::mouseReleaseEvent(QMouseEvent* e) {
    // A middle-click paste goes through the model's paste, at the caret the
    // press put there; the line edit never inserts it itself.
    if (const auto pasted = middleClickPaste(e)) {
        caret_.used();
        model_.paste(*pasted);
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

// ------------------------------------------------------------------- combo box

QtComboBox::QtComboBox(ComboBox& model, Window* owner, QWidget* parent)
    : Bound(model, owner, parent) {
    followKeyPresses();
    setEditable(model.editable());
    setInsertPolicy(QComboBox::NoInsert);
    setContextMenuPolicy(Qt::NoContextMenu);
    setFocusPolicy(Qt::StrongFocus);
    if (QLineEdit* edit = lineEdit()) {
        setCompleter(nullptr);
        lockDownLineEdit(edit);
        edit->installEventFilter(this);
        // The caret and the selection of the text part are the model's, as
        // the user or Qt puts them (also as the focus leaves; they come back
        // as the keys do).
        connect(edit, &QLineEdit::selectionChanged, this, [this] { takeSelection(); });
        connect(edit, &QLineEdit::cursorPositionChanged, this, [this] { takeSelection(); });
    }
    // A pick from the drop-down list is the user's choice of that entry, if
    // the model still holds the entry the user saw there. Qt activates an
    // entry on its own too (when editing ends on the text of an entry, as the
    // focus leaves): that is no choice, and the widget shows the model again.
    // The list takes the pick's click or Enter before its view's handlers
    // run, so a pick counts while the list is open (or closing on the pick).
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (updating_) return;
        const auto& entries = model_.entries();
        if (userChooses() && index >= 0 && index < static_cast<int>(entries.size()) &&
            index < static_cast<int>(shown_.size()) &&
            entries[static_cast<size_t>(index)].text == shown_[static_cast<size_t>(index)].text)
            model_.choose(index);
        refresh();
    });
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!updating_ && !userChooses()) settle();
    });
    refresh();
}

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
    {
        const Updating updating(updating_);
        followOneEntry();
        showState();
    }
    scheduleRefresh();
}

void QtComboBox::scheduleRefresh() {
    if (pending_) return;
    pending_ = true;
    onNextPass(this, [this] { catchUp(); });
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
    QLineEdit* edit = lineEdit();
    const QString t = toQt(model_.text());
    const bool newText = edit && edit->text() != t;
    if (currentIndex() != model_.listIndex()) setCurrentIndex(model_.listIndex());
    if (edit) {
        if (edit->text() != t) edit->setText(t);
        caret_.shown(newText, model_.textWrites(), showSelection(edit, model_.selStart(), model_.selLength()));
    }
    applyControl(this, model_);
    meetRequestWithTheKeys(this, edit, owner_, model_, caret_, held_);
    focus_.follow(this, model_);
}

void QtComboBox::refresh() {
    if (updating_) return;
    const Updating updating(updating_);
    pending_ = false;
    missed_ = false;
    showEntries();
    showState();
}

void QtComboBox::settle() {
    if (updating_) return;
    const Updating updating(updating_);
    showState();
}

void QtComboBox::showPopup() {
    catchUp();
    popupOpen_ = true;
    QComboBox::showPopup();
}

void QtComboBox::hidePopup() {
    // The list closes before it tells of the pick that closed it: the pick
    // still counts until the event loop next runs.
    QComboBox::hidePopup();
    onNextPass(this, [this] { popupOpen_ = view()->isVisible(); });
}

void QtComboBox::takeSelection() {
    if (updating_ || !lineEdit()) return;
    const Updating updating(updating_);
    takeSelectionFrom(lineEdit(), model_);
}

bool QtComboBox::event(QEvent* e) {
    return input_.handle(this, e, [&] { return QComboBox::event(e); });
}

bool QtComboBox::routeKey(QKeyEvent* e) {
    caret_.used();
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
    // The mouse goes to the text part itself: a middle-click paste goes
    // through the model's paste, at the caret the press put there.
    if (watched == lineEdit() && e->type() == QEvent::MouseButtonRelease) {
        if (const auto pasted = middleClickPaste(static_cast<QMouseEvent*>(e))) {
            caret_.used();
            catchUp();
            model_.paste(*pasted);
            return true;
        }
    }
    return QComboBox::eventFilter(watched, e);
}

void QtComboBox::keyPressEvent(QKeyEvent* e) {
    if (routeKey(e)) return;
    // The keys reach the combo box itself (it holds the focus for its text
    // part): those that only move the caret or the selection, the text part
    // handles directly, so the model sees them only once.
    if (lineEdit() && isNavigation(e))
        lineEdit()->event(e);
    else
        e->ignore();  // Tab and the like go to the focus chain
}

void QtComboBox::keyReleaseEvent(QKeyEvent* e) {
    if (pressWentToWindowOf(this, e)) model_.keyUp(keyCodeOf(e), shiftStateOf(e->modifiers()));
    QComboBox::keyReleaseEvent(e);
}

void QtComboBox::focusInEvent(QFocusEvent* e) {
    const bool requested = model_.focusRequested();
    QLineEdit* edit = lineEdit();
    if (edit) caret_.keysComing(edit);
    QComboBox::focusInEvent(e);
    if (edit) {
        const Updating updating(updating_);
        caret_.keysCame(edit, e->reason(), requested);
        takeSelectionFrom(edit, model_);
    }
    if (owner_) owner_->keysTakenBy(model_);
}

void QtComboBox::focusOutEvent(QFocusEvent* e) {
    held_.keysLeave();
    if (QLineEdit* edit = lineEdit()) caret_.keysLeave(edit, e->reason());
    QComboBox::focusOutEvent(e);
}

void QtComboBox::inputMethodEvent(QInputMethodEvent* e) {
    // Qt hands an input method's text to the text part directly; it goes
    // through the model (its key-press handler first) as typed text instead.
    if (!lineEdit()) {
        QComboBox::inputMethodEvent(e);
        return;
    }
    caret_.used();
    catchUp();
    commitThrough(model_, e);
    QInputMethodEvent composing = composingOnly(e);
    QComboBox::inputMethodEvent(&composing);
    e->accept();
}

void QtComboBox::wheelEvent(QWheelEvent* e) { e->ignore(); }

}  // namespace jd::qt
