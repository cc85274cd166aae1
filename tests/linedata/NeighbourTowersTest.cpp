#include "linedata/NeighbourTowers.h"

#include "model/BuiltInTowers.h"

#include <gtest/gtest.h>

namespace velt {
namespace {

TowerDefinition named(const std::string& series, double firstX = 1.0) {
    TowerDefinition tower = builtInTowers()[1];
    tower.towerSeries = series;
    tower.conductorX[0] = firstX;
    return tower;
}

std::vector<std::string> textsOf(const std::vector<NeighbourTowerEntry>& entries) {
    std::vector<std::string> texts;
    for (const NeighbourTowerEntry& entry : entries) {
        texts.push_back(entry.text + (entry.builtIn ? " *" : ""));
    }
    return texts;
}

// The test tower is offered whether the line-data dialog lists it at the moment or not.
TEST(NeighbourTowers, TheLineDataDialogsTowersShownOrNot) {
    TowerList list;
    list.addCatalogueTower(named("K1"));
    list.setTestTower(named("T1*"));
    const std::vector<std::string> expected = {"S12--> P   (110 kV) *", "H52--> PS   (220 kV) *",
                                               "Z52-->ON150   (400 kV) *", "K1 <-> PS",
                                               "T1* <-> PS"};
    EXPECT_EQ(textsOf(neighbourTowerEntries(list)), expected);
    list.showTestEntry();
    EXPECT_EQ(textsOf(neighbourTowerEntries(list)), expected);
    list.hideTestEntry();
    list.setTestTower(std::nullopt);
    EXPECT_EQ(neighbourTowerEntries(list).size(), 4u);
}

TEST(NeighbourTowers, ALinesTowerFindsItsEntry) {
    TowerList list;
    list.addCatalogueTower(named("K1"));
    std::vector<NeighbourTowerEntry> entries = neighbourTowerEntries(list);
    EXPECT_EQ(neighbourTowerEntry(entries, builtInTowers()[2], true), 2);
    EXPECT_EQ(neighbourTowerEntry(entries, named("K1"), false), 3);
    // A built-in tower's copy from a catalogue is no built-in tower.
    EXPECT_EQ(neighbourTowerEntry(entries, builtInTowers()[1], false), 4);
    EXPECT_EQ(neighbourTowerEntry(entries, named("K1", 2.0), false), 5);
    EXPECT_EQ(entries[5].text, "K1 <-> PS");
    EXPECT_FALSE(entries[5].builtIn);
    EXPECT_EQ(neighbourTowerEntry(entries, named("K1", 2.0), false), 5);
    EXPECT_EQ(entries.size(), 6u);
}

} // namespace
} // namespace velt
