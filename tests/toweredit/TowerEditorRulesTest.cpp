// The tower editor's height check, its lists and the assembly of a tower, without widgets.
#include "toweredit/TowerAssembly.h"
#include "toweredit/TowerEditorState.h"
#include "model/BuiltInTowers.h"
#include "model/TowerCatalogue.h"

#include <gtest/gtest.h>

namespace velt {
namespace {

TowerEditorFields fields(const std::string& hw, const std::string& hg) {
    TowerEditorFields f;
    f.series = "S12";
    f.type = "P";
    f.workingHeight = hw;
    f.groundHeight = hg;
    return f;
}

// The built-in S12 as the editor holds it after reading it from a catalogue.
TowerEditorState readS12() {
    TowerEditorState state;
    takeCatalogueTower(state, builtInTowers()[0]);
    return state;
}

TEST(EditorHeightCheck, RefusalsLeaveTheTowerAlone) {
    TowerEditorState state = readS12();
    const TowerDefinition before = state.editorTower;
    TowerEditorFields noType = fields("10", "14");
    noType.type.clear();
    EXPECT_EQ(checkEditorHeights(state, noType).hint, "Nie podano wysokości przewodów!");
    for (const auto& [hw, hg] : {std::pair{"12", "10"},
                                 {"", "14"},
                                 {"10", "0"},
                                 {"-1", "5"},
                                 {"abc", "14"},
                                 {"10", "9,9"}}) {
        const HeightCheckResult r = checkEditorHeights(state, fields(hw, hg));
        EXPECT_TRUE(r.changed);
        EXPECT_EQ(r.indicator, HeightIndicator::Red);
        EXPECT_EQ(r.hint, "Niepoprawne wysokości przewodów!") << hw << " " << hg;
    }
    EXPECT_EQ(state.editorTower, before);
    EXPECT_TRUE(state.editorHeightsFresh);
}

TEST(EditorHeightCheck, AppliesClampsAndReappliesFromTheRelativeHeights) {
    TowerEditorState state = readS12();
    HeightCheckResult r = checkEditorHeights(state, fields("10", "14"));
    EXPECT_EQ(r.indicator, HeightIndicator::Green);
    EXPECT_EQ(r.hint, "Wysokości przewodów są poprawne.");
    EXPECT_DOUBLE_EQ(state.editorTower.conductorY[2], 13.2);
    EXPECT_EQ(state.editorTower.conductorY[3], 14.0);
    EXPECT_FALSE(state.editorHeightsFresh);

    // The same heights again change nothing, the indicator included.
    const TowerDefinition applied = state.editorTower;
    EXPECT_FALSE(checkEditorHeights(state, fields("10", "14")).changed);
    EXPECT_EQ(state.editorTower, applied);

    // New heights replace the old ones rather than adding to them.
    checkEditorHeights(state, fields("20", "30"));
    EXPECT_DOUBLE_EQ(state.editorTower.conductorY[0], 20.0);
    EXPECT_DOUBLE_EQ(state.editorTower.conductorY[2], 23.2);

    r = checkEditorHeights(state, fields("10", "150"));
    EXPECT_EQ(state.editorAppliedGroundHeight, 100.0);
    EXPECT_EQ(state.editorTower.conductorY[3], 100.0);
    EXPECT_DOUBLE_EQ(state.editorTower.conductorY[2], 13.2);
    EXPECT_EQ(r.indicator, HeightIndicator::Green);
}

TEST(EditorHeightCheck, GroundWiresBelowAWorkingConductorTurnRed) {
    TowerEditorState state;
    TowerEditorLists lists;
    lists.working.rows = {{"-3", "0"}, {"3", "25"}};
    lists.ground.rows = {{"0", ""}};
    takeEditedConductors(state, lists, "30");
    const HeightCheckResult r = checkEditorHeights(state, fields("10", "30"));
    EXPECT_EQ(r.indicator, HeightIndicator::Red);
    EXPECT_EQ(r.hint, "Wyskość przewodów odgromowych jest za niska!");
    EXPECT_EQ(state.editorTower.conductorY[1], 35.0);
}

TEST(EditorLists, RowsCarryRelativeHeightsBothWays) {
    TowerEditorState state = readS12();
    checkEditorHeights(state, fields("10", "14"));
    TowerEditorLists lists = editorLists(state);
    ASSERT_EQ(lists.working.rows.size(), 3u);
    EXPECT_EQ(lists.working.rows[2], (ConductorRow{"2.6", "3.2"}));
    EXPECT_EQ(lists.ground.rows, (std::vector<ConductorRow>{{"0", ""}}));
    EXPECT_EQ(lists.working.bundle.diameter, "0.016");
    EXPECT_EQ(lists.working.bundle.bundleCount, "1");
    EXPECT_EQ(catalogueTowerRows(builtInTowers()[0]).working.rows, lists.working.rows);

    // A decimal comma in a list entry or the ground-wire field counts as a point.
    lists.working.rows.push_back({"-1,5", "6,25"});
    lists.ground.bundle.bundleCount = "2";
    takeEditedConductors(state, lists, "15,5");
    const TowerDefinition& t = state.editorTower;
    EXPECT_EQ(t.phaseConductorCount, 4u);
    EXPECT_EQ(t.groundWireCount, 1u);
    EXPECT_EQ(t.conductorX[3], -1.5);
    EXPECT_EQ(t.conductorY[3], 6.25);
    EXPECT_EQ(t.conductorY[4], 15.5);
    EXPECT_EQ(t.groundBundleSize, 2u);
    EXPECT_TRUE(state.editorHeightsFresh);
    EXPECT_EQ(state.editorAppliedWorkingHeight, 0.0);
}

struct Assembly : ::testing::Test {
    TowerEditorState state = readS12();
    TowerEditorFields f = fields("10", "14");
    TowerEditorLists lists = catalogueTowerRows(builtInTowers()[0]);

