#pragma once
// Whether a window manager runs on the display: one that follows the desktop
// conventions marks the root window with the window it keeps for the check
// (`_NET_SUPPORTING_WM_CHECK`). Only an X display has one; elsewhere, as on
// the offscreen platform, there is none.
namespace jd::qt {

bool windowManagerRuns();

}  // namespace jd::qt
