// The calendar of one chart: the lunar month in both reckonings (the slowest
// step of a chart run, an hour-by-hour search of the moons) and the solar
// year, month and day, for the built-in sample chart (14 Jul 1965 14:15,
// 17°20'N 78°30'E, zone 5.5 E, Lahiri). Each iteration starts with fresh
// calculators, as a chart at a new moment does.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "calendar/calendar_objects.h"
#include "calendar/lunar_month.h"
#include "calendar/solar_calendar.h"
#include "platform/database.h"
#include "platform/database_build.h"
#include "state/shared_records.h"

namespace {

const jd::DateTime kBirth = jd::DateTime::of(1965, 7, 14, 14, 15);

// The sample chart's place and a database built from the shipped data.
void setUpSampleChart() {
    static const std::string dbPath = [] {
        const auto dir = std::filesystem::temp_directory_path() / ("jd_calendar_bench_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        const std::string path = (dir / "DBTessel.db").string();
        jd::buildDatabase(path, std::string(JD_SOURCE_DIR) + "/data");
        return path;
    }();
    jd::resetState();
    // The place texts as the birth-details window leaves them.
    jd::BirthDetails& b = jd::state().birth;
    const std::string texts[] = {"17", "N", "20", "78", "E", "30", "5.5", "E"};
    std::string* fields[] = {&b.gLatDeg, &b.gLatNS, &b.gLatMin, &b.gLonDeg, &b.gLonEW, &b.gLonMin, &b.gZoneHours, &b.gZoneEW};
    for (std::size_t i = 0; i < std::size(fields); ++i) *fields[i] = texts[i];
    jd::state().chartAyanamsa.gAyanamsaChoice = "Lahiri";
    jd::state().gDbConnection = jd::Database::open(dbPath);
}

void lunarMonths(benchmark::State& state, int stride) {
    setUpSampleChart();
    long calls = 0;
    for (auto _ : state) {
        jd::state().gCalendarObjects.reset();
        jd::calendarObjects().searchStride = stride;
        jd::FnPurnimantaMonth(kBirth, "TP");
        jd::FnAmantaMonth(kBirth, "TP");
        calls += jd::calendarObjects().ephemerisCalls();
        benchmark::DoNotOptimize(jd::state().calendar.gAmantaMonth);
    }
    state.counters["ephemeris calls"] = benchmark::Counter(static_cast<double>(calls), benchmark::Counter::kAvgIterations);
}

void BM_LunarMonths(benchmark::State& state) { lunarMonths(state, 12); }
BENCHMARK(BM_LunarMonths)->Unit(benchmark::kMillisecond);

// The same search walking every hour, for comparison.
void BM_LunarMonthsHourByHour(benchmark::State& state) { lunarMonths(state, 1); }
BENCHMARK(BM_LunarMonthsHourByHour)->Unit(benchmark::kMillisecond);

void BM_SolarYearData(benchmark::State& state) {
    setUpSampleChart();
    for (auto _ : state) {
        jd::state().gCalendarObjects.reset();
        jd::FnSolarYearData(kBirth);
        benchmark::DoNotOptimize(jd::state().calendar.gSolarDay);
    }
}
BENCHMARK(BM_SolarYearData)->Unit(benchmark::kMillisecond);

void BM_WholeCalendarOfAChart(benchmark::State& state) {
    setUpSampleChart();
    for (auto _ : state) {
        jd::state().gCalendarObjects.reset();
        jd::FnPurnimantaMonth(kBirth, "TP");
        jd::FnAmantaMonth(kBirth, "TP");
        jd::FnSolarYearData(kBirth);
        benchmark::DoNotOptimize(jd::state().calendar.gSolarDay);
    }
}
BENCHMARK(BM_WholeCalendarOfAChart)->Unit(benchmark::kMillisecond);

}  // namespace
