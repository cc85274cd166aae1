#include "linedata/ConductorListRules.h"

#include <gtest/gtest.h>

#include <memory>

namespace velt {
namespace {

TEST(ConductorListAdd, DuplicateLocksUntilTheLaterCopyIsDeleted) {
    std::vector<ConductorRow> rows;
    ConductorListLock lock;
    EXPECT_TRUE(addConductorRow(rows, lock, ConductorEditor::ShieldWires, {"-5", "8"}).added);
    EXPECT_EQ(
        addConductorRow(rows, lock, ConductorEditor::ShieldWires, {"3.0", "12.0"}).duplicatePairs,
        0);
    EXPECT_FALSE(lock.locked);

    const AddRowResult again =
        addConductorRow(rows, lock, ConductorEditor::ShieldWires, {"3.0", "12.0"});
    EXPECT_TRUE(again.added);
    EXPECT_EQ(again.duplicatePairs, 1);
    EXPECT_TRUE(lock.locked);
    EXPECT_EQ(lock.selected, 2u);
    EXPECT_EQ(kDuplicateRowsMessage, "Błędne dane!\nWspółrzędne się powtarzają!");

    EXPECT_FALSE(deleteConductorRow(rows, lock, std::nullopt));
    EXPECT_FALSE(deleteConductorRow(rows, lock, 3));
    EXPECT_TRUE(lock.locked);
    EXPECT_TRUE(deleteConductorRow(rows, lock, lock.selected));
    EXPECT_FALSE(lock.locked);
    EXPECT_EQ(rows, (std::vector<ConductorRow>{{"-5", "8"}, {"3.0", "12.0"}}));
}

TEST(ConductorListAdd, TextsAsTypedAndShieldHeights) {
    std::vector<ConductorRow> rows;
    ConductorListLock lock;
    addConductorRow(rows, lock, ConductorEditor::ShieldWires, {"3", "12"});
    addConductorRow(rows, lock, ConductorEditor::ShieldWires, {"3.0", "12"});
    EXPECT_EQ(rows.size(), 2u);
    EXPECT_FALSE(lock.locked);

    // A shield wire needs a height above the ground; the others do not.
    EXPECT_FALSE(addConductorRow(rows, lock, ConductorEditor::ShieldWires, {"1", "0"}).added);
    EXPECT_FALSE(addConductorRow(rows, lock, ConductorEditor::ShieldWires, {"1", "x"}).added);
    EXPECT_FALSE(addConductorRow(rows, lock, ConductorEditor::ShieldWires, {"1", "-2"}).added);
    EXPECT_EQ(rows.size(), 2u);
    std::vector<ConductorRow> working;
    EXPECT_TRUE(
        addConductorRow(working, lock, ConductorEditor::WorkingConductors, {"1", "0"}).added);
}

TEST(ShieldWireAccept, DiameterAndWrittenData) {
    auto project = std::make_unique<LineProject>();
    project->shieldWireRadius = 0.3;
    ShieldWireForm form;
    form.diameter = "0.0";
    // An empty list closes without writing anything, whatever the diameter.
    EXPECT_EQ(acceptShieldWires(*project, form), std::nullopt);
    EXPECT_EQ(project->shieldWireRadius, 0.3);

    form.rows = {{"3", "12"}, {"-3", "12"}};
    EXPECT_EQ(acceptShieldWires(*project, form), "Nie podano średnicy przewodów ekranujących!");
    EXPECT_EQ(project->shieldWireCount, 0u);

    form.diameter = "0.02";
    EXPECT_EQ(acceptShieldWires(*project, form), std::nullopt);
    EXPECT_DOUBLE_EQ(project->shieldWireRadius, 0.01);
    EXPECT_EQ(project->shieldBundleSpacing, 1.0);
    EXPECT_EQ(project->shieldBundleSize, 1u);
    EXPECT_EQ(project->shieldWireCount, 2u);
}

TEST(TowerListAccept, OverlapSelectsOwnEntriesInBothEditors) {
    TowerListFields lists;
    lists.workingRows = {{"-4.5", "0"}, {"0", "5"}, {"4.5", "2.0"}};
    lists.groundRows = {{"0", ""}, {"4.5", ""}};
    lists.workingSuspensionHeight = "20";
    lists.groundSuspensionHeight = "22";
    BundleFields fields{"0.03", "1", "0.4"};

    const TowerListAccept working =
        acceptTowerList(ConductorEditor::WorkingConductors, lists, fields);
    EXPECT_EQ(working.message, "Przewody robocze\npokrywają się z \nprzewodami odgromowymi!");
    EXPECT_EQ(working.selected, std::vector<std::size_t>{2});

    const TowerListAccept ground = acceptTowerList(ConductorEditor::GroundWires, lists, fields);
    EXPECT_EQ(ground.message, "Przewody odgromowe\npokrywają się z \nprzewodami roboczymi!");
    EXPECT_EQ(ground.selected, std::vector<std::size_t>{1});

    // At another ground-wire height nothing overlaps.
    lists.groundSuspensionHeight = "22.5";
    const TowerListAccept clear = acceptTowerList(ConductorEditor::GroundWires, lists, fields);
    EXPECT_EQ(clear.message, std::nullopt);
    EXPECT_TRUE(clear.selected.empty());
}

TEST(TowerListAccept, BundleFieldsInOrder) {
    const TowerListFields lists;
    const auto message = [&](const BundleFields& f) {
        return acceptTowerList(ConductorEditor::WorkingConductors, lists, f).message;
    };
    EXPECT_EQ(message({"0.0", "", "0.0"}), "Nie podano średnicy przewodów!");
    EXPECT_EQ(message({"0.03", "0", "0.4"}), "Nie podano ilości przewodów w wiązce!");
    EXPECT_EQ(message({"0.03", "", "0.4"}), "Nie podano ilości przewodów w wiązce!");
    EXPECT_EQ(message({"0.03", "2", "0.0"}), "Nie podano odległości przewodów w wiązce!");
    EXPECT_EQ(message({"0.03", "2", "0.4"}), std::nullopt);
}

} // namespace
} // namespace velt
