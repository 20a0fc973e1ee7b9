#pragma once
// The one QApplication of the Qt tests (the platform is "offscreen").
#include <QApplication>

namespace jd::qt::testing {

inline QApplication& app() {
    static int argc = 1;
    static char name[] = "qt_tests";
    static char* argv[] = {name, nullptr};
    static QApplication instance(argc, argv);
    return instance;
}

}  // namespace jd::qt::testing
