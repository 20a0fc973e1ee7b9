#include "horoscope/chart_host.h"

#include "platform/window.h"
#include "state/shared_records.h"

namespace jd {

ChartHostWindow findChartHost() {
    WindowRegistry* windows = state().gWindows;
    if (!windows) return {};
    Window* main = windows->find(kMainWindowName);
    ChartHost* host = dynamic_cast<ChartHost*>(main);
    if (!host) return {};
    return {main, host};
}

}  // namespace jd
