// Speed of the lines beside the main one and of the exposure zones.

#include "CalcFixtures.h"

#include "analysis/ExposureLimits.h"
#include "analysis/ExposureZone.h"
#include "analysis/ProfileField.h"
#include "calc/CalculationDriver.h"
#include "calc/ElectricEngine.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace velt::testing {
namespace {

void calculateIn(Bench& b) {
    b.project->lineDataAccepted = true;
    b.ui = ScriptedUi();
    PassContext ctx = b.context();
    if (calculate(ctx) != CalculationOutcome::Done) {
        throw std::runtime_error("the calculation was refused");
    }
}

// The whole calculation (both passes) of the largest corridor along a line.
void LargestCorridorProfile(benchmark::State& state) {
    Bench b;
    setUpLargestCorridor(b);
    b.form.fieldChoice = static_cast<int>(state.range(0));
    for (auto _ : state) {
        calculateIn(b);
        benchmark::DoNotOptimize(b.profile->resultMaxValue);
    }
    state.counters["lines"] = 4;
}

void largestConfiguration(Bench& b, bool magnetic) {
    setUpLargest(b);
    b.form.buildingChecked = true;
    b.form.currents = {"500", "500", true};
    b.form.fieldChoice = magnetic ? 1 : 0;
}

// The calculation the zones come on top of.
void LargestCalculation(benchmark::State& state) {
    Bench b;
    largestConfiguration(b, state.range(0) != 0);
    for (auto _ : state) {
        calculateIn(b);
        benchmark::DoNotOptimize(b.profile->resultMaxValue);
    }
}

// The zones of every built-in level after the calculation, the field at any point included.
void LargestZones(benchmark::State& state) {
    Bench b;
    largestConfiguration(b, state.range(0) != 0);
    calculateIn(b);
    for (auto _ : state) {
        const auto field = ProfileField::of(*b.project, b.form, *b.profile);
        const auto zones =
            exposureZones(builtInLimits(), *b.profile, [&](double s) { return field->at(s); });
        benchmark::DoNotOptimize(zones.data());
    }
}

// 500 conductors in one matrix: the charges, then a profile of 201 points.
void ElectricEngine500(benchmark::State& state) {
    ConductorList list;
    for (int i = 0; i < 500; ++i) {
        FieldConductor c;
        c.x = 0.5 * (i % 100) - 25.0;
        c.y = 10.0 + 2.0 * (i / 100);
        c.radius = 0.01;
        c.voltage = sinusoidOf(100.0, 2.0 * i);
        list.push_back(c);
    }
    for (auto _ : state) {
        const auto engine = ElectricEngine::solve(list);
        double sum = 0.0;
        for (int k = 0; k <= 200; ++k) {
            sum += engine->rms(-50.0 + 0.5 * k, 2.0);
        }
        benchmark::DoNotOptimize(sum);
    }
}

} // namespace

BENCHMARK(LargestCorridorProfile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(LargestCalculation)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(LargestZones)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ElectricEngine500)->Unit(benchmark::kMillisecond);

} // namespace velt::testing
