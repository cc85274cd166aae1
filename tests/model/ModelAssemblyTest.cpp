#include "model/ModelAssembly.h"
#include "model/BuiltInTowers.h"
#include "model/TowerChoice.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace velt {
namespace {

struct Assembly : ::testing::Test {
    std::unique_ptr<LineProject> project = std::make_unique<LineProject>();
    TowerChoiceState state;
    LineDataForm form;
    void setUpTower(int index) {
        chooseTower(*project, state, builtInTowers()[index], index);
        checkHeights(*project, state, "12", "40");
    }
};

TEST_F(Assembly, RadiiCountsAndCircuitMode) {
    setUpTower(2);
    ASSERT_FALSE(assembleLineModel(*project, form));
    EXPECT_DOUBLE_EQ(project->phaseRadius, 0.016);
    EXPECT_DOUBLE_EQ(project->groundWireRadius, 0.0065);
    EXPECT_EQ(project->conductorCount, 8u);
    EXPECT_EQ(project->circuitMode, 2u);
    setUpTower(0);
    ASSERT_FALSE(assembleLineModel(*project, form));
    EXPECT_EQ(project->circuitMode, 1u);
}

TEST_F(Assembly, ShieldWiresTakeTheTowerShift) {
    setUpTower(0);
    project->towerShift = 5.0;
    form.shieldWiresChecked = true;
    form.shieldWires.rows = {{"3", "12"}, {"-4.5", ""}};
    ASSERT_FALSE(assembleLineModel(*project, form));
    EXPECT_EQ(project->shieldWireCount, 2u);
    EXPECT_DOUBLE_EQ(project->conductorX[5], 8.0);
    EXPECT_DOUBLE_EQ(project->conductorY[5], 12.0);
    EXPECT_DOUBLE_EQ(project->conductorX[6], 0.5);
    EXPECT_DOUBLE_EQ(project->conductorY[6], 0.0);
}

TEST_F(Assembly, BuildingWithoutShieldWires) {
    setUpTower(0);
    project->buildingOn = true;
    form.building = {"20", "8", "30", "10"};
    form.lineHeight = "1.6"; // exactly on the second wall conductor
    ASSERT_FALSE(assembleLineModel(*project, form));
    EXPECT_EQ(project->shieldWireCount, 20u);
    EXPECT_EQ(project->conductorCount, 24u);
    EXPECT_DOUBLE_EQ(project->shieldWireRadius, 0.005);
    EXPECT_EQ(project->shieldBundleSize, 1u);
    EXPECT_DOUBLE_EQ(project->conductorX[5], 20.0);
    EXPECT_DOUBLE_EQ(project->conductorY[5], 0.8);
    EXPECT_DOUBLE_EQ(project->conductorY[6], 1.6 + 0.4); // nudged by half the wall step
    EXPECT_DOUBLE_EQ(project->conductorY[14], 8.0);
    EXPECT_DOUBLE_EQ(project->conductorX[15], 21.0);
    EXPECT_DOUBLE_EQ(project->conductorY[15], 8.2);
    EXPECT_DOUBLE_EQ(project->conductorX[24], 30.0);
    EXPECT_DOUBLE_EQ(project->conductorY[24], 10.0);
}

TEST_F(Assembly, BuildingWithShieldWiresTakesTheirRadius) {
    setUpTower(0);
    project->buildingOn = true;
    project->shieldWireRadius = 0.01;
    form.shieldWiresChecked = true;
    form.shieldWires.rows = {{"3", "12"}};
    form.building = {"20", "8", "30", "10"};
    form.lineChoice = 1;
    form.lineDistance = "22"; // on the second roof conductor
    ASSERT_FALSE(assembleLineModel(*project, form));
    EXPECT_EQ(project->shieldWireCount, 21u);
    EXPECT_DOUBLE_EQ(project->shieldWireRadius, 0.01);
    EXPECT_DOUBLE_EQ(project->conductorX[17], 22.5);
}

TEST_F(Assembly, TooManyConductorsChangeNothing) {
    setUpTower(2);
    project->buildingOn = true;
    form.shieldWiresChecked = true;
    for (int i = 0; i < 32; ++i) {
        form.shieldWires.rows.push_back({std::to_string(i), "5"});
    }
    const auto before = std::make_unique<LineProject>(*project);
    EXPECT_TRUE(assembleLineModel(*project, form));
    EXPECT_EQ(std::memcmp(before.get(), project.get(), sizeof(LineProject)), 0);
    form.shieldWires.rows.pop_back(); // 8 + 31 + 20 = 59 fits
    EXPECT_FALSE(assembleLineModel(*project, form));
    EXPECT_EQ(project->conductorCount, 59u);
}

} // namespace
} // namespace velt
