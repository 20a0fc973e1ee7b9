#include "platform/input_controls.h"

#include <algorithm>

#include "platform/text.h"

namespace jd {

namespace {

// Byte offset of character `index` (clamped to the end) in a UTF-8 text.
size_t byteOffset(const std::string& s, int index) {
    if (index <= 0) return 0;
    int n = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (n == index) return i;
            ++n;
        }
    }
    return s.size();
}

// The first `count` characters of a UTF-8 text.
std::string firstChars(const std::string& s, int count) { return s.substr(0, byteOffset(s, count)); }

std::string encodeUtf8(int code) { return utf8Character(static_cast<unsigned>(code)); }

char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithNoCase(const std::string& s, const std::string& prefix) {
    if (prefix.size() > s.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (foldAscii(s[i]) != foldAscii(prefix[i])) return false;
    return true;
}

// A key that is typed as a character: printable, not a control code.
bool isTypedCharacter(int keyAscii) { return keyAscii >= 32 && keyAscii != 127 && keyAscii < 0x110000; }

// A single-line box keeps a pasted text up to its first line break.
std::string firstLine(const std::string& s) {
    const auto end = s.find_first_of("\r\n");
    return end == std::string::npos ? s : s.substr(0, end);
}

}  // namespace

RunTimeError invalidPropertyValue() { return {380, "Invalid property value"}; }
RunTimeError invalidPropertyArrayIndex() { return {381, "Invalid property array index"}; }

namespace {

// The entries of a combo box or list box, with the index of the selected
// entry (-1 = none) following them as entries are inserted and removed.

void checkEntryIndex(const std::vector<ListEntry>& entries, int index) {
    if (index < 0 || index >= static_cast<int>(entries.size())) throw invalidPropertyArrayIndex();
}

ListEntry& entryAt(std::vector<ListEntry>& entries, int index) {
    checkEntryIndex(entries, index);
    return entries[static_cast<size_t>(index)];
}

const ListEntry& entryAt(const std::vector<ListEntry>& entries, int index) {
    checkEntryIndex(entries, index);
    return entries[static_cast<size_t>(index)];
}

// Inserts before `index` (0..count); returns it.
int insertEntry(std::vector<ListEntry>& entries, int& selected, int index, std::string text, std::int32_t itemData) {
    if (index < 0 || index > static_cast<int>(entries.size())) throw RunTimeError::invalidCall();
    entries.insert(entries.begin() + index, ListEntry{std::move(text), itemData});
    if (selected >= index) ++selected;
    return index;
}

// Removes the entry; true when it was the selected one (none is selected then).
bool eraseEntry(std::vector<ListEntry>& entries, int& selected, int index) {
    checkEntryIndex(entries, index);
    entries.erase(entries.begin() + index);
    if (selected == index) {
        selected = -1;
        return true;
    }
    if (selected > index) --selected;
    return false;
}

}  // namespace

// ---------------------------------------------------------------- EditableText

int EditableText::length() const { return textLength(text_); }

std::string EditableText::selText() const {
    const size_t a = byteOffset(text_, selStart_);
    const size_t b = byteOffset(text_, selStart_ + selLength_);
    return text_.substr(a, b - a);
}

void EditableText::setSelStart(int start) {
    selStart_ = std::clamp(start, 0, length());
    selLength_ = std::min(selLength_, length() - selStart_);
}

void EditableText::setSelLength(int n) { selLength_ = std::clamp(n, 0, length() - selStart_); }

bool EditableText::assign(std::string text) {
    selStart_ = selLength_ = 0;
    ++assignments_;
    if (text == text_) return false;
    text_ = std::move(text);
    return true;
}

bool EditableText::deleteSelection() {
    if (selLength_ == 0) return false;
    const size_t a = byteOffset(text_, selStart_);
    const size_t b = byteOffset(text_, selStart_ + selLength_);
    text_.erase(a, b - a);
    selLength_ = 0;
    return true;
}

bool EditableText::insert(const std::string& s, int maxChars) {
    std::string piece = s;
    if (maxChars > 0) {
        const int room = maxChars - (length() - selLength_);
        if (room <= 0) return false;  // a full box refuses the key, selection and all
        piece = firstChars(piece, room);
    }
    const bool removed = deleteSelection();
    if (piece.empty()) return removed;
    text_.insert(byteOffset(text_, selStart_), piece);
    selStart_ += textLength(piece);
    return true;
}

bool EditableText::backspace() {
    if (deleteSelection()) return true;
    if (selStart_ == 0) return false;
    const size_t a = byteOffset(text_, selStart_ - 1);
    const size_t b = byteOffset(text_, selStart_);
    text_.erase(a, b - a);
    --selStart_;
    return true;
}

