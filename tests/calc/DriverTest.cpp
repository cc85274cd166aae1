#include "calc/CalculationDriver.h"

#include "ScriptedUi.h"
#include "calc/Computability.h"
#include "linedata/LineDataChecks.h"
#include "model/BuiltInTowers.h"
#include "model/TextSlots.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace velt {
namespace {

using testing::ScriptedUi;

// Three working conductors side by side on one side of the axis: the field is largest on
// that side.
TowerDefinition oneSidedTower(double side) {
    TowerDefinition t = builtInTowers()[0];
    t.towerSeries = "T";
    t.towerType = "1";
    t.phaseConductorCount = 3;
    t.groundWireCount = 1;
    const double x[] = {6.0, 9.0, 12.0, 0.0};
    for (int i = 0; i < 4; ++i) {
        t.conductorX[i] = side * x[i];
        t.conductorY[i] = 0.0;
    }
    return t;
}

struct Driver : ::testing::Test {
    std::unique_ptr<LineProject> project = std::make_unique<LineProject>();
    std::unique_ptr<FieldProfile> profile = std::make_unique<FieldProfile>();
    LineDataForm form;
    TowerChoiceState choice;
    HeightIndicatorState indicator;
    ScriptedUi ui;

    // The line-data dialog accepted with this tower, as a user would accept it.
    void accept(const TowerDefinition& tower, double shift = 0.0) {
        chooseTower(*project, choice, tower, 0);
        form.workingHeight = "12";
        form.groundHeight = "30";
        form.currents.firstCircuit = "500";
        form.currents.secondCircuit = "500";
        form.currents.secondCircuitEnabled = tower.phaseConductorCount == 6;
        project->towerShift = shift;
        runHeightCheck(*project, choice, indicator, form.workingHeight, form.groundHeight);
        ASSERT_EQ(checkLineData(*project, choice, indicator, form, true), std::nullopt);
        ASSERT_EQ(acceptLineData(*project, form), std::nullopt);
    }
    CalculationOutcome run() {
        PassContext ctx{*project, *profile, form, ui};
        return calculate(ctx, &ui);
    }
    std::vector<double> conductorX() const {
        return {std::begin(project->conductorX), std::end(project->conductorX)};
    }
};

TEST_F(Driver, WithoutAcceptedLineDataNothingHappens) {
    EXPECT_EQ(run(), CalculationOutcome::NoLineData);
    EXPECT_EQ(ui.log, std::vector<std::string>{"message Nie podano danych!"});
    EXPECT_EQ(project->calculationDone, 0);
    EXPECT_EQ(project->variantCounter, 0);
}

TEST_F(Driver, StepsInOrder) {
    accept(builtInTowers()[0]);
    ui.comment = "Pierwszy";
    ASSERT_EQ(run(), CalculationOutcome::Done);
    // Range and comment before the repaint; the drawing range once, at the last pass.
    ASSERT_GE(ui.log.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(ui.log.begin(), ui.log.begin() + 4),
              (std::vector<std::string>{"open", "range? 50", "comment?", "repaint"}));
    EXPECT_EQ(ui.count("draw? "), 1);
    EXPECT_EQ(ui.count("message"), 0);
    EXPECT_EQ(*(ui.log.end() - 2), "status Obliczenia wykonane...");
    EXPECT_EQ(ui.log.back(), "close");
    EXPECT_EQ(project->calculationDone, 1);
    EXPECT_EQ(textOf(profile->resultComment, sizeof profile->resultComment), "Pierwszy");
    EXPECT_FALSE(profile->variantSaved);
}

TEST_F(Driver, VariantNumbersRise) {
    accept(builtInTowers()[1]);
    ASSERT_EQ(run(), CalculationOutcome::Done);
    EXPECT_EQ(profile->variantNumber, 1);
    profile->variantSaved = true;
    ASSERT_EQ(run(), CalculationOutcome::Done);
    EXPECT_EQ(profile->variantNumber, 2);
    EXPECT_EQ(project->variantCounter, 2);
    EXPECT_FALSE(profile->variantSaved);
    EXPECT_EQ(profile->resultVoltage, 220.0);
    EXPECT_EQ(profile->resultConductorCount, 5u);
}

// The full-width pass finds the maximum; the half that holds it is computed again with
// twice the resolution, and the axis of the stored profile says which half it was.
TEST_F(Driver, TwoPassesChooseTheSideOfTheMaximum) {
    for (const double side : {-1.0, 1.0}) {
        SCOPED_TRACE(side);
        project = std::make_unique<LineProject>();
        ui = ScriptedUi();
        accept(oneSidedTower(side));
        const std::vector<double> before = conductorX();
        ASSERT_EQ(run(), CalculationOutcome::Done);
        EXPECT_EQ(conductorX(), before); // bit for bit
        const bool left = side < 0.0;
        EXPECT_EQ(project->halfRange, left ? 50.0 : 0.0);
        EXPECT_EQ(project->lastHalfRange, 50.0);
        EXPECT_FALSE(project->firstPassRunning);
        EXPECT_EQ(project->calcRange, 50.0);
        EXPECT_EQ(project->calcStep, 0.25);
        EXPECT_EQ(profile->resultProfileLength, 50.0);
        EXPECT_EQ(profile->resultEnteredRange, 50.0);
        EXPECT_EQ(profile->resultRange, 50.0);
        EXPECT_EQ(profile->resultStep, 0.25);
        EXPECT_EQ(profile->profilePointCount, 201);
        EXPECT_EQ(profile->resultPosition[1], 0.0);
        EXPECT_EQ(profile->resultPosition[201], 50.0);
        EXPECT_EQ(profile->resultAxisX, left ? 50.0 : 0.0);
        EXPECT_EQ(profile->resultAxisOffsetSet, left);
        EXPECT_EQ(profile->resultAxisOffset, left ? 50.0 : 0.0);
        // The second pass's conductors, in its own frame.
        EXPECT_DOUBLE_EQ(profile->resultConductorX[1], side * 6.0 + (left ? 50.0 : 0.0));
        EXPECT_EQ(ui.log[ui.log.size() - 3], "draw? 50.00");
    }
}

// One conductor with its ground wire above it: the profile peaks under the conductor. At
// x = -0.5 that is point 100 of the 201, the middle index itself, which takes the right half.
TEST_F(Driver, MaximumAtTheMiddleIndexTakesTheRightHalf) {
    for (const double x : {-0.5, -1.0}) {
        SCOPED_TRACE(x);
        project = std::make_unique<LineProject>();
        ui = ScriptedUi();
        TowerDefinition t = oneSidedTower(1.0);
        t.phaseConductorCount = 1;
        t.groundWireCount = 1;
        t.conductorX[0] = x;
        t.conductorX[1] = x;
        accept(t);
        ASSERT_EQ(run(), CalculationOutcome::Done);
        EXPECT_EQ(project->halfRange, x == -0.5 ? 0.0 : 50.0);
    }
}

TEST_F(Driver, ShiftedTowerRunsOnePassOverTheRangeAsGiven) {
    accept(builtInTowers()[0], 5.0);
    project->halfRange = 7.0; // from an earlier calculation; a shifted tower leaves it
    ui.rangeAnswers = {"40"};
    const std::vector<double> before = conductorX();
    ASSERT_EQ(run(), CalculationOutcome::Done);
    EXPECT_EQ(conductorX(), before);
    EXPECT_EQ(project->calcRange, 40.0);
    EXPECT_EQ(project->calcStep, 0.2);
    EXPECT_EQ(project->halfRange, 7.0);
    EXPECT_TRUE(profile->resultTowerShifted);
    EXPECT_EQ(profile->resultProfileLength, 40.0);
    EXPECT_EQ(profile->resultPosition[1], 0.0);
    EXPECT_EQ(profile->resultPosition[201], 40.0);
    EXPECT_EQ(profile->resultAxisX, 5.0);
    EXPECT_EQ(ui.count("range? "), 1);
    EXPECT_EQ(ui.count("draw? 40.00"), 1);
}

TEST_F(Driver, VerticalLineUnderAnUnshiftedTowerUsesTheDoubledRange) {
    form.lineChoice = 1;
    form.lineDistance = "15";
    accept(builtInTowers()[2]);
    ui.rangeAnswers = {"20"};
    ASSERT_EQ(run(), CalculationOutcome::Done);
    EXPECT_EQ(project->calcRange, 40.0);
    EXPECT_EQ(project->halfRange, 20.0);
    EXPECT_TRUE(profile->resultLineKind);
    EXPECT_EQ(profile->resultLineX, 15.0);
    EXPECT_EQ(profile->resultRange, 40.0);
    EXPECT_EQ(profile->profilePointCount, 201);
    EXPECT_EQ(profile->resultPosition[201], 40.0);
    EXPECT_EQ(ui.count("draw? "), 1);
}

TEST_F(Driver, OnTheConductorsTheRangeIsStillAskedAndStored) {
    form.modeChoice = 0;
    accept(builtInTowers()[1]);
    ui.rangeAnswers = {"30"};
    ASSERT_EQ(run(), CalculationOutcome::Done);
    EXPECT_EQ(profile->resultEnteredRange, 30.0);
    EXPECT_EQ(profile->resultRange, 60.0);
    EXPECT_TRUE(profile->resultOnConductors);
    EXPECT_GT(profile->maxSurfaceGradient, 0.0);
    EXPECT_EQ(ui.count("draw? "), 0);
}

TEST_F(Driver, RangeIsAskedUntilPositive) {
    accept(builtInTowers()[0]);
    ui.rangeAnswers = {"0", "-5", "abc", "25.5"};
    ASSERT_EQ(run(), CalculationOutcome::Done);
    EXPECT_EQ(ui.count("range? 50"), 4);
    EXPECT_EQ(ui.count("message Zakres obliczeń musi być większy od 0.0 [m]!"), 3);
    EXPECT_EQ(profile->resultEnteredRange, 25.5);

    // The shifted tower's message has its own wording.
    project = std::make_unique<LineProject>();
    ui = ScriptedUi();
    accept(builtInTowers()[0], 2.0);
    ui.rangeAnswers = {"", "10"};
    ASSERT_EQ(run(), CalculationOutcome::Done);
    EXPECT_EQ(ui.count("message Zakres obliczeń musi by większy od 0.0 [m]!"), 1);
}

TEST_F(Driver, CommentKeepsItsFirst254Characters) {
    accept(builtInTowers()[0]);
    std::string comment;
    for (int i = 0; i < 300; ++i) {
        comment += i < 254 ? "ż" : "x";
    }
    ui.comment = comment;
    ASSERT_EQ(run(), CalculationOutcome::Done);
    const std::string kept = textOf(profile->resultComment, sizeof profile->resultComment);
    EXPECT_EQ(utf8Length(kept), 254u);
    EXPECT_EQ(kept.find('x'), std::string::npos);
}

TEST_F(Driver, BuildingTakesTheTowerShift) {
    form.building = {"20", "8", "30", "10"};
    form.buildingChecked = true;
    project->buildingOn = true;
    accept(builtInTowers()[0], 5.0);
    ASSERT_EQ(run(), CalculationOutcome::Done);
    EXPECT_TRUE(project->buildingPresent);
    EXPECT_EQ(project->buildingFrontX, 20.0);
    EXPECT_TRUE(profile->resultBuildingPresent);
    EXPECT_EQ(profile->resultBuildingX1, 25.0);
    EXPECT_EQ(profile->resultBuildingY1, 8.0);
    EXPECT_EQ(profile->resultBuildingX2, 35.0);
    EXPECT_EQ(profile->resultBuildingY2, 10.0);
}

// A configuration the passes cannot compute is refused before anything is asked.
TEST_F(Driver, RefusedBeforeAnyQuestion) {
    accept(builtInTowers()[0]);
    project->conductorY[2] = project->conductorY[1];
    project->conductorX[2] = project->conductorX[1];
    EXPECT_EQ(run(), CalculationOutcome::Refused);
    EXPECT_EQ(ui.log, std::vector<std::string>{"message " + kSamePlaceMessage});
    EXPECT_EQ(project->calculationDone, 0);
    EXPECT_EQ(project->variantCounter, 0);
}

// A pass that refuses after the questions leaves no result behind and the conductors
// where they were.
TEST_F(Driver, RefusedByAPass) {
    accept(builtInTowers()[2]);
    const std::vector<double> before = conductorX();
    ui.rangeAnswers = {"1e308"}; // no profile can be made of that
    EXPECT_EQ(run(), CalculationOutcome::Refused);
    EXPECT_EQ(conductorX(), before);
    EXPECT_FALSE(project->firstPassRunning);
    EXPECT_EQ(ui.count("message "), 1);
    EXPECT_EQ(ui.count("status Obliczenia wykonane..."), 0);
    EXPECT_EQ(ui.log.back(), "close");
    EXPECT_EQ(project->calculationDone, 0);
    EXPECT_EQ(project->variantCounter, 0);

    // An earlier completed calculation still counts.
    ui.rangeAnswers = {"50"};
    ASSERT_EQ(run(), CalculationOutcome::Done);
    ui.rangeAnswers = {"1e308"};
    EXPECT_EQ(run(), CalculationOutcome::Refused);
    EXPECT_EQ(project->calculationDone, 1);
    EXPECT_EQ(project->variantCounter, 1);
}

} // namespace
} // namespace velt
