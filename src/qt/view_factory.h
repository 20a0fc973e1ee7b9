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

// How a view looks; where it lies and whether the user may move or close it
// the window itself tells (Window::liesUnder and the rest).
enum class ViewDecoration {
    Titled,     // a child window with a title bar showing the caption
    Frameless,  // a child window without border or title bar
    Separate,   // a window of its own (for top-level windows), the frame's when shown with an owner
};

// A window of its own: a caption and a close button, no minimize or
// maximize, and a border the user cannot drag.
inline constexpr Qt::WindowFlags kOwnWindowFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                                   Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                   Qt::WindowCloseButtonHint;

class ViewFactory {
public:
    // Builds the widget that shows a window; the frame owns it.
    using Maker = std::function<QWidget*(Window&)>;

    void add(const std::string& windowName, Maker maker, ViewDecoration decoration = ViewDecoration::Titled) {
        entries_[windowName] = Entry{std::move(maker), decoration};
    }

    // A view of type V made for the window of type M (by its kWindowName).
    template <class M, class V>
    void add(ViewDecoration decoration) {
        add(
            M::kWindowName,
            [](Window& w) -> QWidget* {
                auto* model = dynamic_cast<M*>(&w);
                return model ? new V(*model) : nullptr;
            },
            decoration);
    }

    struct Entry {
        Maker maker;
        ViewDecoration decoration = ViewDecoration::Titled;
    };
    const Entry* find(const std::string& windowName) const {
        const auto it = entries_.find(windowName);
        return it == entries_.end() ? nullptr : &it->second;
    }

private:
    std::map<std::string, Entry> entries_;
};

}  // namespace jd::qt
