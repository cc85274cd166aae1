#include "linedata/AuxiliaryChecks.h"

#include <gtest/gtest.h>

#include <memory>

namespace velt {
namespace {

TEST(TowerShiftDialog, ShowsStoredShiftAndRefusesNegativeShift) {
    auto project = std::make_unique<LineProject>();
    EXPECT_EQ(towerShiftText(*project), "0");
    EXPECT_EQ(acceptTowerShift(*project, "2.5"), std::nullopt);
    EXPECT_EQ(towerShiftText(*project), "2.5");
    EXPECT_TRUE(towerShiftedByText("2.5"));

    // A refused shift keeps the stored one: it must never become negative.
    EXPECT_EQ(acceptTowerShift(*project, "-1"), kNegativeShiftMessage);
    EXPECT_EQ(project->towerShift, 2.5);

    EXPECT_EQ(acceptTowerShift(*project, "0"), std::nullopt);
    EXPECT_EQ(project->towerShift, 0.0);
    EXPECT_FALSE(towerShiftedByText("0"));
    EXPECT_FALSE(towerShiftedByText("0.0"));
}

TEST(PhaseCurrentDialog, EveryEnabledFieldMustBePositive) {
    PhaseCurrentForm form;
    form.firstCircuit = "0.0";
    form.secondCircuit = "0.0";
    EXPECT_EQ(checkPhaseCurrents(form), "Wartość prądy fazowego musi być większa od 0.0!");

    // A disabled second circuit is not tested.
    form.firstCircuit = "500";
    EXPECT_EQ(checkPhaseCurrents(form), std::nullopt);

    form.secondCircuitEnabled = true;
    EXPECT_EQ(checkPhaseCurrents(form), kPhaseCurrentDialogMessage);
    EXPECT_EQ(checkPhaseCurrents(form, kPhaseCurrentLineDataMessage),
              "Wartość prądu fazowego musi być większa od 0.0!");
    form.secondCircuit = "abc";
    EXPECT_EQ(checkPhaseCurrents(form), kPhaseCurrentDialogMessage);
    form.secondCircuit = "450.5";
    EXPECT_EQ(checkPhaseCurrents(form), std::nullopt);
}

} // namespace
} // namespace velt
