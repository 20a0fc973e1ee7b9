// Opening the database beside the program and reading places from it, as the
// birth-details window does when a country or a city is chosen.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/database.h"

namespace {

const std::string kDatabase = std::string(JD_BINARY_DIR) + "/bin/DBTessel.db";

int countryKey(jd::Database& db, const char* name) {
    auto st = db.query("SELECT CountryID FROM Country_Master WHERE CountryName = ?", name);
    st.step();
    return st.asInt(0);
}

// Open the file, then fetch one city of a country by its name.
void BM_OpenAndReadCityByCountry(benchmark::State& state) {
    for (auto _ : state) {
        jd::Database db(kDatabase);
        const int india = countryKey(db, "India");
        auto st = db.query("SELECT * FROM City_Master WHERE CountryID = ? AND CityName = ?", india, "Hyderabad");
        if (!st.step()) state.SkipWithError("Hyderabad missing");
        benchmark::DoNotOptimize(st.asInt("LatitudeDegree") + st.asInt("LatitudeMinute"));
    }
}
BENCHMARK(BM_OpenAndReadCityByCountry)->Unit(benchmark::kMicrosecond);

// On an open connection: one city of a country by its name.
void BM_ReadCityByCountry(benchmark::State& state) {
    jd::Database db(kDatabase);
    const int india = countryKey(db, "India");
    for (auto _ : state) {
        auto st = db.query("SELECT * FROM City_Master WHERE CountryID = ? AND CityName = ?", india, "Chennai");
        st.step();
        benchmark::DoNotOptimize(st.asInt("LongitudeMinute"));
    }
}
BENCHMARK(BM_ReadCityByCountry)->Unit(benchmark::kMicrosecond);

// On an open connection: the whole city list of India (2,461 names) in name
// order, as a country choice fills the city list.
void BM_ListCitiesOfIndia(benchmark::State& state) {
    jd::Database db(kDatabase);
    const int india = countryKey(db, "India");
    for (auto _ : state) {
        std::size_t n = 0;
        for (auto st = db.query("SELECT CityName, CityID FROM City_Master WHERE CountryID = ? ORDER BY CityName",
                                india);
             st.step();) {
            n += st.asText(0).size();
        }
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_ListCitiesOfIndia)->Unit(benchmark::kMicrosecond);

}  // namespace
