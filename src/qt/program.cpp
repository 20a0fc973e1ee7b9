#include "qt/program.h"

#include <QApplication>

#include "qt/converter_windows.h"
#include "qt/main_frame.h"
#include "qt/open_chart_window.h"
#include "qt/personal_details_window.h"
#include "qt/place_windows.h"
#include "qt/preferences_window.h"
#include "qt/print_window.h"
#include "qt/retrive_birth_data_window.h"
#include "qt/save_chart_window.h"
#include "qt/result_views.h"
#include "qt/shell_views.h"
#include "state/shared_records.h"
#include "ui/chart/result_windows.h"
#include "ui/chart/frm_open_chart.h"
#include "ui/chart/frm_print.h"
#include "ui/chart/frm_retrive_birth_data.h"
#include "ui/chart/frm_save_chart.h"
#include "ui/places/place_masters.h"
#include "ui/shell/about_us.h"
#include "ui/shell/frm_details.h"
#include "ui/shell/frm_preferences.h"
#include "ui/shell/main_horoscope.h"
#include "ui/shell/mdi_quill.h"

namespace jd::qt {

void defineProgramWindows(WindowRegistry& windows) {
    windows.define<MDIQuill>();
    windows.define<frm_MainHoroscope>();
    windows.define<frm_AboutUs>();
    defineResultWindows(windows);
    windows.define<frm_OpenChart>();
    windows.define<Frm_Print>();
    windows.define<Frm_RetriveBirthData>();
    windows.define<Frm_SaveChart>();
    windows.define<frm_Preferences>();
    windows.define<frm_Details>();
    defineConverterWindows(windows);
    definePlaceMasters(windows);
}

void addProgramViews(ViewFactory& views) {
    addShellViews(views);
    addResultViews(views);
    addPrintWindowView(views);
    addOpenChartView(views);
    addRetriveBirthDataView(views);
    addSaveChartView(views);
    addPreferencesView(views);
    addPersonalDetailsView(views);
    addConverterViews(views);
    addPlaceMasterViews(views);
}

void startProgram(WindowRegistry& windows, const ViewFactory& views, MainFrame& frame, const QString& appFolder) {
    state().services = windows.services();
    state().gWindows = &windows;
    state().gAppPath = appFolder.toStdString();
    QApplication::setWindowIcon(programIcon());
    // The main window's unload (Exit, or the frame closed) ends the program
    // at once: the event loop stops, whatever windows are still open, and no
    // window takes another event. (Asking the application to quit would ask
    // each window to close first, and a window of its own still on the
    // screen, which the frame's unload leaves open, would keep it running.)
    QObject::connect(&frame, &MainFrame::programEnded, qApp, [] { QCoreApplication::exit(0); });
    frame.attach(windows, views);
    frame.fitToScreen();
    frame.show();
    // The frame takes the keys by itself: no window manager may give them.
    frame.activateWindow();
    windows.get<MDIQuill>();
}

}  // namespace jd::qt
