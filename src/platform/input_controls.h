#pragma once
// Input control models: text box, combo box, list box, option buttons, check
// box, command button, frame, tree and tab strip. Each keeps the state a
// window reads and writes, and fires its events to the handlers the owning
// window sets (std::function members; an empty handler means "not handled").
//
// Keys follow the desktop convention the windows are written against: a key
// press carries the character code (KeyAscii) by reference, and a handler
// that sets it to 0 swallows the key, so it never reaches the text.
// Selecting a list entry from code fires the same click handler as the
// user's choice.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/run_time_error.h"

namespace jd {

// Character codes of the keys the windows test for.
namespace key {
inline constexpr int Backspace = 8;
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int CtrlC = 3;   // copy
inline constexpr int CtrlV = 22;  // paste
inline constexpr int CtrlX = 24;  // cut
}  // namespace key

// The errors a list control raises for a bad index, with the run time's own
// numbers and texts.
RunTimeError invalidPropertyValue();       // 380: an index outside -1 .. count-1
RunTimeError invalidPropertyArrayIndex();  // 381: List(i) / ItemData(i) outside the list

// Editing of a single text with a caret and a selection, in characters.
// Shared by the text box and the text part of an editable combo box.
class EditableText {
public:
    const std::string& text() const { return text_; }
    int length() const;
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    std::string selText() const;
    // Both are clamped to the text, as a platform edit control does.
    void setSelStart(int start);
    void setSelLength(int length);

    // Replaces the text; the caret goes to the start and nothing is selected.
    // Returns whether the text changed.
    bool assign(std::string text);
    // How often a text was put in by assign, the same text again included:
    // each is a new text, whose caret no one chose.
    unsigned assignments() const { return assignments_; }
    // Puts a text at the caret in place of the selection; with maxChars > 0
    // only as many characters as still fit are taken. Returns whether the
    // text changed.
    bool insert(const std::string& s, int maxChars = 0);
    // Backspace: deletes the selection, else the character before the caret.
    bool backspace();
    // Delete key: deletes the selection, else the character after the caret.
    bool deleteForward();
    bool deleteSelection();

private:
    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
    unsigned assignments_ = 0;
};

// A text box: text (at most maxLength characters when maxLength > 0), locked
// (read-only: keys still fire their handlers but change nothing), and the
// events key down, key press, key up, change, got and lost focus.
class TextBox : public Control {
public:
    explicit TextBox(std::string name = {}, std::string designedText = {}, int maxLength = 0);

    const std::string& text() const { return edit_.text(); }
    // Setting the text from code keeps at most maxLength characters (the rest
    // is cut off silently) and fires change when the text differs.
    void setText(std::string text);
    int maxLength() const { return maxLength_; }
    void setMaxLength(int n);
    bool locked() const { return locked_; }
    void setLocked(bool l) { if (locked_ != l) { locked_ = l; changed(); } }
    // A multi-line box takes Enter as a line break (CR LF); a single-line box
    // ignores it after the key-press handler has seen it.
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool m) { multiLine_ = m; }

    int selStart() const { return edit_.selStart(); }
    int selLength() const { return edit_.selLength(); }
    std::string selText() const { return edit_.selText(); }
    // Counts the texts written from code (see EditableText::assignments).
    unsigned textWrites() const { return edit_.assignments(); }
    void setSelStart(int s) { edit_.setSelStart(s); changed(); }
    void setSelLength(int n) { edit_.setSelLength(n); changed(); }

    // The user's input. Each fires the key-press handler first; a key it
    // swallows (sets to 0) changes nothing.
    void pressKey(int keyAscii);
    // Paste (Ctrl+V): the key-press handler sees key::CtrlV; a single-line box
    // takes the pasted text up to its first line break.
    void paste(const std::string& clipboard);
    // Cut (Ctrl+X): returns the text removed (empty when swallowed or locked).
    std::string cut();
    // The Delete key: no key press (it is no character), deletes forward.
    void pressDelete();
    // Key down / key up (key code, shift state) only fire their handlers.
    void keyDown(int keyCode, int shift = 0) { if (onKeyDown) onKeyDown(keyCode, shift); }
    void keyUp(int keyCode, int shift = 0) { if (onKeyUp) onKeyUp(keyCode, shift); }

