// Storing a profile: maxima, scales, the drawing-range question and the tower axis.

#include "CalcFixtures.h"

#include "calc/ProfileSampling.h"

#include <gtest/gtest.h>

namespace velt::testing {
namespace {

struct Sampling : ::testing::Test {
    Bench b;
    double positions[kProfileSlots] = {};
    double values[kProfileSlots] = {};
    void SetUp() override {
        LineProject& p = *b.project;
        p.phaseConductorCount = 2;
        p.groundWireCount = 1;
        p.conductorY[1] = 12.2;
        p.conductorY[2] = 18.0;
        p.conductorY[3] = 17.5;
        p.profileLength = 50.0;
        p.towerShifted = true;
        p.towerShift = 5.0;
        for (int i = 1; i <= 5; ++i) {
            positions[i] = -(i - 1) * 2.0;
        }
    }
    void sample() {
        PassContext ctx = b.context();
        sampleProfile(ctx, 5, positions, values, false, 0.0, false);
    }
};

TEST_F(Sampling, MaximumScalesAndAbsolutePositions) {
    const double v[] = {0, 1.0, 2.34, 2.0, 2.34 - 1e-12, 1.5};
    std::copy(std::begin(v), std::end(v), values);
    sample();
    const FieldProfile& f = *b.profile;
    EXPECT_EQ(f.resultPosition[3], 4.0);
    EXPECT_EQ(f.resultMaxIndex, 4); // equal within rounding: the last one
    EXPECT_EQ(f.resultMaxValue, 2.34);
    EXPECT_EQ(f.maxPosition, 6.0);
    EXPECT_NEAR(f.valueAxisMax, 2.4, 1e-12);
    EXPECT_EQ(f.maxConductorHeight, 18);
    EXPECT_NEAR(f.heightAxisStep, 1.8, 1e-12);
    EXPECT_EQ(f.resultAxisX, 5.0);
    EXPECT_EQ(b.ui.drawingRangeQuestions, 1);
    EXPECT_EQ(f.resultDrawRange, 50.0);
}

// The value axis ends at the next multiple of 0.1 above the maximum, truncated: maxima whose
// tenth would round up tell truncating from rounding.
TEST_F(Sampling, ValueAxisEndsAtTheNextTenthAbove) {
    const struct {
        double maximum;
        double axis;
    } cases[] = {{0.96, 1.0}, {2.36, 2.4}, {2.3, 2.4}, {0.04, 0.1}, {9.951, 10.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.maximum);
        values[3] = c.maximum;
        sample();
        EXPECT_NEAR(b.profile->valueAxisMax, c.axis, 1e-12);
        EXPECT_NEAR(b.profile->valueAxisStep, 0.1 * c.axis, 1e-12);
    }
}

TEST_F(Sampling, ZeroProfile) {
    sample();
    EXPECT_EQ(b.profile->resultMaxIndex, 5);
    EXPECT_EQ(b.profile->maxPosition, 8.0);
    EXPECT_NEAR(b.profile->valueAxisMax, 0.1, 1e-15);
}

TEST_F(Sampling, DrawingRangeRefusals) {
    b.ui.drawingRangeAnswers = {"0", "50.01", "abc", "50"};
    sample();
    ASSERT_EQ(b.ui.messages.size(), 3u);
    EXPECT_EQ(b.ui.messages[0], "Zakres rysunku musi być większy od 0.0 [m]!");
    EXPECT_EQ(b.ui.messages[1], "Zakres rysunku nie może być większy od zakresu obliczeń!");
    EXPECT_EQ(b.ui.messages[2], "Zakres rysunku musi być większy od 0.0 [m]!");
    EXPECT_EQ(b.profile->drawRange, 50.0);
}

TEST_F(Sampling, FirstPassAsksNothing) {
    b.project->towerShifted = false;
    b.project->firstPassRunning = true;
    values[2] = 3.0;
    sample();
    EXPECT_EQ(b.ui.drawingRangeQuestions, 0);
    EXPECT_EQ(b.project->firstPassMaxIndex, 2.0);
}

TEST_F(Sampling, AxisOfTheUnshiftedTower) {
    LineProject& p = *b.project;
    p.towerShifted = false;
    p.halfRange = 25.0;
    p.lastHalfRange = 25.0;
    sample();
    EXPECT_EQ(b.profile->resultAxisX, 25.0);
    EXPECT_TRUE(b.profile->resultAxisOffsetSet);
    EXPECT_EQ(b.profile->resultAxisOffset, 25.0);
    // Proposed drawing range: the half range.
    p.halfRange = 0.0;
    sample();
    EXPECT_EQ(b.profile->resultAxisX, 0.0);
    EXPECT_FALSE(b.profile->resultAxisOffsetSet);
}

TEST_F(Sampling, VerticalLineAxisIsTheTowerShift) {
    LineProject& p = *b.project;
    p.towerShifted = false;
    p.towerShift = 0.0;
    p.halfRange = 25.0;
    b.form.lineChoice = 1;
    sample();
    EXPECT_EQ(b.profile->resultAxisX, 0.0);
    EXPECT_FALSE(b.profile->resultAxisOffsetSet);
    EXPECT_TRUE(b.profile->resultLineKind);
}

} // namespace
} // namespace velt::testing
