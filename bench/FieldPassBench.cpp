// Speed of the field passes on the built-in towers and on the largest configuration.

#include "CalcFixtures.h"

#include "calc/AccurateGradient.h"
#include "calc/BundleExpansion.h"
#include "calc/CapacitanceMatrix.h"
#include "calc/FieldConstants.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace velt::testing {
namespace {

// A pass along a horizontal line of 201 points under the tower, as the first pass runs it.
void alongLine(benchmark::State& state, int tower, bool magnetic) {
    Bench b;
    setUpBuiltIn(b, tower);
    b.form.currents = {"500", "400", true};
    prepareFullWidth(b, 100.0, 2.0);
    for (auto _ : state) {
        PassContext ctx = b.context();
        const bool done = magnetic ? computeMagneticField(ctx, 0.0, 0.0, false, true)
                                   : computeElectricField(ctx, 0.0, 0.0, false, false);
        benchmark::DoNotOptimize(done);
        benchmark::DoNotOptimize(b.profile->resultMaxValue);
    }
}

void ElectricS12(benchmark::State& s) {
    alongLine(s, 0, false);
}
void ElectricH52(benchmark::State& s) {
    alongLine(s, 1, false);
}
void ElectricZ52(benchmark::State& s) {
    alongLine(s, 2, false);
}
void MagneticS12(benchmark::State& s) {
    alongLine(s, 0, true);
}
void MagneticH52(benchmark::State& s) {
    alongLine(s, 1, true);
}
void MagneticZ52(benchmark::State& s) {
    alongLine(s, 2, true);
}

void ElectricOnConductorsZ52(benchmark::State& state) {
    Bench b;
    setUpBuiltIn(b, 2);
    for (auto _ : state) {
        PassContext ctx = b.context();
        benchmark::DoNotOptimize(computeElectricField(ctx, 0.0, 0.0, true, false));
    }
}

void largest(benchmark::State& state, bool onConductors) {
    Bench b;
    setUpLargest(b);
    b.form.currents = {"500", "500", true};
    prepareFullWidth(b, 100.0, 2.0);
    for (auto _ : state) {
        PassContext ctx = b.context();
        benchmark::DoNotOptimize(computeElectricField(ctx, 0.0, 0.0, onConductors, false));
    }
    state.counters["conductors"] = onConductors ? 59 : 41;
}

void ElectricLargestOnConductors(benchmark::State& s) {
    largest(s, true);
}
void ElectricLargestAlongLine(benchmark::State& s) {
    largest(s, false);
}

void MagneticLargestOnConductors(benchmark::State& state) {
    Bench b;
    setUpLargest(b);
    b.form.currents = {"500", "500", true};
    for (auto _ : state) {
        PassContext ctx = b.context();
        benchmark::DoNotOptimize(computeMagneticField(ctx, 0.0, 0.0, true, true));
    }
}

// Every bundle's accurate surface gradient, from the accepted line data.
void AccurateGradientLargest(benchmark::State& state) {
    Bench b;
    setUpLargest(b);
    for (auto _ : state) {
        benchmark::DoNotOptimize(accurateGradients(*b.project));
    }
    state.counters["conductors"] = 59;
}

struct Inverse {
    Matrix p, inverse;
    int n = 0;
};

// Potential coefficients of the largest configuration with its bundles expanded.
std::unique_ptr<Inverse> largestCoefficients() {
    Bench b;
    setUpLargest(b);
    LineProject& p = *b.project;
    auto m = std::make_unique<Inverse>();
    BundleExpansion expansion(p, true);
    assignRadii(p, true);
    p.potentialFactor = 1 / (2 * kPi * kEps0);
    buildPotentialCoefficients(p, m->p);
    m->n = static_cast<int>(p.conductorCount);
    return m;
}

void InverseByEliminationLargest(benchmark::State& state) {
    auto m = largestCoefficients();
    for (auto _ : state) {
        benchmark::DoNotOptimize(invertByElimination(m->n, m->p, m->inverse));
    }
    state.counters["n"] = m->n;
}

void InverseByCofactorLargest(benchmark::State& state) {
    auto m = largestCoefficients();
    for (auto _ : state) {
        benchmark::DoNotOptimize(invertByCofactors(m->n, m->p, m->inverse));
    }
    state.counters["n"] = m->n;
}

} // namespace

BENCHMARK(ElectricS12)->Unit(benchmark::kMicrosecond);
BENCHMARK(ElectricH52)->Unit(benchmark::kMicrosecond);
BENCHMARK(ElectricZ52)->Unit(benchmark::kMicrosecond);
BENCHMARK(MagneticS12)->Unit(benchmark::kMicrosecond);
BENCHMARK(MagneticH52)->Unit(benchmark::kMicrosecond);
BENCHMARK(MagneticZ52)->Unit(benchmark::kMicrosecond);
BENCHMARK(ElectricOnConductorsZ52)->Unit(benchmark::kMicrosecond);
BENCHMARK(ElectricLargestOnConductors)->Unit(benchmark::kMicrosecond);
BENCHMARK(ElectricLargestAlongLine)->Unit(benchmark::kMicrosecond);
BENCHMARK(MagneticLargestOnConductors)->Unit(benchmark::kMicrosecond);
BENCHMARK(AccurateGradientLargest)->Unit(benchmark::kMicrosecond);
BENCHMARK(InverseByEliminationLargest)->Unit(benchmark::kMicrosecond);
BENCHMARK(InverseByCofactorLargest)->Unit(benchmark::kMillisecond);

} // namespace velt::testing

BENCHMARK_MAIN();
