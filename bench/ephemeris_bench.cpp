// One planet-position computation with every result read back: the unit of
// work that the lunar-month search repeats hour by hour.
#include <benchmark/benchmark.h>

#include "engine/cls_find_planet_position.h"

namespace {

void BM_FindFixValuesAndGetters(benchmark::State& state) {
    jd::ClsFindPlanetPosition service;
    const auto start = jd::DateTime::of(1965, 7, 14, 14, 15);
    std::int64_t hour = 0;
    for (auto _ : state) {
        // Step an hour each time, as the month search does.
        const auto moment = jd::DateTime::fromTotalSeconds(start.totalSeconds() + 3600 * (hour++ % 2000));
        service.FindFixValues(moment, "N", 17, 20, "E", 78, 30, 5.5, "E", 0, "Lahiri", 0, 0);
        double sum = service.FnFindLagnaPosition() + service.FnFindSunPosition() + service.FnFindAyanamsa() +
                     service.FnFindMoonPosition() + service.FnFindMarsPosition() +
                     service.FnFindMercuryPosition() + service.FnFindJupiterPosition() +
                     service.FnFindVenusPosition() + service.FnFindSaturnPosition() +
                     service.FnFindRahuPosition() + service.FnFindMidHeaven() + service.FnFindKethuPosition();
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_FindFixValuesAndGetters);

}  // namespace
