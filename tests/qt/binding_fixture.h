#pragma once
// What the tests of the bound Qt widgets share: the widgets lie on one parent
// widget and belong to the birth-details window, which learns where the
// user puts the focus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "platform/window.h"
#include "qt/qt_app.h"

namespace jd::qt {

class EntryWindow : public Window {
public:
    EntryWindow() : Window("frm_OpenChart", "Enter Birth Details", WindowKind::TopLevel) {}
};

struct BindingTest : ::testing::Test {
    QApplication& app = testing::app();  // before any widget
    QWidget parent;
    EntryWindow window;
};

}  // namespace jd::qt
