#pragma once
// The one QApplication of the Qt tests (the platform is "offscreen"). It lives
// from before the first test to after the last, and is gone before the
// program's own exit, where Qt no longer takes down an application cleanly.
#include <QApplication>

namespace jd::qt::testing {

QApplication& app();

}  // namespace jd::qt::testing
