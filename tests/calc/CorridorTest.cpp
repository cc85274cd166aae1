// Lines beside the main one: the passes add their fields as if all were one line.

#include "CalcFixtures.h"

#include "calc/CalculationDriver.h"
#include "calc/MagneticEngine.h"
#include "calc/MainLineConductors.h"
#include "calc/NeighbourConductors.h"
#include "model/BuiltInTowers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velt::testing {
namespace {

void calculateIn(Bench& b, bool magnetic) {
    b.form.fieldChoice = magnetic ? 1 : 0;
    b.project->lineDataAccepted = true;
    PassContext ctx = b.context();
    ASSERT_EQ(calculate(ctx), CalculationOutcome::Done);
    ASSERT_TRUE(b.ui.messages.empty());
}

// Profiles alike to `relative` of the larger maximum, point by point.
void expectSameProfile(const FieldProfile& a, const FieldProfile& b, double relative) {
    ASSERT_EQ(a.profilePointCount, b.profilePointCount);
    const double scale = std::max(a.resultMaxValue, b.resultMaxValue);
    for (int i = 1; i <= a.profilePointCount; ++i) {
        EXPECT_NEAR(a.resultValue[i], b.resultValue[i], relative * scale) << i;
    }
}

// H52 with a second H52 at `offset` as its second circuit, the second line's conductors
// 2 m lower: the two lines as one tower.
TowerDefinition bothLines(double offset) {
    const TowerDefinition h52 = builtInTowers()[1];
    TowerDefinition t = h52;
    t.phaseConductorCount = 6;
    t.groundWireCount = 4;
    for (int k = 0; k < 3; ++k) {
        t.conductorX[k] = h52.conductorX[k];
        t.conductorY[k] = 2.0;
        t.conductorX[3 + k] = h52.conductorX[k] + offset;
        t.conductorY[3 + k] = 0.0;
    }
    for (int k = 0; k < 2; ++k) {
        t.conductorX[6 + k] = h52.conductorX[3 + k];
        t.conductorX[8 + k] = h52.conductorX[3 + k] + offset;
    }
    return t;
}

struct Corridor : ::testing::TestWithParam<bool> {};

// The lower line on the left holds the maximum, so the stored half is computed with the
// first pass's offset: the neighbour must move with it.
TEST_P(Corridor, NeighbourAddsAsOneTowerWould) {
    const bool magnetic = GetParam();
    Bench corridor;
    setUpBuiltIn(corridor, 1);
    corridor.form.currents = {"500", "0", false};
    NeighbourLine n = builtInNeighbour(1, -20.0, 500.0);
    n.workingHeight = 10.0;
    corridor.form.options.neighbours = {n};
    calculateIn(corridor, magnetic);

    Bench single;
    setUpTower(single, bothLines(-20.0), "10", "40");
    single.form.currents = {"500", "500", true};
    calculateIn(single, magnetic);

    EXPECT_EQ(corridor.project->halfRange, 50.0); // the left half, in the first pass's frame
    EXPECT_EQ(corridor.project->frameOffset, 0.0);
    EXPECT_EQ(corridor.profile->resultAxisX, single.profile->resultAxisX);
    expectSameProfile(*corridor.profile, *single.profile, 1e-9);
}

TEST_P(Corridor, FarNeighbourChangesNothing) {
    const bool magnetic = GetParam();
    Bench alone;
    setUpBuiltIn(alone, 1);
    alone.form.currents = {"500", "0", false};
    calculateIn(alone, magnetic);

    // A loaded line still adds its far field, 1e-5 A/m at 10 km for 500 A 7.7 m apart;
    // a lightly loaded one stays below 1e-6 of the main line's field.
    Bench far;
    setUpBuiltIn(far, 1);
    far.form.currents = alone.form.currents;
    far.form.options.neighbours = {builtInNeighbour(1, 10000.0, 100.0)};
    calculateIn(far, magnetic);
    EXPECT_EQ(far.profile->resultAxisX, alone.profile->resultAxisX);
    expectSameProfile(*far.profile, *alone.profile, 1e-6);
}

// S12 at 20 m with H52 30 m to its right, and H52 at 50 m with S12 30 m to its left: the
// same conductors in the same places.
TEST_P(Corridor, SwappingMainAndNeighbourMovesOnlyTheAxis) {
    const bool magnetic = GetParam();
    const auto run = [&](int main, int neighbour, double shift, double offset, const char* current,
                         double neighbourCurrent) {
        auto b = std::make_unique<Bench>();
        setUpBuiltIn(*b, main);
        shiftTower(*b, shift);
        b->form.currents = {current, "0", false};
        b->form.options.neighbours = {builtInNeighbour(neighbour, offset, neighbourCurrent)};
        b->ui.rangeAnswers = {"80"};
        calculateIn(*b, magnetic);
        return b;
    };
    const auto s12 = run(0, 1, 20.0, 30.0, "300", 500.0);
    const auto h52 = run(1, 0, 50.0, -30.0, "500", 300.0);
    expectSameProfile(*s12->profile, *h52->profile, 1e-9);
    EXPECT_EQ(s12->profile->resultAxisX, 20.0);
    EXPECT_EQ(h52->profile->resultAxisX, 50.0);
}

INSTANTIATE_TEST_SUITE_P(BothFields, Corridor, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Magnetic" : "Electric"; });

TEST(CorridorField, AntiparallelCircuitsInOnePlaceCancel) {
    Bench b;
    setUpBuiltIn(b, 1);
    b.form.currents = {"500", "0", false};
    const ConductorList main = mainLineConductors(*b.project, b.form, false);
    NeighbourLine opposite = builtInNeighbour(1, 0.0, 500.0);
    opposite.angle = 180.0;
    ConductorList both = main;
    const ConductorList added = neighbourConductors(opposite, 1, mainTowerAxis(*b.project));
    both.insert(both.end(), added.begin(), added.end());
    const MagneticEngine alone(main);
    const MagneticEngine together(both);
    for (double x = -50.0; x <= 50.0; x += 2.5) {
        // The program's pi is 3.1415926: 180 degrees miss half a turn by 5e-8 rad.
        EXPECT_LE(together.at(x, 2.0).magnitude, 1e-7 * alone.at(x, 2.0).magnitude) << x;
    }
}

} // namespace
} // namespace velt::testing
