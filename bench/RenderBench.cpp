// The graph of the largest profile (magnetic field, three curves, shield wires, building)
// painted into a full-HD image, and its layout alone.

#include "RenderFixtures.h"

#include "render/GraphPainter.h"
#include "render/QtTextMeasure.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <clocale>

namespace {

using velt::testing::Computed;

const Computed& largest() {
    static const Computed c = velt::testing::computeProject(velt::testing::largestGraphProject());
    return c;
}

void paintLargestGraph(benchmark::State& state) {
    const Computed& c = largest();
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        velt::paintWindowGraph(painter, image.size(), *c.profile, c.project->towerShifted);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(paintLargestGraph)->Unit(benchmark::kMillisecond);

void layOutLargestGraph(benchmark::State& state) {
    const Computed& c = largest();
    QImage image(1920, 1080, QImage::Format_RGB32);
    QPainter painter(&image);
    const velt::QtTextMeasure measure(painter);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            velt::layoutGraph(*c.profile, velt::windowFrame(1920, 1080), false, measure));
    }
}
BENCHMARK(layOutLargestGraph)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