bool EditableText::deleteForward() {
    if (deleteSelection()) return true;
    if (selStart_ >= length()) return false;
    const size_t a = byteOffset(text_, selStart_);
    const size_t b = byteOffset(text_, selStart_ + 1);
    text_.erase(a, b - a);
    return true;
}

// --------------------------------------------------------------------- TextBox

TextBox::TextBox(std::string name, std::string designedText, int maxLength)
    : Control(std::move(name)), designedText_(std::move(designedText)), maxLength_(std::max(0, maxLength)),
      designedMaxLength_(maxLength_) {
    edit_.assign(maxLength_ > 0 ? firstChars(designedText_, maxLength_) : designedText_);
}

void TextBox::textChanged() {
    changed();
    if (onChange) onChange();
}

void TextBox::setText(std::string text) {
    if (maxLength_ > 0) text = firstChars(text, maxLength_);
    if (edit_.assign(std::move(text)))
        textChanged();
    else
        changed();  // the caret moved
}

void TextBox::setMaxLength(int n) {
    if (n < 0) throw invalidPropertyValue();
    maxLength_ = n;
}

void TextBox::pressKey(int keyAscii) {
    if (onKeyPress) onKeyPress(keyAscii);
    if (keyAscii == 0 || locked_) return;
    bool edited = false;
    if (keyAscii == key::Backspace) {
        edited = edit_.backspace();
    } else if (keyAscii == key::Enter) {
        if (multiLine_) edited = edit_.insert("\r\n", maxLength_);
    } else if (isTypedCharacter(keyAscii)) {
        edited = edit_.insert(encodeUtf8(keyAscii), maxLength_);
    }
    if (edited) textChanged();
}

void TextBox::paste(const std::string& clipboard) {
    int k = key::CtrlV;
    if (onKeyPress) onKeyPress(k);
    if (k == 0 || locked_) return;
    if (edit_.insert(multiLine_ ? clipboard : firstLine(clipboard), maxLength_)) textChanged();
}

std::string TextBox::cut() {
    int k = key::CtrlX;
    if (onKeyPress) onKeyPress(k);
    if (k == 0 || locked_) return {};
    std::string removed = edit_.selText();
    if (edit_.deleteSelection()) textChanged();
    return removed;
}

void TextBox::pressDelete() {
    if (locked_) return;
    if (edit_.deleteForward()) textChanged();
}

void TextBox::reset() {
    maxLength_ = designedMaxLength_;
    locked_ = false;
    edit_.assign(maxLength_ > 0 ? firstChars(designedText_, maxLength_) : designedText_);
    setVisible(true);
    setEnabled(true);
    changed();
}

// -------------------------------------------------------------------- ComboBox

ComboBox::ComboBox(std::string name, ComboStyle style) : Control(std::move(name)), style_(style) {}

int ComboBox::addItem(std::string text, std::int32_t itemData) {
    return addItemAt(listCount(), std::move(text), itemData);
}

int ComboBox::addItemAt(int index, std::string text, std::int32_t itemData) {
    insertEntry(entries_, listIndex_, index, std::move(text), itemData);
    changed();
    return index;
}

void ComboBox::removeItem(int index) {
    if (eraseEntry(entries_, listIndex_, index) && !editable()) edit_.assign({});
    changed();
}

void ComboBox::clear() {
    entries_.clear();
    listIndex_ = -1;
    edit_.assign({});
    changed();
}

const std::string& ComboBox::list(int index) const { return entryAt(entries_, index).text; }

std::int32_t ComboBox::itemData(int index) const { return entryAt(entries_, index).itemData; }

void ComboBox::setItemData(int index, std::int32_t data) { entryAt(entries_, index).itemData = data; }

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= listCount()) throw invalidPropertyValue();
    listIndex_ = index;
    edit_.assign(index < 0 ? std::string{} : entries_[static_cast<size_t>(index)].text);
    changed();
    if (index >= 0 && onClick) onClick();
}

void ComboBox::setText(std::string text) {
    if (!editable()) {
        if (text.empty()) {
            setListIndex(-1);
            return;
        }
        for (int i = 0; i < listCount(); ++i)
            if (entries_[static_cast<size_t>(i)].text == text) {
                setListIndex(i);
                return;
            }
        throw RunTimeError(383, "'Text' property is read-only");
    }
    listIndex_ = -1;
    const bool differs = edit_.assign(std::move(text));
    changed();
    if (differs && onChange) onChange();
}

int ComboBox::findPrefix(const std::string& prefix) const {
    for (int i = 0; i < listCount(); ++i)
        if (startsWithNoCase(entries_[static_cast<size_t>(i)].text, prefix)) return i;
    return -1;
}

