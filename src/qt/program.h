#pragma once
// The whole program as one piece: every window it has, every view that shows
// one, and the start-up that main() runs (the screenshot tool and the tests
// start it the same way).
#include <QString>

#include "platform/window.h"
#include "qt/view_factory.h"

namespace jd::qt {

class MainFrame;

// Makes every window of the program known to the registry by name.
void defineProgramWindows(WindowRegistry& windows);

// The views of every window that has one.
void addProgramViews(ViewFactory& views);

// Points the shared records at the registry, its services and the program's
// folder, attaches the frame, shows and activates it and loads the main
// window, which runs the start-up (the database, the preferences, the first
// chart). The main window's unload ends the event loop.
void startProgram(WindowRegistry& windows, const ViewFactory& views, MainFrame& frame, const QString& appFolder);

}  // namespace jd::qt
