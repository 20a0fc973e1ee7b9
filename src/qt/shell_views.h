#pragma once
// The views of the navigator and of the about box.
#include "qt/view_factory.h"

namespace jd::qt {

void addShellViews(ViewFactory& views);

}  // namespace jd::qt
