// Takes the pictures of the documentation on the offscreen platform: the
// main window after start-up with the sample chart, the rasi chart in the
// South, North and East styles, and the planetary positions. The settings
// are kept in memory, so the sample chart is cast whatever was saved on this
// machine; the database, help and advertisement pages are those beside this
// program. Prints the time from start-up to the fully shown chart.
//
//   jd_screenshots <output folder> [--all]
// With --all every result window is written as well (for looking them over).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMdiSubWindow>
#include <QPixmap>
#include <cstdio>

#include "horoscope/chart_run.h"
#include "platform/fake_services.h"
#include "qt/main_frame.h"
#include "qt/program.h"
#include "qt/qt_services.h"
#include "state/shared_records.h"

namespace {

// Lets the widgets catch up with the models (grids redraw when idle).
void settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

bool save(const QPixmap& picture, const QString& path) {
    if (picture.isNull() || !picture.save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s (%dx%d)\n", qPrintable(path), picture.width(), picture.height());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(out);

    jd::qt::QtServices qtServices;
    jd::MemorySettingsStore settings;
    jd::ScriptedMessageBox boxes;
    jd::Services services = qtServices.services();
    services.settings = &settings;
    services.messageBox = &boxes;

    jd::WindowRegistry registry(services);
    jd::qt::ViewFactory views;
    jd::qt::addProgramViews(views);
    jd::qt::defineProgramWindows(registry);
    jd::qt::MainFrame frame;

    QElapsedTimer timer;
    timer.start();
    jd::qt::startProgram(registry, views, frame, QCoreApplication::applicationDirPath());
    settle();
    const qint64 startUpMs = timer.elapsed();
    std::printf("start-up to the fully shown sample chart: %lld ms\n", static_cast<long long>(startUpMs));

    bool ok = save(frame.grab(), out + "/main_window.png");

    const char* styles[][2] = {{"South", "rasi_south.png"}, {"North", "rasi_north.png"}, {"East", "rasi_east.png"}};
    for (const auto& [style, file] : styles) {
        jd::state().prefs.gChartStyle = style;
        jd::FnCastHoroscope();
        registry.bringToFront("frm_rasi");
        settle();
        QMdiSubWindow* sub = frame.subWindowOf("frm_rasi");
        ok = sub && save(sub->grab(), out + "/" + file) && ok;
    }

    registry.bringToFront("Frm_PP");
    settle();
    QMdiSubWindow* pp = frame.subWindowOf("Frm_PP");
    ok = pp && save(pp->grab(), out + "/planet_positions.png") && ok;

    if (argc > 2 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("--all")) {
        for (const char* name : jd::kResultWindowNames) {
            registry.bringToFront(name);
            settle();
            QMdiSubWindow* sub = frame.subWindowOf(name);
            ok = sub && save(sub->grab(), out + "/" + name + ".png") && ok;
        }
    }

    for (const std::string& text : boxes.texts()) std::fprintf(stderr, "message box: %s\n", text.c_str());
    return ok && boxes.shown().empty() ? 0 : 1;
}