    void reset();

    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void(int& keyCode, int shift)> onKeyDown;
    std::function<void(int& keyCode, int shift)> onKeyUp;
    std::function<void()> onChange;

private:
    void textChanged();

    EditableText edit_;
    std::string designedText_;
    int maxLength_;
    int designedMaxLength_;
    bool locked_ = false;
    bool multiLine_ = false;
};

// The three styles of a combo box: an editable text part with a drop-down
// list, an editable text part with the list always shown, or a drop-down list
// whose text is always the selected entry.
enum class ComboStyle { DropDownCombo, SimpleCombo, DropDownList };

// A list entry: its text and its 32-bit item data.
struct ListEntry {
    std::string text;
    std::int32_t itemData = 0;
};

// A combo box: entries with item data, the selected index (-1 = none) and a
// text. Selecting an entry from code fires click exactly as the user's choice
// does; setting the text selects nothing (the index becomes -1, no click);
// clearing the list empties the text and the index.
class ComboBox : public Control {
public:
    explicit ComboBox(std::string name = {}, ComboStyle style = ComboStyle::DropDownCombo);

    ComboStyle style() const { return style_; }
    bool editable() const { return style_ != ComboStyle::DropDownList; }

    // Adds at the end, or before `index` (0..count). Returns the new entry's
    // index (the platform's NewIndex).
    int addItem(std::string text, std::int32_t itemData = 0);
    int addItemAt(int index, std::string text, std::int32_t itemData = 0);
    void removeItem(int index);
    void clear();
    int listCount() const { return static_cast<int>(entries_.size()); }
    const std::string& list(int index) const;
    std::int32_t itemData(int index) const;
    void setItemData(int index, std::int32_t data);
    const std::vector<ListEntry>& entries() const { return entries_; }

    int listIndex() const { return listIndex_; }
    // An index 0..count-1 selects that entry, shows its text and fires click
    // (also when it was already selected). -1 selects nothing and empties the
    // text; it fires no click. Anything else raises "Invalid property value".
    void setListIndex(int index);

    const std::string& text() const { return edit_.text(); }
    // Selects nothing and fires change when the text differs. A drop-down
    // list takes only one of its entries' texts (that entry is selected) or
    // the empty text.
    void setText(std::string text);

    // The selection in the text part, in characters (for type-ahead).
    int selStart() const { return edit_.selStart(); }
    int selLength() const { return edit_.selLength(); }
    void setSelStart(int s) { edit_.setSelStart(s); changed(); }
    void setSelLength(int n) { edit_.setSelLength(n); changed(); }
    unsigned textWrites() const { return edit_.assignments(); }

    // The first entry that begins with `prefix`, letters compared without
    // case, from the start of the list; -1 when none does.
    int findPrefix(const std::string& prefix) const;

    // The user's input. A key press fires the handler first; a key it swallows
    // changes nothing. Otherwise an editable box types the key into its text
    // part (which selects nothing); a drop-down list selects the next entry
    // beginning with that character.
    void pressKey(int keyAscii);
    // Paste into the text part: the key-press handler sees key::CtrlV first.
    void paste(const std::string& clipboard);
    // The Delete key in the text part: no key press of its own; refused where
    // the key-press handler refuses Backspace.
    void pressDelete();
    // The user picks an entry from the list (fires click).
    void choose(int index) { setListIndex(index); }
    void keyDown(int keyCode, int shift = 0) { if (onKeyDown) onKeyDown(keyCode, shift); }
    void keyUp(int keyCode, int shift = 0) { if (onKeyUp) onKeyUp(keyCode, shift); }

    // Back to the designed state: no entries, no text.
    void reset();

    std::function<void()> onClick;
    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void(int& keyCode, int shift)> onKeyDown;
    std::function<void(int& keyCode, int shift)> onKeyUp;
    std::function<void()> onChange;

private:
    ComboStyle style_;
    std::vector<ListEntry> entries_;
    int listIndex_ = -1;
    EditableText edit_;
};

// A list box: entries with item data and one selected entry (-1 = none).
// Every change of the selection, by code or by the user, fires click.
class ListBox : public Control {
public:
    explicit ListBox(std::string name = {});

