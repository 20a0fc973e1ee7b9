#pragma once
// A command of the main window's menu bar: a caption with its access key
// ("&Tools"), enabling, and either a click handler or a submenu of further
// commands. Separators are commands of their own that do nothing.
#include <functional>
#include <string>
#include <vector>

#include "platform/controls.h"

namespace jd {

class MenuCommand : public Control {
public:
    MenuCommand(std::string name, std::string caption, bool designedEnabled = true);

    // A plain line between the commands of a submenu.
    static MenuCommand separator(std::string name);

    const std::string& caption() const { return caption_; }
    bool isSeparator() const { return separator_; }

    // The submenu, in order (commands are owned by the window).
    void add(MenuCommand& item) { items_.push_back(&item); }
    const std::vector<MenuCommand*>& items() const { return items_; }
    bool hasSubmenu() const { return !items_.empty(); }

    // The user chooses the command. A disabled command, a separator or a
    // command that opens a submenu runs nothing.
    void click();

    std::function<void()> onClick;

private:
    std::string caption_;
    bool separator_ = false;
    std::vector<MenuCommand*> items_;
};

}  // namespace jd
