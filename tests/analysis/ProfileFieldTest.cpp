// The field along a stored profile's line at any point: at the profile's own points it is
// the profile, whichever frame and half the calculation kept.

#include "CalcFixtures.h"

#include "analysis/ExposureZone.h"
#include "analysis/ProfileField.h"
#include "calc/CalculationDriver.h"
#include "model/BuiltInTowers.h"

#include <gtest/gtest.h>

namespace velt::testing {
namespace {

// S12 mirrored: its maximum lies right of the axis.
TowerDefinition mirroredS12() {
    TowerDefinition t = builtInTowers()[0];
    for (std::uint32_t i = 0; i < t.phaseConductorCount + t.groundWireCount; ++i) {
        t.conductorX[i] = -t.conductorX[i];
    }
    return t;
}

struct FrameCase {
    const char* name;
    bool magnetic;
    bool mirrored;
    double shift;
    bool vertical;
    double axis; ///< the stored profile's axis
};

const FrameCase kFrames[] = {
    {"LeftHalfElectric", false, false, 0.0, false, 50.0},
    {"LeftHalfMagnetic", true, false, 0.0, false, 50.0},
    {"RightHalfElectric", false, true, 0.0, false, 0.0},
    {"RightHalfMagnetic", true, true, 0.0, false, 0.0},
    {"ShiftedMagnetic", true, false, 30.0, false, 30.0},
    {"VerticalElectric", false, false, 0.0, true, 0.0},
    {"VerticalMagnetic", true, false, 0.0, true, 0.0},
};

TEST(ProfileField, GivesTheProfileAtItsPoints) {
    for (const FrameCase& c : kFrames) {
        SCOPED_TRACE(c.name);
        Bench b;
        setUpTower(b, c.mirrored ? mirroredS12() : builtInTowers()[0]);
        shiftTower(b, c.shift);
        b.form.fieldChoice = c.magnetic ? 1 : 0;
        b.form.lineChoice = c.vertical ? 1 : 0;
        b.form.lineDistance = "4";
        b.form.currents.firstCircuit = "500";
        // The neighbour on the side of the maximum, so that this side is kept.
        b.form.options.neighbours = {builtInNeighbour(1, c.mirrored ? 45.0 : -45.0)};
        b.project->lineDataAccepted = true;
        PassContext ctx = b.context();
        ASSERT_EQ(calculate(ctx), CalculationOutcome::Done);
        const FieldProfile& f = *b.profile;
        EXPECT_EQ(f.resultAxisX, c.axis);
        const auto field = ProfileField::of(*b.project, b.form, f);
        ASSERT_TRUE(field);
        const double* at = profilePositions(f);
        for (int i = 1; i <= f.profilePointCount; ++i) {
            EXPECT_NEAR(field->at(at[i]), f.resultValue[i], 1e-9 * f.resultValue[i]) << i;
        }
    }
}

TEST(ProfileField, NoneOnTheConductors) {
    Bench b;
    setUpBuiltIn(b, 0);
    b.form.modeChoice = 0;
    b.project->lineDataAccepted = true;
    PassContext ctx = b.context();
    ASSERT_EQ(calculate(ctx), CalculationOutcome::Done);
    EXPECT_FALSE(ProfileField::of(*b.project, b.form, *b.profile));
}

} // namespace
} // namespace velt::testing
