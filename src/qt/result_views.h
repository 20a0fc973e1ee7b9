#pragma once
// The views of the nine result windows: the title, the window's labels,
// grids or chart picture, and the two advertisement panes with their
// "^ Maximize" buttons.
#include "qt/view_factory.h"

namespace jd::qt {

void addResultViews(ViewFactory& views);

}  // namespace jd::qt
