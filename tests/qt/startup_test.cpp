// The program's frame comes up, and unloaded windows are released once idle.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QMdiArea>
#include <QTimer>

#include "platform/window.h"
#include "qt/main_frame.h"
#include "qt/qt_app.h"
#include "qt/qt_services.h"

namespace jd::qt {
namespace {

TEST(Startup, TheFrameShowsAnEmptyMultipleDocumentArea) {
    testing::app();
    MainFrame frame;
    frame.show();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.windowTitle(), "Jataka Desk 0.1");
    auto* area = qobject_cast<QMdiArea*>(frame.centralWidget());
    ASSERT_NE(area, nullptr);
    EXPECT_TRUE(area->subWindowList().isEmpty());
}

class Tracked : public Window {
public:
    static constexpr const char* kWindowName = "frm_Details";
    Tracked() : Window(kWindowName, "Personal Details") {}
    ~Tracked() override { ++destroyed; }
    static inline int destroyed = 0;
};

TEST(Startup, UnloadedWindowsAreReleasedWhenTheEventLoopIsIdle) {
    testing::app();
    QtServices services;
    WindowRegistry registry(services.services());
    const ViewFactory views;
    MainFrame frame;
    frame.attach(registry, views);
    Tracked::destroyed = 0;
    registry.get<Tracked>();
    registry.unload<Tracked>();
    EXPECT_EQ(Tracked::destroyed, 0);  // kept while a handler might still run
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(Tracked::destroyed, 1);
}

}  // namespace
}  // namespace jd::qt
