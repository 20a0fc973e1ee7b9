// Building the whole horoscope report (all pages, the antara list included)
// from result windows holding a full chart: 21 vargas, 9 dasas, every bhukti
// and antara.
#include <benchmark/benchmark.h>

#include "../tests/report/sample_windows.h"
#include "report/report_document.h"

namespace {

void BM_BuildHoroscopeReport(benchmark::State& state) {
    auto windows = jd::testing::sampleWindows();
    jd::ReportSources sources{*windows, "South", "Equal", jd::testing::samplePersonalDetails(), true, {}};
    size_t bytes = 0;
    for (auto _ : state) {
        std::string text = jd::FnBuildHoroscopeReportText(sources);
        bytes = text.size();
        benchmark::DoNotOptimize(text);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_BuildHoroscopeReport)->Unit(benchmark::kMillisecond);

void BM_BuildHoroscopeReportNorthWithoutAntra(benchmark::State& state) {
    auto windows = jd::testing::sampleWindows();
    jd::ReportSources sources{*windows, "North", "Not Equal", std::nullopt, false, {}};
    for (auto _ : state) benchmark::DoNotOptimize(jd::FnBuildHoroscopeReportText(sources));
}
BENCHMARK(BM_BuildHoroscopeReportNorthWithoutAntra)->Unit(benchmark::kMillisecond);

}  // namespace
