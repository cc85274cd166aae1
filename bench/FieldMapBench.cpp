// Speed of the field map of the largest configuration: the default grid on one core, a
// grid of half a million points on one and on two.

#include "CalcFixtures.h"

#include "analysis/FieldMap.h"

#include <benchmark/benchmark.h>

#include <variant>

namespace velt::testing {
namespace {

void largestConfiguration(Bench& b, bool magnetic) {
    setUpLargest(b);
    b.form.buildingChecked = true;
    b.form.currents = {"500", "500", true};
    b.form.fieldChoice = magnetic ? 1 : 0;
}

void run(benchmark::State& state, const Bench& b, const FieldMapGrid& grid, int threads) {
    for (auto _ : state) {
        const auto map = computeFieldMap(*b.project, b.form, grid, threads);
        benchmark::DoNotOptimize(map->values.data());
    }
    state.counters["points"] = static_cast<double>(grid.points());
    state.counters["threads"] = threads;
}

// 201 by 101 points over 50 m on both sides of the axis, on one core.
void LargestMapDefaultGrid(benchmark::State& state) {
    Bench b;
    largestConfiguration(b, state.range(0) != 0);
    const auto grid = fieldMapGrid(*b.project, b.form, {.range = 50.0});
    run(state, b, std::get<FieldMapGrid>(grid), 1);
}

// 1000 by 500 points, 10 cm apart, on `threads` cores.
void LargestMapHalfMillion(benchmark::State& state) {
    Bench b;
    largestConfiguration(b, state.range(0) != 0);
    run(state, b, {-50.0, 0.1, 1000, 0.1, 500}, static_cast<int>(state.range(1)));
}

} // namespace

BENCHMARK(LargestMapDefaultGrid)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(LargestMapHalfMillion)
    ->Args({0, 1})
    ->Args({0, 2})
    ->Args({1, 1})
    ->Args({1, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace velt::testing
