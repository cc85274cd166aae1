// The field passes against hand formulas and symmetry.

#include "CalcFixtures.h"

#include "calc/CapacitanceMatrix.h"
#include "calc/FieldConstants.h"
#include "calc/SurfaceResults.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velt::testing {
namespace {

constexpr double kRelative = 1e-9;

TEST(ElectricField, SingleConductorStraightBelow) {
    Bench b;
    const double r = 0.01, h = 10.0, peak = 100.0;
    setUpSingleConductor(b, r, h, peak);
    LineProject& p = *b.project;
    p.towerShifted = true; // one pass, the axis where the tower stands
    p.calcRange = p.profileLength = 8.0;
    p.calcStep = 0.04;
    b.form.lineChoice = 1;
    PassContext ctx = b.context();
    ASSERT_TRUE(computeElectricField(ctx, 1.0, 0.0, false, false));
    const FieldProfile& f = *b.profile;
    ASSERT_EQ(f.profilePointCount, 201);
    for (int i : {1, 51, 201}) {
        const double y = (i - 1) * 0.04;
        const double expected =
            peak / std::log(2 * h / r) * (1 / (h - y) + 1 / (h + y)) / std::sqrt(2.0);
        EXPECT_NEAR(f.resultValue[i], expected, expected * kRelative) << i;
        EXPECT_DOUBLE_EQ(f.resultPosition[i], y);
    }
    EXPECT_DOUBLE_EQ(p.potentialFactor, 1 / (2 * kPi * kEps0));
}

TEST(ElectricField, ZeroVoltageGivesZeroProfile) {
    Bench b;
    setUpBuiltIn(b, 2);
    b.project->phaseVoltagePeak = 0.0;
    prepareFullWidth(b, 100.0, 2.0);
    PassContext ctx = b.context();
    ASSERT_TRUE(computeElectricField(ctx, 0.0, 0.0, false, false));
    EXPECT_EQ(b.profile->resultMaxValue, 0.0);
    EXPECT_EQ(b.profile->resultMaxIndex, 201); // the last of equal maxima
}

TEST(MagneticField, SingleConductorPeakValue) {
    Bench b;
    setUpSingleConductor(b, 0.01, 10.0, 100.0);
    b.form.currents.firstCircuit = "500";
    LineProject& p = *b.project;
    p.towerShifted = true;
    p.calcRange = p.profileLength = 8.0;
    p.calcStep = 0.04;
    b.form.lineChoice = 1;
    b.form.fieldChoice = 1;
    PassContext ctx = b.context();
    ASSERT_TRUE(computeMagneticField(ctx, 1.0, 0.0, false, true));
    const FieldProfile& f = *b.profile;
    for (int i : {1, 101, 201}) {
        const double d = 10.0 - (i - 1) * 0.04;
        EXPECT_NEAR(f.resultValue[i], 500 / (2 * kPi * d), 500 / (2 * kPi * d) * kRelative);
        // Straight below the conductor the field is horizontal.
        EXPECT_EQ(f.resultValueY[i], 0.0);
        EXPECT_DOUBLE_EQ(f.resultPositionH[i], 0.0);
    }
    EXPECT_TRUE(f.resultFieldKind);
    EXPECT_DOUBLE_EQ(f.resultMaxCurrent1, 500.0);
}

TEST(MagneticField, FirstCircuitCarriesTheLargerCurrent) {
    auto run = [](const char* i1, const char* i2) {
        Bench b;
        setUpBuiltIn(b, 2);
        b.form.fieldChoice = 1;
        b.form.currents = {i1, i2, true};
        prepareFullWidth(b, 100.0, 2.0);
        PassContext ctx = b.context();
        EXPECT_TRUE(computeMagneticField(ctx, 0.0, 0.0, false, true));
        return std::make_unique<FieldProfile>(*b.profile);
    };
    const auto a = run("100", "400");
    const auto c = run("400", "100");
    EXPECT_DOUBLE_EQ(a->resultMaxCurrent1, 100.0);
    EXPECT_DOUBLE_EQ(a->resultMaxCurrent2, 400.0);
    for (int i = 1; i <= 201; ++i) {
        EXPECT_EQ(a->resultValue[i], c->resultValue[i]);
    }
    // Equal currents would give a symmetric profile; unequal ones do not.
    EXPECT_GT(std::fabs(a->resultValue[21] - a->resultValue[181]), 1e-3);
}

TEST(BundleRadius, EquivalentRadius) {
    EXPECT_DOUBLE_EQ(bundleEquivalentRadius(0.016, 1, 0.4), 0.016);
    EXPECT_NEAR(bundleEquivalentRadius(0.016, 2, 0.4), std::sqrt(0.016 * 0.4), 1e-15);
    const double circle = 0.4 / (2 * std::sin(kPi / 4));
    EXPECT_NEAR(bundleEquivalentRadius(0.016, 4, 0.4),
                std::pow(4 * 0.016 * std::pow(circle, 3), 0.25), 1e-15);
    const double triangle = 0.4 / (2 * std::sin(kPi / 3));
    EXPECT_NEAR(bundleEquivalentRadius(0.01, 3, 0.4), std::cbrt(3 * 0.01 * triangle * triangle),
                1e-15);
}

TEST(CapacitanceMatrix, TwoConductorsByHand) {
    Bench b;
    LineProject& p = *b.project;
    setUpSingleConductor(b, 0.01, 10.0, 100.0);
    p.groundWireCount = 1;
    p.groundBundleSize = 1;
    p.groundWireRadius = 0.005;
    p.conductorCount = 2;
    p.conductorX[2] = 3.0;
    p.conductorY[2] = 14.0;
    assignRadii(p, false);
    p.potentialFactor = 1 / (2 * kPi * kEps0);
    ASSERT_TRUE(buildCapacitanceMatrix(p, b.ui));
    const double pf = p.potentialFactor;
    const double p11 = std::log(20.0 / 0.01) * pf;
    const double p22 = std::log(28.0 / 0.005) * pf;
    const double p12 = std::log(std::sqrt(9.0 + 576.0) / 5.0) * pf;
    const double det = p11 * p22 - p12 * p12;
    const double b11 = p22 / det, b22 = p11 / det, b12 = -p12 / det;
    EXPECT_NEAR(p.capacitanceMatrix[1][1], b11 + b12, 1e-12 * std::fabs(b11));
    EXPECT_NEAR(p.capacitanceMatrix[2][2], b22 + b12, 1e-12 * std::fabs(b22));
    EXPECT_NEAR(p.capacitanceMatrix[1][2], -b12, 1e-12 * std::fabs(b12));
    EXPECT_NEAR(p.capacitanceMatrix[2][1], -b12, 1e-12 * std::fabs(b12));
    EXPECT_NEAR(p.determinantMantissa * std::pow(10.0, p.determinantExponent), det, det * 1e-12);
    EXPECT_GT(std::fabs(p.determinantMantissa), 1.0);
    EXPECT_LE(std::fabs(p.determinantMantissa), 1e10);
}

TEST(CapacitanceMatrix, DeterminantKeepsItsSign) {
    Matrix a{};
    a[1][1] = 0.0;
    a[1][2] = 2.0;
    a[2][1] = 3.0;
    a[2][2] = 1.0;
    const Determinant d = determinant(2, a);
    EXPECT_NEAR(d.mantissa * std::pow(10.0, d.exponent), -6.0, 1e-12);
    Matrix singular{};
    singular[1][1] = 1.0;
    singular[1][2] = 2.0;
    singular[2][1] = 2.0;
    singular[2][2] = 4.0;
    EXPECT_EQ(determinant(2, singular).mantissa, 0.0);
}

TEST(SurfaceResults, InterferenceIdentities) {
    double l[5];
    interferenceLevels(14.0, 0.01, -9.1, 20.0, 20.0, 0.5, l);
    EXPECT_NEAR(l[1] - l[2], 10.0, 1e-12);
    EXPECT_NEAR(l[3] - l[2], 0.7 * 14.0, 1e-12);
    double at01[5];
    interferenceLevels(14.0, 0.01, -9.1, 20.0, 20.0, 0.1, at01);
    const double dist = std::sqrt(29.1 * 29.1 + 18.2 * 18.2);
    // At 0.1 MHz the frequency term of formulas 1 and 5 vanishes; r = 1 cm removes the size term.
    EXPECT_NEAR(at01[0], 3.25 * 14 + 17.9 - 32 * std::log10(dist) + 12 * std::log10(25.0), 1e-12);
    EXPECT_NEAR(at01[0] - at01[4], 5.6, 1e-12);
    double at1[5];
    interferenceLevels(14.0, 0.01, -9.1, 20.0, 20.0, 1.0, at1);
    EXPECT_NEAR(at1[2], 3.8 * 14 + 14 - 34 * std::log10(dist), 1e-12);
    EXPECT_NEAR(surfaceInductionFromMaximum(1000.0), 1000.0 * 4 * kPi * 1e-4, 1e-15);
}

struct Symmetry : ::testing::TestWithParam<bool> {};

// The double-circuit tower with equal phase orders and currents is a mirror image of itself.
TEST_P(Symmetry, DoubleCircuitProfileIsMirrored) {
    const bool magnetic = GetParam();
    Bench b;
    setUpBuiltIn(b, 2);
    b.form.fieldChoice = magnetic ? 1 : 0;
    b.form.currents = {"500", "500", true};
    prepareFullWidth(b, 100.0, 2.0);
    PassContext ctx = b.context();
    ASSERT_TRUE(magnetic ? computeMagneticField(ctx, 0.0, 0.0, false, true)
                         : computeElectricField(ctx, 0.0, 0.0, false, false));
    const FieldProfile& f = *b.profile;
    ASSERT_EQ(f.profilePointCount, 201);
    for (int i = 1; i <= 100; ++i) {
        EXPECT_NEAR(f.resultValue[i], f.resultValue[202 - i], 1e-9 * f.resultMaxValue) << i;
    }
    // Equal maxima on both sides: the last one counts.
    EXPECT_GT(f.resultMaxIndex, 101);
}

INSTANTIATE_TEST_SUITE_P(BothFields, Symmetry, ::testing::Values(false, true));

TEST(Symmetry, SingleCircuitMirrorsWithinTheSampling) {
    // Mirroring H52 swaps phases R and T; 41 instants catch the period's maximum to 0.5 %.
    Bench b;
    setUpBuiltIn(b, 1);
    prepareFullWidth(b, 60.0, 1.0);
    PassContext ctx = b.context();
    ASSERT_TRUE(computeElectricField(ctx, 0.0, 0.0, false, false));
    const FieldProfile& f = *b.profile;
    for (int i = 1; i <= 100; ++i) {
        EXPECT_NEAR(f.resultValue[i], f.resultValue[202 - i], 5e-3 * f.resultValue[i]) << i;
    }
}

} // namespace
} // namespace velt::testing
