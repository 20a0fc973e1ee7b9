#pragma once
// Which Qt view shows which window of the program. The frame asks for a view
// when a window loads; a window without a view has no picture on the screen
// (its behaviour runs all the same).
#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "platform/window.h"

namespace jd::qt {

enum class ViewDecoration {
    Titled,     // a child window with a title bar showing the caption
    Frameless,  // a child window without border or title bar
    Separate,   // a window of its own, owned by the frame (for top-level windows)
    Lasting,    // a child window with only a title bar (no buttons, no system
                // menu): only the program closes it
};

// Where the keyboard focus goes when the window of a view, or what the user
// does in it, brings another child window to the front.
enum class ViewFocus {
    ToFront,  // to the window brought to the front, as any activation does
    Kept,     // it stays in the view; the other window comes over it
};

class ViewFactory {
public:
    // Builds the widget that shows a window; the frame owns it.
    using Maker = std::function<QWidget*(Window&)>;

    void add(const std::string& windowName, Maker maker, ViewDecoration decoration = ViewDecoration::Titled,
             ViewFocus focus = ViewFocus::ToFront) {
        entries_[windowName] = Entry{std::move(maker), decoration, focus};
    }

    struct Entry {
        Maker maker;
        ViewDecoration decoration = ViewDecoration::Titled;
        ViewFocus focus = ViewFocus::ToFront;
    };
    const Entry* find(const std::string& windowName) const {
        const auto it = entries_.find(windowName);
        return it == entries_.end() ? nullptr : &it->second;
    }

private:
    std::map<std::string, Entry> entries_;
};

}  // namespace jd::qt
