#include "linedata/LineDataChecks.h"

#include "calc/Computability.h"
#include "calc/NeighbourValues.h"
#include "linedata/ConductorListRules.h"
#include "model/BuiltInTowers.h"

#include <gtest/gtest.h>

#include <memory>

namespace velt {
namespace {

const std::string kTooLow = "Przewody odgromowe są umieszczone zbyt nisko!";
const std::string kLineY = "Współrzędna prostej Y musi być różna od\n\n1. Wsp. y przewodów "
                           "odgromowych\n2. Wsp. y przewodów ekranujących\n3. Wsp. y budynku";
const std::string kLineX = "Współrzędna prostej X musi być różna od\n\n1. Wsp. x przewodów "
                           "odgromowych\n2. Wsp. x przewodów ekranujących\n3. Wsp. x budynku";

// S12 with hw = 10 and hg = 14: working conductors at (-2.6, 10), (3.4, 10), (2.6, 13.2),
// the ground wire at (0, 14).
class LineData : public ::testing::Test {
  protected:
    void SetUp() override { choose(builtInTowers()[0]); }

    void choose(const TowerDefinition& tower) {
        chooseTower(*project, choice, tower, 0);
        runHeightCheck(*project, choice, indicator, form.workingHeight, form.groundHeight);
    }

    std::optional<std::string> ok(bool entrySelected = true) {
        return checkLineData(*project, choice, indicator, form, entrySelected);
    }