    void SetUp() override {
        f.voltageChoice = 0;
        f.voltageText = "110 kV";
        f.workingCount = "3";
        checkEditorHeights(state, f);
    }
    std::string refusal() { return assembleTower(state, f, lists).message; }
};

TEST_F(Assembly, ChecksInOrder) {
    f.voltageChoice = -1;
    f.workingCount.clear();
    EXPECT_EQ(refusal(), "Nie podano napięcia znamionowego!");
    f.series.clear();
    EXPECT_EQ(refusal(), "Nie podano serii lub typu!");
    f.series = "S12";
    f.voltageChoice = 2;
    EXPECT_EQ(refusal(), "Nie podano przewodów roboczych!");
}

TEST_F(Assembly, BuildsTheRecordOfTheBuiltInTower) {
    for (int choice = 0; choice < 3; ++choice) {
        f.voltageChoice = choice;
        f.voltageText = kEditorVoltages[static_cast<std::size_t>(choice)];
        const AssembledTower a = assembleTower(state, f, lists);
        ASSERT_TRUE(a.tower) << a.message;
        EXPECT_EQ(a.tower->nominalVoltage, builtInTowers()[choice].nominalVoltage);
        EXPECT_EQ(a.tower->phaseVoltagePeak, builtInTowers()[choice].phaseVoltagePeak);
    }
    f.voltageChoice = 0;
    f.voltageText = "110 kV";
    TowerDefinition expected = builtInTowers()[0];
    expected.conductorY[3] = 14.0;
    EXPECT_EQ(*assembleTower(state, f, lists).tower, expected);

    // The series keeps 8 characters, Polish letters included.
    f.series = "ŁĘCZYCA12";
    f.type = "Ż-ąć";
    const AssembledTower a = assembleTower(state, f, lists);
    ASSERT_TRUE(a.tower);
    EXPECT_EQ(a.tower->towerSeries, "ŁĘCZYCA1");
    EXPECT_EQ(a.tower->towerType, "Ż-ąć");

    keepTestTower(state, *a.tower);
    ASSERT_TRUE(state.testTower);
    EXPECT_EQ(state.testTower->towerSeries, "ŁĘCZYCA1*");
}

TEST_F(Assembly, RefusesWhatTheRecordCannotHold) {
    f.type = "Ж1";
    EXPECT_EQ(refusal(), kNameNotStorableMessage);
    f.type = "P";
    f.series = "S\xff";
    EXPECT_EQ(refusal(), kNameNotStorableMessage);
    f.series = "S12";
    lists.working.rows.assign(64, {"1", "2"});
    EXPECT_EQ(refusal(), kTooManyTowerConductorsMessage);
    lists = catalogueTowerRows(builtInTowers()[0]);
    state.editorTower.phaseBundleSize = 17;
    EXPECT_EQ(refusal(), kBadTowerMessage);

    EXPECT_EQ(newRowRefusal(63, 0), std::nullopt);
    EXPECT_EQ(newRowRefusal(40, 24), kTooManyTowerConductorsMessage);
}

} // namespace
} // namespace velt
