#pragma once
// The one QApplication of the Qt tests (the platform is "offscreen"). It lives
// from before the first test to after the last, and is gone before the
// program's own exit, where Qt no longer takes down an application cleanly.
#include <QApplication>
#include <filesystem>
#include <string>

namespace jd::qt::testing {

QApplication& app();

// A click of one mouse button at a point of a widget: the button goes down
// and up there, with the keyboard's modifiers held.
void mouseClick(QWidget* w, QPointF at, Qt::MouseButton button = Qt::LeftButton,
                Qt::KeyboardModifiers mods = Qt::NoModifier);

// A key pressed and released at a widget, as Qt delivers the keys to the
// widget with the focus.
void keyClick(QWidget* w, int qtKey, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier);

// A new folder for the running test, of this process alone, holding a copy
// of the built database: a program started there works on its own file.
std::filesystem::path programFolder(const std::string& prefix);

}  // namespace jd::qt::testing