void ComboBox::pressKey(int keyAscii) {
    if (onKeyPress) onKeyPress(keyAscii);
    if (keyAscii == 0) return;
    if (!editable()) {
        // A drop-down list jumps to the next entry that begins with the character.
        if (!isTypedCharacter(keyAscii) || entries_.empty()) return;
        const std::string ch = encodeUtf8(keyAscii);
        const int n = listCount();
        for (int step = 1; step <= n; ++step) {
            const int i = (listIndex_ + step + n) % n;
            if (startsWithNoCase(entries_[static_cast<size_t>(i)].text, ch)) {
                setListIndex(i);
                return;
            }
        }
        return;
    }
    bool edited = false;
    if (keyAscii == key::Backspace)
        edited = edit_.backspace();
    else if (isTypedCharacter(keyAscii))
        edited = edit_.insert(encodeUtf8(keyAscii));
    if (!edited) return;
    listIndex_ = -1;  // typed text is no choice of an entry
    changed();
    if (onChange) onChange();
}

void ComboBox::paste(const std::string& clipboard) {
    int k = key::CtrlV;
    if (onKeyPress) onKeyPress(k);
    if (k == 0 || !editable()) return;
    if (!edit_.insert(firstLine(clipboard))) return;
    listIndex_ = -1;
    changed();
    if (onChange) onChange();
}

void ComboBox::pressDelete() {
    if (!editable()) return;
    // A box whose key-press handler refuses Backspace keeps its text as it
    // stands (a type-ahead box holds only its entries): Delete is refused too.
    if (onKeyPress) {
        int backspace = key::Backspace;
        onKeyPress(backspace);
        if (backspace == 0) return;
    }
    if (!edit_.deleteForward()) return;
    listIndex_ = -1;
    changed();
    if (onChange) onChange();
}

void ComboBox::reset() {
    entries_.clear();
    listIndex_ = -1;
    edit_.assign({});
    setVisible(true);
    setEnabled(true);
    changed();
}

// --------------------------------------------------------------------- ListBox

ListBox::ListBox(std::string name) : Control(std::move(name)) {}

int ListBox::addItem(std::string text, std::int32_t itemData) {
    return addItemAt(listCount(), std::move(text), itemData);
}

int ListBox::addItemAt(int index, std::string text, std::int32_t itemData) {
    insertEntry(entries_, listIndex_, index, std::move(text), itemData);
    changed();
    return index;
}

void ListBox::removeItem(int index) {
    eraseEntry(entries_, listIndex_, index);
    changed();
}

void ListBox::clear() {
    entries_.clear();
    listIndex_ = -1;
    changed();
}

const std::string& ListBox::list(int index) const { return entryAt(entries_, index).text; }

std::int32_t ListBox::itemData(int index) const { return entryAt(entries_, index).itemData; }

void ListBox::setItemData(int index, std::int32_t data) { entryAt(entries_, index).itemData = data; }

void ListBox::setListIndex(int index) {
    if (index < -1 || index >= listCount()) throw invalidPropertyValue();
    if (index == listIndex_) return;
    listIndex_ = index;
    changed();
    if (onClick) onClick();
}

bool ListBox::selected(int index) const {
    checkEntryIndex(entries_, index);
    return index == listIndex_;
}

void ListBox::setSelected(int index, bool on) {
    checkEntryIndex(entries_, index);
    if (on)
        setListIndex(index);
    else if (index == listIndex_)
        setListIndex(-1);
}

std::string ListBox::text() const { return listIndex_ < 0 ? std::string{} : entries_[static_cast<size_t>(listIndex_)].text; }

void ListBox::reset() {
    entries_.clear();
    listIndex_ = -1;
    setVisible(true);
    setEnabled(true);
    changed();
}

// ------------------------------------------------------------- Option buttons

namespace detail {
struct OptionGroupState {
    std::vector<OptionButton*> buttons;
    void chooseOnly(OptionButton* chosen) {
        for (OptionButton* b : buttons)
            if (b != chosen) b->setValueQuietly(false);
    }
};
}  // namespace detail

OptionGroup::OptionGroup() : state_(std::make_shared<detail::OptionGroupState>()) {}

std::string OptionGroup::chosen() const {
    for (const OptionButton* b : state_->buttons)
        if (b->value()) return b->name();
    return {};
}

const std::vector<OptionButton*>& OptionButton::groupButtons() const { return group_->buttons; }

OptionButton::OptionButton(std::string name, std::string caption, OptionGroup& group, bool designedValue)
    : Control(std::move(name)), caption_(std::move(caption)), group_(group.state_), designed_(designedValue) {
    group_->buttons.push_back(this);
    if (designedValue) {
        group_->chooseOnly(this);
        value_ = true;
    }
}

OptionButton::~OptionButton() {
    auto& v = group_->buttons;
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
}

