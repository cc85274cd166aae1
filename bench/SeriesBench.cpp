// Speed of a series of calculations: the Z52 example over 100 working heights x 100
// ground-wire heights, on one thread and on two.

#include "series/SeriesRun.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace velt {
namespace {

SeriesPlan z52Plan() {
    std::ifstream in(VELT_EXAMPLES_DIR "/z52-horizontal.json");
    std::ostringstream text;
    text << in.rdbuf();
    SeriesProjectLoad load = loadSeriesProject(text.str(), VELT_EXAMPLES_DIR);
    if (!load.project) {
        throw std::runtime_error(load.result.message);
    }
    auto plan = planSeries(std::move(*load.project),
                           {"workingHeight=10:19.9:0.1", "groundWireHeight=36:45.9:0.1"});
    if (auto* message = std::get_if<std::string>(&plan)) {
        throw std::runtime_error(*message);
    }
    return std::move(std::get<SeriesPlan>(plan));
}

void Z52Sweep10000(benchmark::State& state) {
    const SeriesPlan plan = z52Plan();
    SeriesRunOptions options;
    options.threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const SeriesOutcome outcome = runSeries(plan, options);
        for (const SeriesRow& row : outcome.rows) {
            if (row.state != RowState::Computed) {
                throw std::runtime_error("a combination was refused: " + row.refused);
            }
        }
        benchmark::DoNotOptimize(outcome.rows.data());
    }
    state.counters["combinations/s"] = benchmark::Counter(
        static_cast<double>(combinationCount(plan)), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(Z52Sweep10000)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace
} // namespace velt

BENCHMARK_MAIN();
