#pragma once
// The views of the navigator and of the about box.
#include <QIcon>

#include "qt/view_factory.h"

namespace jd::qt {

void addShellViews(ViewFactory& views);

// The program's icon: a small South Indian square.
QIcon programIcon();

}  // namespace jd::qt
