#include "linedata/TowerList.h"

#include "model/BuiltInTowers.h"

#include <gtest/gtest.h>

namespace velt {
namespace {

TowerDefinition named(const std::string& series, const std::string& type, double firstX = 1.0) {
    TowerDefinition tower = builtInTowers()[0];
    tower.towerSeries = series;
    tower.towerType = type;
    tower.conductorX[0] = firstX;
    return tower;
}

TEST(TowerList, BuiltInTowersFirstThenCatalogueTowersBeforeTheTestTower) {
    TowerList list;
    EXPECT_EQ(list.size(), 3);
    EXPECT_EQ(list.texts()[2], "Z52-->ON150   (400 kV)");
    EXPECT_EQ(list.tower(1)->towerSeries, "H52");
    EXPECT_EQ(list.tower(-1), nullptr);
    EXPECT_EQ(list.tower(3), nullptr);

    list.setTestTower(named("T1*", "X"));
    EXPECT_EQ(list.showTestEntry(), "T1* <-> X");
    const TowerList::Added first = list.addCatalogueTower(named("K1", "A"));
    EXPECT_EQ(first.index, 3);
    EXPECT_TRUE(first.inserted);
    EXPECT_EQ(list.texts(),
              (std::vector<std::string>{"S12--> P   (110 kV)", "H52--> PS   (220 kV)",
                                        "Z52-->ON150   (400 kV)", "K1 <-> A", "T1* <-> X"}));
    EXPECT_EQ(list.tower(4)->towerSeries, "T1*");

    // The same key again takes its entry: nothing is listed twice.
    const TowerList::Added again = list.addCatalogueTower(named("K1", "A", 7.0));
    EXPECT_EQ(again.index, 3);
    EXPECT_FALSE(again.inserted);
    EXPECT_EQ(list.tower(3)->conductorX[0], 7.0);
    EXPECT_EQ(list.size(), 5);
}

TEST(TowerList, TheTestEntryNeverAccumulates) {
    TowerList list;
    EXPECT_EQ(list.showTestEntry(), std::nullopt); // no test tower
    EXPECT_EQ(list.hideTestEntry(), -1);
    list.setTestTower(named("S12*", "P"));
    for (int showing = 0; showing < 2; ++showing) {
        EXPECT_EQ(list.showTestEntry(), "S12* <-> P");
        EXPECT_EQ(list.showTestEntry(), std::nullopt);
        EXPECT_EQ(list.size(), 4);
        EXPECT_EQ(list.hideTestEntry(), 3);
        EXPECT_EQ(list.size(), 3);
    }
    // A tower handed over while the dialog is shown is listed from the next showing on; the
    // listed entry keeps the tower its text names.
    list.showTestEntry();
    list.setTestTower(named("N1*", "Q", 5.0));
    EXPECT_EQ(list.tower(3)->towerSeries, "S12*");
    EXPECT_EQ(list.hideTestEntry(), 3);
    EXPECT_EQ(list.showTestEntry(), "N1* <-> Q");
    EXPECT_EQ(list.tower(3)->conductorX[0], 5.0);
}

} // namespace
} // namespace velt
