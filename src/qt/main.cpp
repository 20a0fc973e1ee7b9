// Jataka Desk: the frame with the Qt services in place.
#include <QApplication>

#include "platform/window.h"
#include "qt/main_frame.h"
#include "qt/qt_services.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Jataka Desk"));
    jd::qt::QtServices services;
    jd::WindowRegistry registry(services.services());
    jd::qt::MainFrame frame;
    services.messageBox.setParent(&frame);
    services.saveDialog.setParent(&frame);
    jd::qt::releaseUnloadedWhenIdle(registry, &frame);
    frame.show();
    return app.exec();
}
