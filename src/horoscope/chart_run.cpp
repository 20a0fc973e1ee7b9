#include "horoscope/chart_run.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "calendar/calendar_errors.h"
#include "horoscope/ashtakavarga_frame.h"
#include "horoscope/birth_texts.h"
#include "horoscope/body_positions.h"
#include "horoscope/chart_cells.h"
#include "horoscope/chart_host.h"
#include "horoscope/dasa.h"
#include "horoscope/error_boxes.h"
#include "horoscope/houses.h"
#include "horoscope/name_tables.h"
#include "horoscope/planet_table.h"
#include "horoscope/vargas.h"
#include "platform/run_time_error.h"
#include "platform/window.h"
#include "state/result_windows.h"
#include "state/shared_records.h"

namespace jd {

namespace {

// The window brought forward for each name the navigator records.
const std::pair<const char*, const char*> kFrontWindows[] = {
    {"Details", "frm_UserDetails"},
    {"Print", kPrintWindowName},
    {"Dasa", "Frm_Dasa"},
    {"AVargas", "Frm_AVargas"},
    {"Vargas", "Frm_Vargas"},
    {"Planet Positions", "Frm_PP"},
    {"Bhava Features", "frm_CBhava"},
    {"Bhava", "frm_BhavaChart"},
    {"Navamsa", "frm_Navamsa"},
    {"Rasi", "frm_rasi"},
};

void showWaitPanel() {
    const ChartHostWindow main = findChartHost();
    if (!main.host) return;
    WaitPanel& panel = main.host->waitPanel();
    panel.PicMask.setVisible(true);
    panel.PicIn.setWidth(0);
    main.window->setWindowState(WindowState::Maximized);
    if (const Screen* screen = state().services.screen) panel.PicMask.setHeight(screen->height());
    panel.Frame1.setTop((panel.PicMask.height() - panel.Frame1.height()) / 2 - 300);
    main.host->repaintWaitPanel();
}

// The panel goes away even when it cannot be painted once more.
void hideWaitPanel() {
    const ChartHostWindow main = findChartHost();
    if (!main.host) return;
    WaitPanel& panel = main.host->waitPanel();
    panel.PicMask.setHeight(0);
    try {
        main.host->repaintWaitPanel();
    } catch (...) {
        panel.PicMask.setVisible(false);
        throw;
    }
    panel.PicMask.setVisible(false);
}

// Holds the run: raised on entry; lowered on every way out, and the panel
// hidden even when the run is left by an error that is not the run time's.
// A database failure ends the run however late it is met, and is told once.
class RunScope {
public:
    RunScope() { state().gCastInProgress = true; }
    ~RunScope() {
        if (!panelHidden_) {
            try {
                hideWaitPanel();
            } catch (...) {
                // Leaving by a fault already; the panel is taken down as far as it goes.
            }
        }
        state().gCastInProgress = false;
    }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

    // A run that never showed the panel leaves it alone.
    void keepPanel() { panelHidden_ = true; }

    // The last stage of the run, whatever happened before it.
    void hidePanel() {
        panelHidden_ = true;
        try {
            try {
                hideWaitPanel();
            } catch (const RunTimeError& e) {
                FnShowPlainError(e);
            }
        } catch (const CastDatabaseFailure& failure) {
            endOnDatabaseFailure(failure);
        }
    }