    int addItem(std::string text, std::int32_t itemData = 0);
    int addItemAt(int index, std::string text, std::int32_t itemData = 0);
    void removeItem(int index);
    // Empties the list; the selection goes with it (no click).
    void clear();
    int listCount() const { return static_cast<int>(entries_.size()); }
    const std::string& list(int index) const;
    std::int32_t itemData(int index) const;
    void setItemData(int index, std::int32_t data);
    const std::vector<ListEntry>& entries() const { return entries_; }

    int listIndex() const { return listIndex_; }
    // -1 .. count-1; fires click when the selection changes.
    void setListIndex(int index);
    // Selected(i): true selects entry i; false on the selected entry leaves
    // none selected; false on another entry changes nothing.
    bool selected(int index) const;
    void setSelected(int index, bool on);
    // The selected entry's text, or "" when none is selected.
    std::string text() const;

    void dblClick() { if (onDblClick) onDblClick(); }
    void reset();

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(int& keyAscii)> onKeyPress;

private:
    std::vector<ListEntry> entries_;
    int listIndex_ = -1;
};

namespace detail {
struct OptionGroupState;
}

// The option buttons of one container (a frame or the window itself): at most
// one of them is true at a time. A window keeps one group per container.
class OptionGroup {
public:
    OptionGroup();
    OptionGroup(const OptionGroup&) = delete;
    OptionGroup& operator=(const OptionGroup&) = delete;
    // The chosen button's name, or "" when none is chosen.
    std::string chosen() const;

private:
    friend class OptionButton;
    std::shared_ptr<detail::OptionGroupState> state_;
};

// An option button: setting its value true (by code or by the user's click)
// sets every other button of its group false and fires click on it. Setting
// it true when it already is, or false, fires nothing.
class OptionButton : public Control {
public:
    OptionButton(std::string name, std::string caption, OptionGroup& group, bool designedValue = false);
    ~OptionButton() override;
    OptionButton(const OptionButton&) = delete;
    OptionButton& operator=(const OptionButton&) = delete;

    const std::string& caption() const { return caption_; }
    void setCaption(std::string c) { if (caption_ != c) { caption_ = std::move(c); changed(); } }
    bool value() const { return value_; }
    void setValue(bool v);
    void click() { setValue(true); }
    void reset();
    // The buttons of this one's group, this one among them, in the order made.
    const std::vector<OptionButton*>& groupButtons() const;

    std::function<void()> onClick;

private:
    friend struct detail::OptionGroupState;
    void setValueQuietly(bool v) { if (value_ != v) { value_ = v; changed(); } }

    std::string caption_;
    std::shared_ptr<detail::OptionGroupState> group_;
    bool designed_;
    bool value_ = false;
};

enum class CheckValue { Unchecked = 0, Checked = 1, Grayed = 2 };

// A check box: changing its value (by code or by the user's click) fires click.
class CheckBox : public Control {
public:
    CheckBox(std::string name = {}, std::string caption = {}, CheckValue designed = CheckValue::Unchecked);
    const std::string& caption() const { return caption_; }
    CheckValue value() const { return value_; }
    bool checked() const { return value_ == CheckValue::Checked; }
    void setValue(CheckValue v);
    // The user's click toggles between checked and unchecked.
    void click() { setValue(value_ == CheckValue::Checked ? CheckValue::Unchecked : CheckValue::Checked); }
    void reset();

    std::function<void()> onClick;

private:
    std::string caption_;
    CheckValue designed_;
    CheckValue value_;
};

// A command button (also a picture button): a caption and a click.
class CommandButton : public Control {
public:
    explicit CommandButton(std::string name = {}, std::string caption = {})
        : Control(std::move(name)), caption_(std::move(caption)) {}
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c) { if (caption_ != c) { caption_ = std::move(c); changed(); } }
    // Fires the click handler (the user's click or code pressing it).
    void click() { if (onClick) onClick(); }

    std::function<void()> onClick;

private:
    std::string caption_;
};

