// Jataka Desk: the frame, the Qt services and the program's windows; loading
// the main window starts the program.
#include <QApplication>
#include <QMenuBar>

#include "platform/window.h"
#include "qt/main_frame.h"
#include "qt/program.h"
#include "qt/qt_services.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Jataka Desk"));
    jd::qt::QtServices services;
    jd::WindowRegistry registry(services.services());
    jd::qt::ViewFactory views;
    jd::qt::addProgramViews(views);
    jd::qt::defineProgramWindows(registry);

    jd::qt::MainFrame frame;
    services.messageBox.setOwner([&frame] { return frame.workingWindow(); });
    services.saveDialog.setOwner([&frame] { return frame.workingWindow(); });
    services.help.setMenuBar(frame.menuBar());
    services.browser.setMenuBar(frame.menuBar());
    services.help.setWorkingWindow([&frame] { return frame.workingWindow(); });
    services.browser.setWorkingWindow([&frame] { return frame.workingWindow(); });
    jd::qt::startProgram(registry, views, frame, QCoreApplication::applicationDirPath());
    if (registry.quitRequested()) return 0;
    return app.exec();
}
