#pragma once
// Where the program's own windows lie on the screen.
class QRect;
class QWidget;

namespace jd::qt {

// Whether a window manager runs on the display: one that follows the desktop
// conventions marks the root window with the window it keeps for the check
// (`_NET_SUPPORTING_WM_CHECK`), and marks that window with itself. A mark
// whose window is gone or names another, as one that has exited may leave,
// counts as none. Only an X display has one; elsewhere, as on the offscreen
// platform, there is none.
bool windowManagerRuns();

// Makes a window, its frame included, no larger than `room` and moves it
// inside; one still larger (its least size is) starts at the room's top left
// corner, so its title bar stays in sight.
void placeWithin(QWidget& w, const QRect& room);

// Makes a window that is still shown the active one again, with the keys
// where its handlers put the focus (or where they were). The program does it
// itself: no window manager may be there to do it.
void giveBackKeys(QWidget* window);

}  // namespace jd::qt
