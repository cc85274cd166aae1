#include "model/TowerChoice.h"
#include "model/BuiltInTowers.h"

#include <gtest/gtest.h>

#include <memory>

namespace velt {
namespace {

struct Choice : ::testing::Test {
    std::unique_ptr<LineProject> project = std::make_unique<LineProject>();
    TowerChoiceState state;
    void choose(int index) { chooseTower(*project, state, builtInTowers()[index], index); }
};

TEST_F(Choice, S12WithTypedHeights) {
    choose(0);
    EXPECT_TRUE(project->towerChosen);
    EXPECT_TRUE(state.heightsFresh);
    const HeightCheckResult r = checkHeights(*project, state, "10", "14");
    EXPECT_EQ(r.indicator, HeightIndicator::Green);
    EXPECT_EQ(r.hint, "Wysokości przewodów są poprawne.");
    EXPECT_DOUBLE_EQ(project->conductorX[1], -2.6);
    EXPECT_DOUBLE_EQ(project->conductorY[1], 10.0);
    EXPECT_DOUBLE_EQ(project->conductorY[2], 10.0);
    EXPECT_DOUBLE_EQ(project->conductorY[3], 13.2);
    EXPECT_DOUBLE_EQ(project->conductorY[4], 14.0);
    EXPECT_DOUBLE_EQ(project->phaseRadius, 0.016); // a diameter until the dialog is accepted
    EXPECT_FALSE(state.heightsFresh);
}

TEST_F(Choice, GroundWireHeightRules) {
    choose(0);
    EXPECT_EQ(checkHeights(*project, state, "10", "13.2").indicator, HeightIndicator::Green);
    const HeightCheckResult low = checkHeights(*project, state, "10", "13");
    EXPECT_EQ(low.indicator, HeightIndicator::Red);
    EXPECT_EQ(low.hint, "Wyskość przewodów odgromowych jest za niska!");
    // The same heights again change nothing.
    EXPECT_FALSE(checkHeights(*project, state, "10", "13").changed);
    EXPECT_EQ(checkHeights(*project, state, "", "13").hint, "Nie podano wysokości przewodów!");
    EXPECT_EQ(checkHeights(*project, state, "12", "11").hint, "Niepoprawne wysokości przewodów!");
    EXPECT_EQ(checkHeights(*project, state, "abc", "11").hint, "Niepoprawne wysokości przewodów!");
    EXPECT_EQ(checkHeights(*project, state, "12", "12").indicator, HeightIndicator::Red);
}

TEST_F(Choice, HeightsAbove100mAreClamped) {
    choose(1);
    const HeightCheckResult r = checkHeights(*project, state, "150", "160");
    EXPECT_EQ(r.indicator, HeightIndicator::Green);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_DOUBLE_EQ(project->conductorY[i], 100.0) << i;
    }
}

TEST_F(Choice, RepeatedChecksNeverDrift) {
    choose(2);
    checkHeights(*project, state, "12.3", "40");
    checkHeights(*project, state, "17.1", "40");
    checkHeights(*project, state, "12.3", "40");
    EXPECT_EQ(project->conductorY[3], 15.8 + 12.3);
}

TEST_F(Choice, AnotherTowerLeavesNoStaleConductor) {
    choose(2);
    checkHeights(*project, state, "20", "45");
    choose(1);
    EXPECT_EQ(project->phaseConductorCount, 3u);
    EXPECT_EQ(project->groundWireCount, 2u);
    for (int i = 6; i <= 8; ++i) {
        EXPECT_EQ(project->conductorX[i], 0.0);
        EXPECT_EQ(project->conductorY[i], 0.0);
    }
    EXPECT_EQ(state.appliedWorkingHeight, 0.0);
    EXPECT_EQ(project->chosenTowerIndex, 1);
}

} // namespace
} // namespace velt
