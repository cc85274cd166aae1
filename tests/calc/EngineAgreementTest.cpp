// The field engines over the main line's conductors against the passes themselves: the same
// value at every point of every profile.

#include "CalcFixtures.h"

#include "calc/BundleExpansion.h"
#include "calc/ElectricEngine.h"
#include "calc/EvaluationPoints.h"
#include "calc/MagneticEngine.h"
#include "calc/MainLineConductors.h"
#include "calc/SurfaceResults.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velt::testing {
namespace {

constexpr double kRelative = 1e-9;
constexpr int kLargest = -1;

enum class Where { Horizontal, Vertical, Shifted, OnConductors };

struct Case {
    std::string name;
    int tower; ///< built-in list index, or kLargest
    bool magnetic;
    Where where;
};

std::ostream& operator<<(std::ostream& out, const Case& c) {
    return out << c.name;
}

// Sets up the case and runs its one pass; the project stays in the pass's frame.
void runPass(Bench& b, const Case& c) {
    c.tower == kLargest ? setUpLargest(b) : setUpBuiltIn(b, c.tower);
    b.form.fieldChoice = c.magnetic ? 1 : 0;
    b.form.currents = {"500", "400", true};
    b.project->phaseOrderSwapped = c.tower != 0 && c.tower != 1; // the swapped phase tables
    LineProject& p = *b.project;
    double lineMode = 0.0;
    double lineX = 0.0;
    if (c.where == Where::Horizontal) {
        prepareFullWidth(b, 100.0, 2.0);
    } else if (c.where != Where::OnConductors) {
        if (c.where == Where::Shifted) {
            shiftTower(b, 20.0);
        }
        p.towerShifted = true;
        p.calcRange = p.profileLength = 60.0;
        p.calcStep = 0.3;
        p.pointY = 1.5;
        lineMode = c.where == Where::Vertical ? 1.0 : 0.0;
        lineX = c.where == Where::Vertical ? 5.0 : 0.0;
        b.form.lineChoice = c.where == Where::Vertical ? 1 : 0;
    }
    PassContext ctx = b.context();
    const bool onConductors = c.where == Where::OnConductors;
    ASSERT_TRUE(c.magnetic ? computeMagneticField(ctx, lineMode, lineX, onConductors, true)
                           : computeElectricField(ctx, lineMode, lineX, onConductors, false));
}

struct Probe {
    std::optional<ElectricEngine> electric;
    std::optional<MagneticEngine> magnetic;
};

Probe probeOf(const Bench& b, const Case& c) {
    const ConductorList list =
        mainLineConductors(*b.project, b.form, c.where == Where::OnConductors);
    Probe probe;
    if (c.magnetic) {
        probe.magnetic.emplace(list);
    } else {
        probe.electric = ElectricEngine::solve(list);
    }
    return probe;
}

void expectProfileAgrees(const Bench& b, const Case& c, const Probe& probe) {
    const LineProject& p = *b.project;
    const FieldProfile& f = *b.profile;
    ASSERT_EQ(f.profilePointCount, 201);
    for (int i = 1; i <= f.profilePointCount; ++i) {
        const double s = (i - 1) * p.calcStep;
        const double x = c.where == Where::Vertical ? 5.0 : s;
        const double y = c.where == Where::Vertical ? s : p.pointY;
        const double want = f.resultValue[i];
        if (!c.magnetic) {
            EXPECT_NEAR(probe.electric->rms(x, y), want, kRelative * want) << i;
            continue;
        }
        const InstantMaxima h = probe.magnetic->at(x, y);
        EXPECT_NEAR(h.magnitude, want, kRelative * want) << i;
        EXPECT_NEAR(h.componentX, f.resultValueX[i], kRelative * want) << i;
        EXPECT_NEAR(h.componentY, f.resultValueY[i], kRelative * want) << i;
    }
}

// The largest value on the working sub-conductors' surfaces, as the pass reports it.
void expectSurfaceAgrees(Bench& b, const Case& c, const Probe& probe) {
    LineProject& p = *b.project;
    BundleExpansion expansion(p, true);
    EvaluationPoints points;
    surfacePoints(p, points);
    double largest = 0.0;
    for (int i = 1; i <= points.count; ++i) {
        const double v = c.magnetic ? probe.magnetic->at(points.x[i], points.y[i]).magnitude
                                    : probe.electric->rms(points.x[i], points.y[i]);
        largest = std::max(largest, v);
    }
    const double want = b.profile->maxSurfaceGradient;
    const double got =
        c.magnetic ? surfaceInductionFromMaximum(largest) : surfaceFieldFromMaximum(largest);
    EXPECT_NEAR(got, want, kRelative * want);
}

struct Agreement : ::testing::TestWithParam<Case> {};

TEST_P(Agreement, EngineGivesThePassValues) {
    const Case& c = GetParam();
    Bench b;
    runPass(b, c);
    const Probe probe = probeOf(b, c);
    ASSERT_TRUE(c.magnetic || probe.electric);
    if (c.where == Where::OnConductors) {
        expectSurfaceAgrees(b, c, probe);
    } else {
        expectProfileAgrees(b, c, probe);
    }
}

std::vector<Case> allCases() {
    const std::pair<const char*, int> towers[] = {
        {"S12", 0}, {"H52", 1}, {"Z52", 2}, {"Largest", kLargest}};
    const std::pair<const char*, Where> lines[] = {{"Horizontal", Where::Horizontal},
                                                   {"Vertical", Where::Vertical},
                                                   {"Shifted", Where::Shifted},
                                                   {"OnConductors", Where::OnConductors}};
    std::vector<Case> cases;
    for (const auto& [tower, index] : towers) {
        for (const auto& [line, where] : lines) {
            for (const bool magnetic : {false, true}) {
                const std::string name =
                    std::string(tower) + line + (magnetic ? "Magnetic" : "Electric");
                cases.push_back({name, index, magnetic, where});
            }
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryConfiguration, Agreement, ::testing::ValuesIn(allCases()),
                         [](const auto& info) { return info.param.name; });

TEST(ElectricEngine, SingularSystemsAreReported) {
    FieldConductor a;
    a.x = 0.0;
    a.y = 10.0;
    a.radius = 0.01;
    a.voltage = {100.0, 0.0};
    FieldConductor below = a;
    below.y = -1.0;
    FieldConductor thick = a;
    thick.x = 0.5;
    thick.radius = 5.0; // thicker than its distance: not positive definite
    const ConductorList refused[] = {{a, a}, {a, below}, {a, thick}};
    for (const ConductorList& list : refused) {
        EXPECT_FALSE(ElectricEngine::solve(list));
    }
    EXPECT_TRUE(ElectricEngine::solve({a}));
}

} // namespace
} // namespace velt::testing
