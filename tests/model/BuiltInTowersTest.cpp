#include "model/BuiltInTowers.h"

#include <gtest/gtest.h>

namespace velt {
namespace {

TEST(BuiltInTowers, ListTextsAndNames) {
    EXPECT_EQ(builtInTowerListTexts()[0], "S12--> P   (110 kV)");
    EXPECT_EQ(builtInTowerListTexts()[1], "H52--> PS   (220 kV)");
    EXPECT_EQ(builtInTowerListTexts()[2], "Z52-->ON150   (400 kV)");
    EXPECT_EQ(builtInTowers()[2].towerType, "ON150");
    EXPECT_EQ(builtInTowerBySeries("H52"), &builtInTowers()[1]);
    EXPECT_EQ(builtInTowerBySeries("X"), nullptr);
}

TEST(BuiltInTowers, ConductorData) {
    const TowerDefinition& z = builtInTowers()[2];
    EXPECT_EQ(z.phaseConductorCount, 6u);
    EXPECT_EQ(z.groundWireCount, 2u);
    EXPECT_EQ(z.phaseBundleSize, 2u);
    EXPECT_DOUBLE_EQ(z.phaseBundleSpacing, 0.4);
    EXPECT_DOUBLE_EQ(z.phaseVoltagePeak, 342.92856);
    EXPECT_DOUBLE_EQ(z.conductorX[5], 9.1);
    EXPECT_DOUBLE_EQ(z.conductorY[5], 15.8);
    EXPECT_DOUBLE_EQ(z.conductorX[7], 6.9);
    const TowerDefinition& s = builtInTowers()[0];
    EXPECT_DOUBLE_EQ(s.phaseDiameter, 0.016);
    EXPECT_DOUBLE_EQ(s.phaseVoltagePeak, 100.429);
    EXPECT_DOUBLE_EQ(builtInTowers()[1].phaseVoltagePeak, 200.04166);
}

} // namespace
} // namespace velt
