// How fast moments become text and texts become moments: the chart run and the
// lunar-month search write and read back dates thousands of times per chart.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/vb_date.h"
#include "platform/vb_number.h"

namespace {

const jd::DateTime kBirth = jd::DateTime::of(1965, 7, 14, 14, 15, 40);

void BM_FormatDayMonthYearTwelveHour(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(jd::formatDate(kBirth, "dd/MMM/YYYY HH:MM AM/PM"));
}
BENCHMARK(BM_FormatDayMonthYearTwelveHour);

void BM_GeneralDateText(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(jd::generalDateText(kBirth));
}
BENCHMARK(BM_GeneralDateText);

void BM_ParseJoinedBirthText(benchmark::State& state) {
    const std::string text = "14/Jul/1965 14:15: 00";
    for (auto _ : state) benchmark::DoNotOptimize(jd::parseDate(text));
}
BENCHMARK(BM_ParseJoinedBirthText);

// The birth moment's whole road: joined text, 12-hour picture, read back.
void BM_BirthMomentRoundTrip(benchmark::State& state) {
    const std::string text = "14/Jul/1965 14:15: 00";
    for (auto _ : state)
        benchmark::DoNotOptimize(jd::parseDate(jd::formatDateText(text, "DD/MM/YYYY HH:NN AM/PM")));
}
BENCHMARK(BM_BirthMomentRoundTrip);

// One step of the hour-by-hour search: add an hour, write the moment, read it back.
void BM_HourStepWithGeneralTextRoundTrip(benchmark::State& state) {
    jd::DateTime t = kBirth;
    for (auto _ : state) {
        t = jd::dateAdd(jd::DateUnit::Hour, 1, t);
        if (t.year() > 9000) t = kBirth;
        benchmark::DoNotOptimize(jd::parseDate(jd::generalDateText(t)));
    }
}
BENCHMARK(BM_HourStepWithGeneralTextRoundTrip);

void BM_NumberPicture(benchmark::State& state) {
    double x = 5.0 + 5.0 / 60;
    for (auto _ : state) {
        benchmark::DoNotOptimize(jd::formatNumber(x, "00.0000"));
        x += 1e-7;
    }
}
BENCHMARK(BM_NumberPicture);

}  // namespace
