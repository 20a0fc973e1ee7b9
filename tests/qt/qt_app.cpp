#include "qt/qt_app.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <memory>
#include <unistd.h>

namespace jd::qt::testing {

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "qt_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }
    QApplication& app() { return *app_; }

private:
    std::unique_ptr<QApplication> app_;
};

// Registered once for the whole test program; GoogleTest owns it.
QtApplicationEnvironment* const environment = static_cast<QtApplicationEnvironment*>(
    ::testing::AddGlobalTestEnvironment(std::make_unique<QtApplicationEnvironment>().release()));

}  // namespace

QApplication& app() { return environment->app(); }

void mouseClick(QWidget* w, QPointF at, Qt::MouseButton button, Qt::KeyboardModifiers mods) {
    QMouseEvent down(QEvent::MouseButtonPress, at, w->mapToGlobal(at), button, button, mods);
    QApplication::sendEvent(w, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), button, Qt::NoButton, mods);
    QApplication::sendEvent(w, &up);
}

void keyClick(QWidget* w, int qtKey, const QString& text, Qt::KeyboardModifiers mods) {
    QKeyEvent down(QEvent::KeyPress, qtKey, mods, text);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, qtKey, mods, text);
    QApplication::sendEvent(w, &up);
}

std::filesystem::path programFolder(const std::string& prefix) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() /
                            (prefix + std::to_string(::getpid()) + "_" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(std::string(JD_BINARY_DIR) + "/bin/DBTessel.db", folder / "DBTessel.db");
    return folder;
}

}  // namespace jd::qt::testing