// A frame: a caption and its visibility (it groups controls on the screen;
// the window keeps track of which controls lie in it).
class Frame : public Control {
public:
    explicit Frame(std::string name = {}, std::string caption = {}, bool designedVisible = true)
        : Control(std::move(name)), caption_(std::move(caption)), designedVisible_(designedVisible) {
        setVisible(designedVisible);
    }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c) { if (caption_ != c) { caption_ = std::move(c); changed(); } }
    void reset() { setVisible(designedVisible_); setEnabled(true); }

private:
    std::string caption_;
    bool designedVisible_;
};

// A node of a tree: key (unique in the tree, may be empty), text, the key of
// its parent ("" at the root), colours (0xRRGGBB, kDefaultColor = the
// tree's own), bold and expanded.
struct TreeNode {
    std::string key;
    std::string text;
    std::string parentKey;
    unsigned foreColor = 0x000000u;
    unsigned backColor = kDefaultColor;
    bool bold = false;
    bool expanded = false;
    static constexpr unsigned kDefaultColor = 0xFFFFFFFFu;
};

// A tree of nodes. Nodes are numbered 1..nodeCount() in the order they were
// added, as the platform numbers them; a key or number that does not exist
// raises "Subscript out of range", a key used twice "Key is not unique in
// collection".
class Tree : public Control {
public:
    explicit Tree(std::string name = {});

    // Adds a node at the root (parentKey "") or as the last child of parentKey.
    // Returns its number.
    int add(const std::string& parentKey, std::string key, std::string text);
    void clear();
    int nodeCount() const { return static_cast<int>(nodes_.size()); }
    const TreeNode& node(int index) const;
    const TreeNode& node(const std::string& key) const;
    int indexOf(const std::string& key) const;  // 0 when no node has the key

    void setNodeForeColor(int index, unsigned rgb);
    void setNodeBackColor(int index, unsigned rgb);
    void setNodeBold(int index, bool bold);
    void setNodeExpanded(int index, bool expanded);
    void setNodeText(int index, std::string text);

    unsigned backColor() const { return backColor_; }
    void setBackColor(unsigned rgb) { if (backColor_ != rgb) { backColor_ = rgb; changed(); } }
    int lineStyle() const { return lineStyle_; }
    void setLineStyle(int s) { if (lineStyle_ != s) { lineStyle_ = s; changed(); } }

    // The selected node's number, 0 when none.
    int selectedIndex() const { return selected_; }
    void setSelectedIndex(int index);

    // The user clicks a node: it becomes selected, then node click fires with
    // its number, then the tree's click.
    void clickNode(int index);
    void dblClick() { if (onDblClick) onDblClick(); }
    // The user presses a key the tree does not handle itself (Enter): key
    // press fires with its code.
    void pressKey(int keyAscii) { if (onKeyPress) onKeyPress(keyAscii); }

    void reset();

    std::function<void(int nodeIndex)> onNodeClick;
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(int& keyAscii)> onKeyPress;

private:
    TreeNode& nodeRef(int index);

    std::vector<TreeNode> nodes_;
    int selected_ = 0;
    unsigned backColor_ = TreeNode::kDefaultColor;
    int lineStyle_ = 0;
};

// A tab strip: tabs numbered 1..tabCount(), one selected. Selecting a tab from
// code fires click when the selection changes; the user's click on a tab
// fires click every time.
class TabStrip : public Control {
public:
    TabStrip(std::string name, std::vector<std::string> captions);

    int tabCount() const { return static_cast<int>(captions_.size()); }
    const std::string& caption(int index) const;
    int selectedIndex() const { return selected_; }
    void setSelectedIndex(int index);
    void clickTab(int index);
    void reset();

    std::function<void()> onClick;

private:
    std::vector<std::string> captions_;
    int selected_ = 1;
};

// A browser pane inside a window: the address it shows. The Qt front draws
// the page; here it is the address and the count of navigations.
class WebBrowser : public Control {
public:
    explicit WebBrowser(std::string name = {}) : Control(std::move(name)) {}
    const std::string& locationURL() const { return location_; }
    void navigate(std::string url) { location_ = std::move(url); ++navigations_; changed(); }
    int navigationCount() const { return navigations_; }

private:
    std::string location_;
    int navigations_ = 0;
};

}  // namespace jd
