// What the passes refuse, and that they leave the line geometry as they found it.

#include "CalcFixtures.h"

#include "calc/CapacitanceMatrix.h"
#include "calc/Computability.h"
#include "calc/EvaluationPoints.h"
#include "calc/FieldConstants.h"
#include "calc/PhaseTables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace velt::testing {
namespace {

struct Geometry {
    double x[kConductorSlots];
    double y[kConductorSlots];
    std::uint32_t lpr, n;
    explicit Geometry(const LineProject& p) : lpr(p.phaseConductorCount), n(p.conductorCount) {
        std::memcpy(x, p.conductorX, sizeof x);
        std::memcpy(y, p.conductorY, sizeof y);
    }
    bool same(const LineProject& p) const {
        return lpr == p.phaseConductorCount && n == p.conductorCount &&
               std::memcmp(x, p.conductorX, sizeof x) == 0 &&
               std::memcmp(y, p.conductorY, sizeof y) == 0;
    }
};

bool runBoth(Bench& b, bool onConductors) {
    PassContext ctx = b.context();
    const bool e = computeElectricField(ctx, 0.0, 0.0, onConductors, false);
    const bool m = computeMagneticField(ctx, 0.0, 0.0, onConductors, true);
    return e && m;
}

TEST(PassSafety, CompletedPassesRestoreTheGeometryExactly) {
    Bench b;
    setUpBuiltIn(b, 2);
    b.form.currents = {"400", "300", true};
    prepareFullWidth(b, 100.0, 2.0);
    const Geometry before(*b.project);
    EXPECT_TRUE(runBoth(b, true)); // bundles of two expanded and undone
    EXPECT_TRUE(before.same(*b.project));
    EXPECT_TRUE(runBoth(b, false));
    EXPECT_TRUE(before.same(*b.project));
    EXPECT_TRUE(b.ui.messages.empty());
}

TEST(PassSafety, LargestConfigurationComputes) {
    Bench b;
    setUpLargest(b);
    EXPECT_EQ(b.project->conductorCount, 41u);
    b.form.currents = {"400", "400", true};
    b.form.interferenceChecked = true;
    b.form.interference = {"25", "0.5"};
    prepareFullWidth(b, 100.0, 2.0);
    const Geometry before(*b.project);
    EXPECT_TRUE(runBoth(b, true));
    EXPECT_TRUE(before.same(*b.project));
    EXPECT_TRUE(b.profile->interferenceComputed == false); // the magnetic pass came last
    EXPECT_GT(b.profile->maxSurfaceGradient, 0.0);
    EXPECT_TRUE(runBoth(b, false));
    for (int i = 1; i <= 201; ++i) {
        EXPECT_TRUE(std::isfinite(b.profile->resultValue[i]));
    }
}

struct Refusal {
    const char* name;
    void (*spoil)(LineProject&);
    bool onConductors;
    const std::string* message;
};

const Refusal kRefusals[] = {
    {"one more conductor than the matrix holds",
     [](LineProject& p) {
         p.shieldWireCount += 1;
         p.conductorCount += 1;
         p.conductorX[42] = 50;
         p.conductorY[42] = 5;
     },
     true, &kTooManyConductorsMessage},
    {"count that disagrees with the classes", [](LineProject& p) { p.conductorCount = 200; }, false,
     &kTooManyConductorsMessage},
    {"conductor on the ground", [](LineProject& p) { p.conductorY[30] = 0.0; }, false,
     &kConductorBelowGroundMessage},
    {"zero radius", [](LineProject& p) { p.groundWireRadius = 0.0; }, false, &kRadiusMessage},
    {"two conductors at one place",
     [](LineProject& p) {
         p.conductorX[30] = p.conductorX[31];
         p.conductorY[30] = p.conductorY[31];
     },
     false, &kSamePlaceMessage},
    {"four working conductors",
     [](LineProject& p) {
         p.phaseConductorCount = 4;
         p.groundWireCount += 2;
     },
     false, &kPhaseCountMessage},
    {"seven working conductors",
     [](LineProject& p) {
         p.phaseConductorCount = 7;
         p.groundWireCount -= 1;
     },
     false, &kPhaseCountMessage},
    {"bundle of five on the conductors", [](LineProject& p) { p.phaseBundleSize = 5; }, true,
     &kBundleOnConductorsMessage},
    {"bundle of no conductors", [](LineProject& p) { p.shieldBundleSize = 0; }, false,
     &kBundleSizeMessage},
    {"bundle without spacing", [](LineProject& p) { p.phaseBundleSpacing = 0.0; }, false,
     &kSpacingMessage},
    {"not a number", [](LineProject& p) { p.conductorX[3] = NAN; }, false, &kBadNumberMessage},
    {"infinite voltage", [](LineProject& p) { p.phaseVoltagePeak = INFINITY; }, false,
     &kBadNumberMessage},
    {"no range",
     [](LineProject& p) {
         p.calcRange = 0.0;
         p.calcStep = 0.0;
     },
     false, &kRangeMessage},
};

TEST(PassSafety, RefusalsChangeNothing) {
    for (const Refusal& r : kRefusals) {
        for (bool magnetic : {false, true}) {
            Bench b;
            setUpLargest(b);
            prepareFullWidth(b, 100.0, 2.0);
            b.form.currents = {"100", "100", true};
            r.spoil(*b.project);
            const auto before = std::make_unique<LineProject>(*b.project);
            PassContext ctx = b.context();
            const bool done = magnetic ? computeMagneticField(ctx, 0.0, 0.0, r.onConductors, true)
                                       : computeElectricField(ctx, 0.0, 0.0, r.onConductors, false);
            EXPECT_FALSE(done) << r.name;
            ASSERT_EQ(b.ui.messages.size(), 1u) << r.name;
            EXPECT_EQ(b.ui.messages[0], *r.message) << r.name;
            EXPECT_EQ(std::memcmp(before.get(), b.project.get(), sizeof(LineProject)), 0) << r.name;
        }
    }
}

TEST(PassSafety, InterferenceInputsRefusedBeforeComputing) {
    Bench b;
    setUpBuiltIn(b, 0);
    b.form.interferenceChecked = true;
    b.form.interference = {"20", "0"};
    PassContext ctx = b.context();
    EXPECT_FALSE(computeElectricField(ctx, 0.0, 0.0, true, false));
    EXPECT_EQ(b.ui.messages.back(), kInterferenceFrequencyMessage);
    // The observer straight under conductor 1 at 1.8 m above ground: on the conductor itself
    // only when the conductor hangs at 1.8 m.
    setUpBuiltIn(b, 0, "1.8", "5");
    b.form.interference = {"-2.6", "0.5"};
    EXPECT_FALSE(computeElectricField(ctx, 0.0, 0.0, true, false));
    EXPECT_EQ(b.ui.messages.back(), kInterferencePointMessage);
    b.form.interference = {"20", "0.5"};
    EXPECT_TRUE(computeElectricField(ctx, 0.0, 0.0, true, false));
    EXPECT_TRUE(b.profile->interferenceComputed);
    for (double level : b.profile->interferenceLevel) {
        EXPECT_TRUE(std::isfinite(level));
    }
}

TEST(PassSafety, PointOnAConductorAxisStaysFinite) {
    // H52 has a working conductor on the tower axis; the line runs at its height.
    for (bool magnetic : {false, true}) {
        Bench b;
        setUpBuiltIn(b, 1, "12", "20");
        b.form.currents.firstCircuit = "300";
        prepareFullWidth(b, 100.0, 12.0);
        PassContext ctx = b.context();
        ASSERT_TRUE(magnetic ? computeMagneticField(ctx, 0.0, 0.0, false, true)
                             : computeElectricField(ctx, 0.0, 0.0, false, false));
        const FieldProfile& f = *b.profile;
        for (int i = 1; i <= 201; ++i) {
            ASSERT_TRUE(std::isfinite(f.resultValue[i])) << i;
        }
        // The point on the axis reads the surface field: the largest of the profile.
        EXPECT_EQ(f.resultMaxIndex, 101);
        if (magnetic) {
            EXPECT_NEAR(f.resultValue[101], 300 / (2 * kPi * 0.016),
                        300 / (2 * kPi * 0.016) * 0.05);
        }
    }
}

TEST(PassSafety, TowerWithEveryConductorOnTheAxisIsRefused) {
    Bench b;
    setUpBuiltIn(b, 0);
    for (int i = 1; i <= 4; ++i) {
        b.project->conductorX[i] = 0.0;
        b.project->conductorY[i] = 12.0;
    }
    PassContext ctx = b.context();
    EXPECT_FALSE(computeElectricField(ctx, 0.0, 0.0, false, false));
    EXPECT_EQ(b.ui.messages.back(), kSamePlaceMessage);
}

TEST(PointCount, AlwaysTwoHundredAndOneAlongALine) {
    for (double range = 0.37; range < 5000.0; range *= 1.173) {
        EXPECT_EQ(profilePointCount(range, 0.005 * range), 201) << range;
    }
    EXPECT_EQ(profilePointCount(0.0, 0.0), 0);
    EXPECT_EQ(profilePointCount(NAN, 1.0), 0);
    EXPECT_EQ(profilePointCount(1000.0, 1.0), 0); // more points than a profile holds
}

TEST(PhaseTables, SecondCircuitOrders) {
    auto phases = [](std::uint32_t bundle, bool swapped, bool electric, bool expanded) {
        std::string s;
        for (std::uint32_t i = 1; i <= 6 * bundle; ++i) {
            s += "RST"[conductorPhase(i, bundle, swapped, electric, expanded).phase - 1];
        }
        return s;
    };
    EXPECT_EQ(phases(1, false, true, false), "RSTRST");
    EXPECT_EQ(phases(1, true, true, false), "RSTTRS");
    EXPECT_EQ(phases(1, true, false, false), "RSTTSR");
    EXPECT_EQ(phases(2, true, true, true), "RRSSTTTTSSRR");
    EXPECT_EQ(phases(3, false, false, true), "RRRSSSTTTRRRSSSTTT");
    EXPECT_EQ(phases(4, true, false, true), "RRRRSSSSTTTTTTTTSSSSRRRR");
    EXPECT_EQ(conductorPhase(8, 2, false, true, true).circuit, 2);
}

TEST(SurfacePoints, FourPointsAroundEveryConductor) {
    Bench b;
    setUpSingleConductor(b, 0.02, 10.0, 100.0);
    EvaluationPoints pts;
    surfacePoints(*b.project, pts);
    ASSERT_EQ(pts.count, 4);
    EXPECT_NEAR(pts.x[1], 0.0, 1e-9);
    EXPECT_NEAR(pts.y[1], 9.98, 1e-12);
    EXPECT_NEAR(pts.x[2], 0.02, 1e-12);
    EXPECT_NEAR(pts.y[3], 10.02, 1e-12);
    EXPECT_NEAR(pts.x[4], -0.02, 1e-12);
}

} // namespace
} // namespace velt::testing