    // The database cannot be read: every later stage would fail on it again.
    // What the run had written is cleared, so no half chart can be shown,
    // and the failure shows in one box.
    void endOnDatabaseFailure(const CastDatabaseFailure& failure) {
        state().gComputing = false;
        try {
            FnUnloadChartWindows();
        } catch (const CastDatabaseFailure&) {
            // The same file failing again; the box below tells of it.
        }
        if (std::exchange(databaseFailureShown_, true)) return;
        if (MessageBox* box = state().services.messageBox)
            box->show(failure.error.description(), MsgIcon::Critical, MsgButtons::OK, std::nullopt);
    }

private:
    bool panelHidden_ = false;
    bool databaseFailureShown_ = false;
};

// Runs one called stage. Every stage traps its own errors; one that still
// lets an error through is reported the same way, and the run goes on.
template <class F>
void stage(F&& f) {
    try {
        f();
    } catch (const RunTimeError& e) {
        FnShowPlainError(e);
    }
}

// Lowers gComputing whenever the finishing stage returns.
struct ComputingScope {
    ComputingScope() { state().gComputing = true; }
    ~ComputingScope() { state().gComputing = false; }
    ComputingScope(const ComputingScope&) = delete;
    ComputingScope& operator=(const ComputingScope&) = delete;
};

}  // namespace

bool FnChartRunInProgress() { return state().gCastInProgress; }

bool FnCastHoroscope(const std::function<void()>& writeRecords) {
    if (FnChartRunInProgress()) return false;
    RunScope scope;
    if (writeRecords) writeRecords();
    // Birth details that name no moment (a start-up that could not read the
    // saved chart leaves them empty) would fail in every stage: they fail
    // here once, as start-up's reading of them does, and no window changes.
    if (!FnIsBirthMoment(state().birth)) {
        scope.keepPanel();
        if (MessageBox* box = state().services.messageBox)
            box->show(RunTimeError::typeMismatch().description(), MsgIcon::Critical);
        return true;
    }
    // The generic error box raises a database failure in its turn: the
    // outer handler takes it from there too.
    try {
        try {
            showWaitPanel();
            stage(FnUnloadChartWindows);
            FnProgressStep();
            stage([] { FnCalcBodyPositions(30); });
            FnProgressStep();
            stage(FnLoadNameTables);
            FnProgressStep();
            if (FnDrawChart(ChartDivision::Rasi)) FnProgressStep();
            stage(FnFillPanchangaText);
            FnProgressStep();
            stage(FnFillAshtakavargaGrid);
            FnProgressStep();
            stage([] { FnCalcBodyPositions(kNavamsaSpan); });
            FnProgressStep();
            stage(FnLoadNameTables);
            FnProgressStep();
            if (FnDrawChart(ChartDivision::Navamsa)) FnProgressStep();
            stage(FnComputeBhavaTable);
            FnProgressStep();
            stage(FnFillPlanetTable);
            FnProgressStep();
            stage(FnFinishChartRun);
            FnProgressStep();
            stage(FnFillVargasTable);
            FnProgressStep();
            stage(FnComputeVimshottariDasa);
            FnProgressStep();
            stage(FnShowChartWindows);
            FnProgressStep();
        } catch (const RunTimeError& e) {
            FnShowPlainError(e);
        }
    } catch (const CastDatabaseFailure& failure) {
        scope.endOnDatabaseFailure(failure);
    }
    scope.hidePanel();
    return true;
}

void FnFinishChartRun() {
    ComputingScope computing;
    try {
        SharedState& s = state();
        s.gBirthDateTime = FnBirthMomentFromDetails();
        s.positions.gBirthDateTime = s.gBirthDateTime;
        FnFillPlanetTable();
        s.gComputing = false;
        FnLoadNameTables();
        // Referring to the birth-details window creates it (hidden) when it
        // does not exist yet, as after start-up.
        if (WindowRegistry* windows = s.gWindows) windows->get(kBirthDetailsWindowName).hide();
    } catch (const RunTimeError& e) {
        FnShowPlainError(e);
    }
}

void FnUnloadChartWindows() {
    try {
        WindowRegistry* windows = state().gWindows;
        if (!windows) {
            for (const char* name : kResultWindowNames) resultWindows().reset(name);
            return;
        }
        for (const char* name : kResultWindowNames) windows->get(name).hide();
        for (const char* name : kResultWindowNames) windows->unload(name);
    } catch (const RunTimeError& e) {
        FnShowPlainError(e);
    }
}

void FnShowChartWindows() {
    try {
        WindowRegistry* windows = state().gWindows;
        if (!windows) return;
        for (const char* name : kResultWindowNames) windows->get(name).show();
        const std::string& chosen = state().gActiveWindowName;
        if (chosen.empty()) windows->bringToFront("frm_UserDetails");
        for (const auto& [recorded, window] : kFrontWindows)
            if (chosen == recorded) windows->bringToFront(window);
    } catch (const RunTimeError& e) {
        FnShowPlainError(e);
    }
}

void FnProgressStep() {
    try {
        const ChartHostWindow main = findChartHost();
        if (!main.host) return;
        WaitPanel& panel = main.host->waitPanel();
        const double full = panel.PicOut.width();
        const float step = static_cast<float>(full) / 14;
        // The bar grows in whole twips, so the fourteenth step fills it; the
        // fifteenth finds it full.
        const double target = std::min(std::ceil(panel.PicIn.width() + step), full);
        if (panel.PicIn.width() < target) panel.PicIn.setWidth(target);
        main.host->repaintWaitPanel();
    } catch (const RunTimeError& e) {
        FnShowPlainError(e);
    }
}

}  // namespace jd
