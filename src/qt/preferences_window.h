#pragma once
// The preferences window on the screen: a child window of the frame with the
// five combo boxes, the custom ayanamsa frame and the three buttons, each
// where the window's models put it.
#include "qt/view_factory.h"

namespace jd::qt {

// Makes the frame show frm_Preferences.
void addPreferencesView(ViewFactory& views);

}  // namespace jd::qt
