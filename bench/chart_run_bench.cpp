// One whole cast of the sample chart without a display: no window registry
// and no wait panel, so the figure is the computation and the filling of the
// result windows' contents alone.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "horoscope/chart_run.h"
#include "platform/database.h"
#include "platform/fake_services.h"
#include "state/result_windows.h"
#include "state/shared_records.h"

namespace {

void setSampleChart() {
    jd::BirthDetails& b = jd::state().birth;
    b.gChartName = "Sample Chart";
    b.gGender = "Male";
    b.gBirthDay = "14";
    b.gBirthMonth = "Jul";
    b.gBirthYear = "1965";
    b.gBirthHour = "14";
    b.gBirthMinute = "15";
    b.gCity = "Sample City";
    b.gCountry = "India";
    b.gLatDeg = "17";
    b.gLatNS = "N";
    b.gLatMin = "20";
    b.gLonDeg = "78";
    b.gLonEW = "E";
    b.gLonMin = "30";
    b.gZoneHours = "5.5";
    b.gZoneEW = "E";
    jd::Preferences& p = jd::state().prefs;
    p.gChartStyle = "South";
    p.gLanguage = "English";
    p.gAyanamsaName = "Lahiri";
    jd::state().chartAyanamsa.gAyanamsaChoice = "Lahiri";
}

void BM_CastSampleChart(benchmark::State& st) {
    jd::resetState();
    jd::resultWindows().resetAll();
    jd::FakeServices fakes;
    jd::state().services = fakes.services();
    jd::state().gDbConnection = std::make_shared<jd::Database>(std::string(JD_BINARY_DIR) + "/bin/DBTessel.db");
    setSampleChart();
    for (auto _ : st) {
        jd::FnCastHoroscope();
        benchmark::DoNotOptimize(jd::resultWindows().frm_UserDetails.txtStar.caption());
    }
    if (!fakes.messageBox.shown().empty()) st.SkipWithError(fakes.messageBox.shown().front().text.c_str());
    jd::resetState();
    jd::resultWindows().resetAll();
}
BENCHMARK(BM_CastSampleChart)->Unit(benchmark::kMillisecond);

}  // namespace
