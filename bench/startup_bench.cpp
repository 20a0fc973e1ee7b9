// Start-up of the program without a screen: the database opened beside the
// program, the preferences read, the sample chart cast into the nine result
// windows, the navigator and the birth details shown.
#include <benchmark/benchmark.h>

#include "platform/fake_services.h"
#include "platform/window.h"
#include "state/result_windows.h"
#include "state/shared_records.h"
#include "ui/chart/frm_open_chart.h"
#include "ui/chart/frm_print.h"
#include "ui/chart/result_windows.h"
#include "ui/shell/about_us.h"
#include "ui/shell/main_horoscope.h"
#include "ui/shell/mdi_quill.h"

namespace {

void BM_StartUpWithTheSampleChart(benchmark::State& st) {
    for (auto _ : st) {
        jd::resetState();
        jd::resultWindows().resetAll();
        jd::FakeServices fakes;
        jd::WindowRegistry windows(fakes.services());
        jd::state().services = fakes.services();
        jd::state().gWindows = &windows;
        jd::state().gAppPath = std::string(JD_BINARY_DIR) + "/bin";
        jd::defineResultWindows(windows);
        windows.define<jd::frm_OpenChart>();
        windows.define<jd::Frm_Print>();
        windows.define<jd::frm_MainHoroscope>();
        windows.define<jd::frm_AboutUs>();
        jd::MDIQuill& main = windows.get<jd::MDIQuill>();
        benchmark::DoNotOptimize(&main);
        if (!fakes.messageBox.shown().empty()) st.SkipWithError(fakes.messageBox.texts().front().c_str());
        jd::state().gWindows = nullptr;
    }
    jd::resetState();
    jd::resultWindows().resetAll();
}
BENCHMARK(BM_StartUpWithTheSampleChart)->Unit(benchmark::kMillisecond);

}  // namespace
