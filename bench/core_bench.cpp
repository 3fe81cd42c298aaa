// What the program does once a second and on each command, timed natively.

#include <benchmark/benchmark.h>

#include "core/location_rows.h"
#include "core/settings_file.h"
#include "core/replace_text.h"
#include "timetable/time_table.h"

namespace orvanta {
namespace {

std::vector<Place> TenPlaces() {
    std::vector<Place> places;
    for (int i = 0; i < kMaxOtherLocations; ++i) {
        places.push_back(Place::FromEntry("Place " + std::to_string(i) + ":" + std::to_string(i - 5) + ".5"));
    }
    return places;
}

// The whole of a clock tick's logic with every row in use.
void BM_PlanTenRows(benchmark::State& state) {
    const std::vector<Place> places = TenPlaces();
    const LocationModel model{"Here :", places, state.range(0) != 0};
    const RegionalFormats formats;
    const LocalDateTime now = *LocalDateTime::FromParts({2026, 12, 7, 13, 20, 5, 0});
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlanLocationRows(model, now, formats));
    }
}
BENCHMARK(BM_PlanTenRows)->Arg(0)->Arg(1);

void BM_BuildTimeTable(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(Build_Time_Table(Place::FromEntry("Here :0"), Place::FromEntry("Bombay:5.5")));
    }
}
BENCHMARK(BM_BuildTimeTable);

void BM_ReplaceTextColons(benchmark::State& state) {
    const std::string description = "Rio: de: Janeiro: Brazil:";
    for (auto _ : state) {
        benchmark::DoNotOptimize(Replace_Text(description, ":", ""));
    }
}
BENCHMARK(BM_ReplaceTextColons);

void BM_ParseIniInteger(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseIniInteger("0xC8", 200));
        benchmark::DoNotOptimize(ParseIniInteger("-1234", 0));
    }
}
BENCHMARK(BM_ParseIniInteger);

}  // namespace
}  // namespace orvanta