void OptionButton::setValue(bool v) {
    if (!v || value_) {
        setValueQuietly(v);
        return;
    }
    group_->chooseOnly(this);
    setValueQuietly(true);
    if (onClick) onClick();
}

void OptionButton::reset() {
    if (designed_)
        group_->chooseOnly(this);
    setValueQuietly(designed_);
    setVisible(true);
    setEnabled(true);
}

// ------------------------------------------------------------------- CheckBox

CheckBox::CheckBox(std::string name, std::string caption, CheckValue designed)
    : Control(std::move(name)), caption_(std::move(caption)), designed_(designed), value_(designed) {}

void CheckBox::setValue(CheckValue v) {
    if (v == value_) return;
    value_ = v;
    changed();
    if (onClick) onClick();
}

void CheckBox::reset() {
    value_ = designed_;
    setVisible(true);
    setEnabled(true);
    changed();
}

// ----------------------------------------------------------------------- Tree

Tree::Tree(std::string name) : Control(std::move(name)) {}

int Tree::indexOf(const std::string& key) const {
    if (key.empty()) return 0;
    for (size_t i = 0; i < nodes_.size(); ++i)
        if (nodes_[i].key == key) return static_cast<int>(i) + 1;
    return 0;
}

int Tree::add(const std::string& parentKey, std::string key, std::string text) {
    if (!parentKey.empty() && indexOf(parentKey) == 0) throw RunTimeError::subscriptOutOfRange();
    if (!key.empty() && indexOf(key) != 0) throw RunTimeError(35602, "Key is not unique in collection");
    TreeNode n;
    n.key = std::move(key);
    n.text = std::move(text);
    n.parentKey = parentKey;
    nodes_.push_back(std::move(n));
    changed();
    return nodeCount();
}

void Tree::clear() {
    nodes_.clear();
    selected_ = 0;
    changed();
}

TreeNode& Tree::nodeRef(int index) {
    if (index < 1 || index > nodeCount()) throw RunTimeError::subscriptOutOfRange();
    return nodes_[static_cast<size_t>(index - 1)];
}

const TreeNode& Tree::node(int index) const {
    if (index < 1 || index > nodeCount()) throw RunTimeError::subscriptOutOfRange();
    return nodes_[static_cast<size_t>(index - 1)];
}

const TreeNode& Tree::node(const std::string& key) const {
    const int i = indexOf(key);
    if (i == 0) throw RunTimeError::subscriptOutOfRange();
    return nodes_[static_cast<size_t>(i - 1)];
}

void Tree::setNodeForeColor(int index, unsigned rgb) { nodeRef(index).foreColor = rgb; changed(); }
void Tree::setNodeBackColor(int index, unsigned rgb) { nodeRef(index).backColor = rgb; changed(); }
void Tree::setNodeBold(int index, bool bold) { nodeRef(index).bold = bold; changed(); }
void Tree::setNodeExpanded(int index, bool expanded) { nodeRef(index).expanded = expanded; changed(); }
void Tree::setNodeText(int index, std::string text) { nodeRef(index).text = std::move(text); changed(); }

void Tree::setSelectedIndex(int index) {
    if (index != 0) nodeRef(index);  // range check
    selected_ = index;
    changed();
}

void Tree::clickNode(int index) {
    setSelectedIndex(index);
    if (onNodeClick) onNodeClick(index);
    if (onClick) onClick();
}

void Tree::reset() {
    nodes_.clear();
    selected_ = 0;
    backColor_ = TreeNode::kDefaultColor;
    lineStyle_ = 0;
    setVisible(true);
    setEnabled(true);
    changed();
}

// ------------------------------------------------------------------- TabStrip

TabStrip::TabStrip(std::string name, std::vector<std::string> captions)
    : Control(std::move(name)), captions_(std::move(captions)) {
    if (captions_.empty()) selected_ = 0;
}

const std::string& TabStrip::caption(int index) const {
    if (index < 1 || index > tabCount()) throw RunTimeError::subscriptOutOfRange();
    return captions_[static_cast<size_t>(index - 1)];
}

void TabStrip::setSelectedIndex(int index) {
    if (index < 1 || index > tabCount()) throw RunTimeError::subscriptOutOfRange();
    if (index == selected_) return;
    selected_ = index;
    changed();
    if (onClick) onClick();
}

void TabStrip::clickTab(int index) {
    if (index < 1 || index > tabCount()) throw RunTimeError::subscriptOutOfRange();
    selected_ = index;
    changed();
    if (onClick) onClick();
}

void TabStrip::reset() {
    selected_ = captions_.empty() ? 0 : 1;
    setVisible(true);
    setEnabled(true);
    changed();
}

}  // namespace jd