    std::unique_ptr<LineProject> project = std::make_unique<LineProject>();
    TowerChoiceState choice;
    HeightIndicatorState indicator;
    LineDataForm form = [] {
        LineDataForm f;
        f.workingHeight = "10";
        f.groundHeight = "14";
        return f;
    }();
};

TEST_F(LineData, AcceptsAValidLine) {
    EXPECT_EQ(ok(), std::nullopt);
    EXPECT_EQ(indicator.colour, HeightIndicator::Green);
    EXPECT_EQ(project->conductorY[3], 13.2);
    EXPECT_EQ(project->conductorY[4], 14.0);
}

TEST_F(LineData, TowerAndHeightRefusals) {
    EXPECT_EQ(ok(false), "Nie wybrano serii i typu słupa!");
    project->towerChosen = false;
    EXPECT_EQ(ok(), "Nie wybrano serii i typu słupa!");
    project->towerChosen = true;

    form.workingHeight = "";
    EXPECT_EQ(ok(), "Nie podano wysokości zawieszenia przewodów roboczych!");
    form.workingHeight = "10";
    form.groundHeight = "abc";
    EXPECT_EQ(ok(), "Nie podano wysokości zawieszenia przewodów odgromowych!");

    // Working conductors above the ground wire: the typed order decides first ...
    form.groundHeight = "9";
    EXPECT_EQ(ok(), kTooLow);
    EXPECT_EQ(indicator.hint, "Niepoprawne wysokości przewodów!");
    // ... and a ground wire below the top working conductor fails on the indicator.
    form.groundHeight = "13";
    EXPECT_EQ(ok(), kTooLow);
    EXPECT_EQ(indicator.hint, "Wyskość przewodów odgromowych jest za niska!");
    form.groundHeight = "13.2";
    EXPECT_EQ(ok(), std::nullopt);
}

TEST_F(LineData, IndicatorKeepsItsColourWhenTheHeightsDoNotChange) {
    form.groundHeight = "13";
    EXPECT_TRUE(runHeightCheck(*project, choice, indicator, form.workingHeight, form.groundHeight));
    EXPECT_EQ(indicator.colour, HeightIndicator::Red);
    EXPECT_FALSE(
        runHeightCheck(*project, choice, indicator, form.workingHeight, form.groundHeight));
    EXPECT_EQ(indicator.colour, HeightIndicator::Red);
    EXPECT_EQ(ok(), kTooLow);

    // A refused height leaves the heights alone but turns the indicator red.
    form.groundHeight = "14";
    runHeightCheck(*project, choice, indicator, form.workingHeight, form.groundHeight);
    EXPECT_EQ(indicator.colour, HeightIndicator::Green);
    EXPECT_FALSE(runHeightCheck(*project, choice, indicator, form.workingHeight, ""));
    EXPECT_EQ(indicator.hint, "Nie podano wysokości przewodów!");
    EXPECT_EQ(project->conductorY[4], 14.0);

    // Retyping the heights applied before the refusal checks them again.
    EXPECT_TRUE(runHeightCheck(*project, choice, indicator, form.workingHeight, form.groundHeight));
    EXPECT_EQ(indicator.colour, HeightIndicator::Green);
    EXPECT_EQ(ok(), std::nullopt);

    // Deleting the last digit of "14" and typing it again.
    runHeightCheck(*project, choice, indicator, form.workingHeight, "1");
    EXPECT_EQ(indicator.hint, "Niepoprawne wysokości przewodów!");
    runHeightCheck(*project, choice, indicator, form.workingHeight, "14");
    EXPECT_EQ(indicator.hint, "Wysokości przewodów są poprawne.");
    EXPECT_EQ(project->conductorY[3], 13.2);
}

TEST_F(LineData, RepeatedOkShiftsOnlyOnce) {
    project->towerShift = 5.0;
    form.lineHeight = "14"; // on the ground wire: refused after the shift was applied
    EXPECT_EQ(ok(), kLineY);
    EXPECT_EQ(ok(), kLineY);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(project->conductorX[i], choice.tower.conductorX[i - 1] + 5.0) << i;
    }
    form.lineHeight = "10"; // a working-conductor height is allowed
    EXPECT_EQ(ok(), std::nullopt);
    EXPECT_EQ(project->conductorX[1], -2.6 + 5.0);
}

TEST_F(LineData, PhaseCurrentsForTheMagneticField) {
    form.fieldChoice = 1;
    form.currents.firstCircuit = "0.0";
    EXPECT_EQ(ok(), "Wartość prądu fazowego musi być większa od 0.0!");
    form.currents.firstCircuit = "400";
    form.currents.secondCircuit = "0";
    EXPECT_EQ(ok(), std::nullopt);
    form.currents.secondCircuitEnabled = true;
    EXPECT_EQ(ok(), "Wartość prądu fazowego musi być większa od 0.0!");
    form.fieldChoice = 0;
    EXPECT_EQ(ok(), std::nullopt);
}

TEST_F(LineData, GroundWireOnAWorkingConductor) {
    TowerDefinition tower = builtInTowers()[0];
    tower.conductorX[2] = 0.0; // working 3 right below the ground wire, 4 m above hw
    tower.conductorY[2] = 4.0;
    choose(tower);
    EXPECT_EQ(ok(), "Współrzędne przewodów odgromowych muszą być różne\nod współrzędnych "
                    "przewodów roboczych!");
}

TEST_F(LineData, BuildingAndShieldWiresAgainstWorkingConductors) {
    project->towerShift = 5.0;
    project->buildingOn = true;
    form.building = {"-2.6", "10", "20", "8"}; // the front top on working conductor 1
    EXPECT_EQ(ok(), "Współrzędne budynku muszą być różne\nod współrzędnych przewodów "
                    "roboczych!");
    form.building = {"-20", "6", "3.4", "10"}; // the roof end on working conductor 2
    EXPECT_NE(ok(), std::nullopt);
    form.building = {"-20", "6", "-10", "8"};
    EXPECT_EQ(ok(), std::nullopt);

    project->shieldWiresOn = true;
    form.shieldWires.rows = {{"-8", "9"}, {"2.6", "13.2"}};
    EXPECT_EQ(ok(), "Współrzędne przewodów ekranujących muszą być różne\nod współrzędnych "
                    "przewodów roboczych!");
    form.shieldWires.rows.pop_back();
    EXPECT_EQ(ok(), std::nullopt);
    EXPECT_EQ(project->shieldWireCount, 1u);
    project->shieldWiresOn = false;
    EXPECT_EQ(ok(), std::nullopt);
    EXPECT_EQ(project->shieldWireCount, 0u);
}

TEST_F(LineData, HorizontalLine) {
    form.lineHeight = "0";
    EXPECT_EQ(ok(), "Nie podano współrzędnej prostej Y!");
    form.lineHeight = "14";
    EXPECT_EQ(ok(), kLineY);
    form.lineHeight = "13.2";
    EXPECT_EQ(ok(), std::nullopt);

    project->shieldWiresOn = true;
    form.shieldWires.rows = {{"-8", "13.2"}};
    EXPECT_EQ(ok(), kLineY);
    project->shieldWiresOn = false;
    project->buildingOn = true;
    form.building = {"-20", "6", "-10", "13.2"};
    EXPECT_EQ(ok(), kLineY);

    // Calculations on the conductors have no line.
    form.modeChoice = 0;
    EXPECT_EQ(ok(), std::nullopt);
}

TEST_F(LineData, VerticalLine) {
    form.lineChoice = 1;
    form.lineDistance = "0";
    EXPECT_EQ(ok(), "Nie podano współrzędnej prostej X!");
    form.lineDistance = "-3";
    EXPECT_EQ(ok(), "Nie podano współrzędnej prostej X!");
    form.lineDistance = "3.4"; // a working conductor's x is allowed
    EXPECT_EQ(ok(), std::nullopt);

    project->towerShift = 2.0;
    form.lineDistance = "2"; // the shifted ground wire
    EXPECT_EQ(ok(), kLineX);
    form.lineDistance = "12";
    project->shieldWiresOn = true;
    form.shieldWires.rows = {{"10", "7"}};
    EXPECT_EQ(ok(), kLineX);
    project->shieldWiresOn = false;
    project->buildingOn = true;
    form.building = {"-20", "6", "10", "8"};
    EXPECT_EQ(ok(), kLineX);
    form.building = {"10.5", "6", "20", "8"};
    EXPECT_EQ(ok(), std::nullopt);
}

TEST_F(LineData, BuildingCheckBox) {
    CheckBoxStep step = buildingClicked(*project, false);
    EXPECT_FALSE(step.showDialog);
    EXPECT_FALSE(step.checked);
    EXPECT_EQ(step.message, std::nullopt);

    project->towerChosen = false;
    step = buildingClicked(*project, true);
    EXPECT_FALSE(step.showDialog);
    EXPECT_FALSE(step.checked);
    EXPECT_EQ(step.message, "Wybierz najpierw serię i typ słupa!");
    project->towerChosen = true;
    EXPECT_TRUE(buildingClicked(*project, true).showDialog);

    BuildingForm b{"-20", "6", "", "8"};
    step = buildingAnswered(*project, DialogAnswer::Yes, b);
    EXPECT_EQ(step.message, "Nie podano wszystkich współrzędnych domku!");
    EXPECT_FALSE(step.checked);
    b = {"-20", "6", "-20.0", "6"};
    step = buildingAnswered(*project, DialogAnswer::Yes, b);
    EXPECT_EQ(step.message, "Współrzędne domku muszą być różne!");
    EXPECT_FALSE(project->buildingOn);
    b = {"-20", "6", "-20", "8"};
    step = buildingAnswered(*project, DialogAnswer::Yes, b);
    EXPECT_TRUE(step.checked);
    EXPECT_TRUE(project->buildingOn);

    step = buildingAnswered(*project, DialogAnswer::No, b);
    EXPECT_FALSE(step.checked || step.resetFields || project->buildingOn);
    project->buildingOn = true;
    step = buildingAnswered(*project, DialogAnswer::Cancel, b);
    EXPECT_FALSE(step.checked || project->buildingOn);
    EXPECT_TRUE(step.resetFields);
    project->buildingOn = true;
    buildingClicked(*project, false);
    EXPECT_FALSE(project->buildingOn);
}

TEST_F(LineData, ShieldWireAndInterferenceCheckBoxes) {
    project->towerChosen = false;
    EXPECT_EQ(shieldWiresClicked(*project, true).message, "Wybierz najpierw serię i typ słupa!");
    EXPECT_EQ(interferenceClicked(*project, true).message, kChooseTowerFirstMessage);
    project->towerChosen = true;
    EXPECT_TRUE(shieldWiresClicked(*project, true).showDialog);

    CheckBoxStep step = shieldWiresAnswered(*project, DialogAnswer::Yes, 2);
    EXPECT_TRUE(step.checked && project->shieldWiresOn);
    step = shieldWiresAnswered(*project, DialogAnswer::Yes, 0); // accepted an empty list
    EXPECT_FALSE(step.checked || project->shieldWiresOn);
    step = shieldWiresAnswered(*project, DialogAnswer::No, 2);
    EXPECT_FALSE(step.checked || step.resetFields);
    step = shieldWiresAnswered(*project, DialogAnswer::Cancel, 2);
    EXPECT_FALSE(step.checked);
    EXPECT_TRUE(step.resetFields);
    project->shieldWiresOn = true;
    EXPECT_FALSE(shieldWiresClicked(*project, false).checked);
    EXPECT_FALSE(project->shieldWiresOn);

    step = interferenceClicked(*project, false);
    EXPECT_FALSE(step.showDialog || step.checked || step.message);
    EXPECT_TRUE(interferenceClicked(*project, true).showDialog);
    InterferenceForm f{"15", "0.00"};
    step = interferenceAnswered(DialogAnswer::Yes, f);
    EXPECT_EQ(step.message, "Częstotliwość musi być większa od 0.0!");
    EXPECT_FALSE(step.checked);
    f.frequency = "0.5";
    EXPECT_TRUE(interferenceAnswered(DialogAnswer::Yes, f).checked);
    step = interferenceAnswered(DialogAnswer::Cancel, f);
    EXPECT_TRUE(step.resetFields && !step.checked);
    step = interferenceAnswered(DialogAnswer::No, f);
    EXPECT_FALSE(step.resetFields || step.checked);
}

NeighbourLine s12At(double offset, double workingHeight) {
    NeighbourLine n;
    n.tower = builtInTowers()[0];
    n.builtInTower = true;
    n.offset = offset;
    n.workingHeight = workingHeight;
    n.groundWireHeight = workingHeight + 4.0;
    return n;
}

// The lines beside the main one are checked last, against the line as it will be accepted:
// its shift and its shield wires, which only the acceptance places, included.
TEST_F(LineData, TheCorridorLast) {
    struct Case {
        const char* name;
        NeighbourLine neighbour;
        std::string lineHeight;
        std::string message; ///< empty: accepted
    };
    const std::string first = "Linia sąsiednia 1: ";
    const Case cases[] = {
        {"Beside", s12At(40.0, 10.0), "2", ""},
        {"OnTheMainLine", s12At(0.0, 10.0), "2", first + kSamePlaceMessage},
        {"GroundWireOnAShieldWire", s12At(-8.0, 5.0), "2", first + kSamePlaceMessage},
        {"BadValue", s12At(40.0, 0.0), "2", first + kNeighbourHeightMessage},
        {"AnEarlierRefusalFirst", s12At(0.0, 10.0), "14", kLineY},
    };
    project->towerShift = 5.0;
    project->shieldWiresOn = true;
    form.shieldWiresChecked = true;
    form.shieldWires.rows = {{"-8", "9"}};
    form.shieldWires.diameter = "0.02";
    ASSERT_EQ(acceptShieldWires(*project, form.shieldWires), std::nullopt);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.options.neighbours = {c.neighbour};
        form.lineHeight = c.lineHeight;
        EXPECT_EQ(ok().value_or(""), c.message);
        EXPECT_FALSE(project->lineDataAccepted);
    }
}

TEST_F(LineData, AcceptanceAssemblesTheModel) {
    project->towerShift = 2.5; // stored earlier; the shift dialog's text reads "0.0" again
    ASSERT_EQ(ok(), std::nullopt);
    EXPECT_EQ(acceptLineData(*project, form), std::nullopt);
    EXPECT_TRUE(project->lineDataAccepted);
    EXPECT_TRUE(project->towerShifted);
    EXPECT_EQ(project->conductorCount, 4u);
    EXPECT_DOUBLE_EQ(project->phaseRadius, 0.008);

    // Z52 with a building and 32 shield wires: 60 conductors do not fit the model.
    choose(builtInTowers()[2]);
    project->buildingOn = true;
    project->shieldWiresOn = true;
    form.shieldWiresChecked = true;
    form.shieldWires.rows.assign(32, {"1", "50"});
    EXPECT_EQ(acceptLineData(*project, form), kTooManyConductorsMessage);
    EXPECT_FALSE(project->lineDataAccepted);
}

} // namespace
} // namespace velt
