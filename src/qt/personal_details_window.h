#pragma once
// The personal-details window on the screen: a child window of the frame with
// the eight boxes and their labels and the four buttons along the bottom,
// each where the window's models put it.
#include "qt/view_factory.h"

namespace jd::qt {

// Makes the frame show frm_Details.
void addPersonalDetailsView(ViewFactory& views);

}  // namespace jd::qt
