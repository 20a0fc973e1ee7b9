#include "ui/shell/menu_command.h"

namespace jd {

MenuCommand::MenuCommand(std::string name, std::string caption, bool designedEnabled)
    : Control(std::move(name)), caption_(std::move(caption)) {
    setEnabled(designedEnabled);
}

MenuCommand MenuCommand::separator(std::string name) {
    MenuCommand m(std::move(name), "-");
    m.separator_ = true;
    return m;
}

void MenuCommand::click() {
    if (!enabled() || separator_ || hasSubmenu() || !onClick) return;
    onClick();
}

}  // namespace jd
