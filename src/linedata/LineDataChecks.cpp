#include "linedata/LineDataChecks.h"

#include "calc/Computability.h"
#include "calc/CorridorChecks.h"
#include "linedata/AuxiliaryChecks.h"
#include "model/DecimalText.h"
#include "model/ModelAssembly.h"
#include "model/Translatable.h"

#include <algorithm>
#include <cstdint>

namespace velt {
namespace {

const std::string kNoWorkingHeightMessage =
    VELT_TRANSLATE_NOOP("velt", "Nie podano wysokości zawieszenia przewodów roboczych!");
const std::string kNoGroundHeightMessage =
    VELT_TRANSLATE_NOOP("velt", "Nie podano wysokości zawieszenia przewodów odgromowych!");
const std::string kGroundOnWorkingMessage = VELT_TRANSLATE_NOOP(
    "velt",
    "Współrzędne przewodów odgromowych muszą być różne\nod współrzędnych przewodów roboczych!");
const std::string kBuildingOnWorkingMessage = VELT_TRANSLATE_NOOP(
    "velt", "Współrzędne budynku muszą być różne\nod współrzędnych przewodów roboczych!");
const std::string kShieldOnWorkingMessage = VELT_TRANSLATE_NOOP(
    "velt", "Współrzędne przewodów ekranujących muszą być różne\nod współrzędnych przewodów "
            "roboczych!");
const std::string kNoLineYMessage =
    VELT_TRANSLATE_NOOP("velt", "Nie podano współrzędnej prostej Y!");
const std::string kNoLineXMessage =
    VELT_TRANSLATE_NOOP("velt", "Nie podano współrzędnej prostej X!");
const std::string kLineYMessage =
    VELT_TRANSLATE_NOOP("velt", "Współrzędna prostej Y musi być różna od\n\n1. Wsp. y "
                                "przewodów odgromowych\n2. Wsp. y przewodów "
                                "ekranujących\n3. Wsp. y budynku");
const std::string kLineXMessage =
    VELT_TRANSLATE_NOOP("velt", "Współrzędna prostej X musi być różna od\n\n1. Wsp. x "
                                "przewodów odgromowych\n2. Wsp. x przewodów "
                                "ekranujących\n3. Wsp. x budynku");
const std::string kGroundTooLowMessage =
    VELT_TRANSLATE_NOOP("velt", "Przewody odgromowe są umieszczone zbyt nisko!");
const std::string kBuildingFieldsMessage =
    VELT_TRANSLATE_NOOP("velt", "Nie podano wszystkich współrzędnych domku!");
const std::string kBuildingPointsMessage =
    VELT_TRANSLATE_NOOP("velt", "Współrzędne domku muszą być różne!");

// Index ranges of the tower's conductors in the project arrays, kept inside the arrays
// whatever the counts say.
std::uint32_t workingEnd(const LineProject& p) {
    return std::min<std::uint32_t>(p.phaseConductorCount, kConductorSlots - 1);
}

std::uint32_t towerEnd(const LineProject& p) {
    const std::uint64_t all = std::uint64_t{p.phaseConductorCount} + p.groundWireCount;
    return static_cast<std::uint32_t>(
        std::min<std::uint64_t>({all, kTowerPositions, kConductorSlots - 1}));
}

bool onWorkingConductor(const LineProject& p, double x, double y) {
    for (std::uint32_t i = 1; i <= workingEnd(p); ++i) {
        if (p.conductorX[i] == x && p.conductorY[i] == y) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> checkCoincidences(const LineProject& p, const LineDataForm& form) {
    for (std::uint32_t i = workingEnd(p) + 1; i <= towerEnd(p); ++i) {
        if (onWorkingConductor(p, p.conductorX[i], p.conductorY[i])) {
            return kGroundOnWorkingMessage;
        }
    }
    if (p.buildingOn) {
        const BuildingForm& b = form.building;
        if (onWorkingConductor(p, readDecimal(b.frontX) + p.towerShift, readDecimal(b.frontY)) ||
            onWorkingConductor(p, readDecimal(b.roofX) + p.towerShift, readDecimal(b.roofY))) {
            return kBuildingOnWorkingMessage;
        }
    }
    return std::nullopt;
}

std::optional<std::string> checkShieldWires(LineProject& p, const ShieldWireForm& shield) {
    if (!p.shieldWiresOn) {
        p.shieldWireCount = 0;
        return std::nullopt;
    }
    for (const ConductorRow& row : shield.rows) {
        if (onWorkingConductor(p, readDecimal(row.distance) + p.towerShift,
                               readDecimal(row.height))) {
            return kShieldOnWorkingMessage;
        }
    }
    p.shieldWireCount = static_cast<std::uint32_t>(shield.rows.size());
    return std::nullopt;
}

// Whether the calculation line at `at` (a height, or with `vertical` a distance) runs
// through a ground wire, a shield wire or a corner of the building; working conductors are
// not compared.
bool lineHitsSomething(const LineProject& p, const LineDataForm& form, bool vertical, double at) {
    // Typed distances are taken from the tower axis; heights are taken as typed.
    const auto typed = [&](const std::string& text) {
        const double value = readDecimal(text);
        return vertical ? value + p.towerShift : value;
    };
    const double* coordinate = vertical ? p.conductorX : p.conductorY;
    bool hit = false;
    for (std::uint32_t i = workingEnd(p) + 1; i <= towerEnd(p); ++i) {
        hit = hit || coordinate[i] == at;
    }
    if (p.shieldWiresOn) {
        for (const ConductorRow& row : form.shieldWires.rows) {
            hit = hit || typed(vertical ? row.distance : row.height) == at;
        }
    }
    const BuildingForm& b = form.building;
    if (p.buildingOn) {
        hit = hit || typed(vertical ? b.frontX : b.frontY) == at ||
              typed(vertical ? b.roofX : b.roofY) == at;
    }
    return hit;
}

// The calculation line must be given and may not run through what lineHitsSomething names.
std::optional<std::string> checkCalculationLine(const LineProject& p, const LineDataForm& form) {
    if (form.onConductors()) {
        return std::nullopt;
    }
    const bool vertical = form.verticalLine();
    const double at = readDecimal(vertical ? form.lineDistance : form.lineHeight);
    if (!(at > 0.0)) {
        return vertical ? kNoLineXMessage : kNoLineYMessage;
    }
    if (lineHitsSomething(p, form, vertical, at)) {
        return vertical ? kLineXMessage : kLineYMessage;
    }
    return std::nullopt;
}

// The lines beside the main one against the line as the acceptance will complete it, so
// that the dialog's OK and a loaded project refuse a bad corridor alike. A line the
// calculation refuses on its own, or the acceptance refuses, is left to those refusals.
std::optional<std::string> checkAcceptedCorridor(const LineProject& p, const LineDataForm& form) {
    if (form.options.neighbours.empty()) {
        return std::nullopt;
    }
    LineProject accepted = p;
    if (acceptLineData(accepted, form) || findComputabilityRefusal(accepted, form.onConductors())) {
        return std::nullopt;
    }
    return checkCorridor(accepted, form, form.onConductors());
}

CheckBoxStep unchecked(std::optional<std::string> message = std::nullopt) {
    CheckBoxStep step;
    step.message = std::move(message);
    return step;
}

CheckBoxStep openDialog() {
    CheckBoxStep step;
    step.showDialog = true;
    step.checked = true;
    return step;
}

CheckBoxStep ticked() {
    CheckBoxStep step;
    step.checked = true;
    return step;
}

// "Anuluj" unticks the box and empties the dialog's fields, "Nie" only unticks it; nothing
// for "Tak", whose fields are checked next.
std::optional<CheckBoxStep> declined(DialogAnswer answer) {
    if (answer == DialogAnswer::Cancel) {
        CheckBoxStep step = unchecked();
        step.resetFields = true;
        return step;
    }
    if (answer == DialogAnswer::No) {
        return unchecked();
    }
    return std::nullopt;
}

} // namespace

bool runHeightCheck(LineProject& project, TowerChoiceState& choice, HeightIndicatorState& indicator,
                    const std::string& workingHeightText, const std::string& groundHeightText) {
    if (indicator.refused) {
        // The unchanged-heights shortcut would keep the refusal's red for the heights
        // applied before it (e.g. after deleting and retyping a digit).
        choice.appliedGroundHeight = 0.0;
    }
    const bool wasFresh = choice.heightsFresh;
    const double workingBefore = choice.appliedWorkingHeight;
    const double groundBefore = choice.appliedGroundHeight;
    const HeightCheckResult result =
        checkHeights(project, choice, workingHeightText, groundHeightText);
    // Refused heights leave the applied ones as they were.
    const bool applied = choice.heightsFresh != wasFresh ||
                         choice.appliedWorkingHeight != workingBefore ||
                         choice.appliedGroundHeight != groundBefore;
    if (result.changed) {
        indicator.colour = result.indicator;
        indicator.hint = result.hint;
        indicator.refused = !applied;
    }
    return applied;
}

void applyTowerShift(LineProject& project, const TowerChoiceState& choice) {
    for (std::uint32_t i = 1; i <= towerEnd(project); ++i) {
        project.conductorX[i] = choice.tower.conductorX[i - 1] + project.towerShift;
    }
}

std::optional<std::string> checkLineData(LineProject& project, TowerChoiceState& choice,
                                         HeightIndicatorState& indicator, const LineDataForm& form,
                                         bool entrySelected) {
    if (!project.towerChosen || !entrySelected) {
        return kNoTowerMessage;
    }
    const double hw = readDecimal(form.workingHeight);
    const double hg = readDecimal(form.groundHeight);
    if (!(hw > 0.0)) {
        return kNoWorkingHeightMessage;
    }
    if (!(hg > 0.0) && project.groundWireCount >= 1) {
        return kNoGroundHeightMessage;
    }
    runHeightCheck(project, choice, indicator, form.workingHeight, form.groundHeight);
    applyTowerShift(project, choice);
    if (form.magnetic()) {
        if (auto refused = checkPhaseCurrents(form.currents, kPhaseCurrentLineDataMessage)) {
            return refused;
        }
    }
    if (auto refused = checkCoincidences(project, form)) {
        return refused;
    }
    if (auto refused = checkShieldWires(project, form.shieldWires)) {
        return refused;
    }
    if (auto refused = checkCalculationLine(project, form)) {
        return refused;
    }
    if (project.groundWireCount > 0 && hw > hg) {
        return kGroundTooLowMessage;
    }
    if (indicator.colour == HeightIndicator::Red) {
        return kGroundTooLowMessage;
    }
    return checkAcceptedCorridor(project, form);
}

CheckBoxStep buildingClicked(LineProject& project, bool nowChecked) {
    if (nowChecked && project.towerChosen) {
        return openDialog();
    }
    project.buildingOn = false;
    return nowChecked ? unchecked(kChooseTowerFirstMessage) : unchecked();
}

CheckBoxStep buildingAnswered(LineProject& project, DialogAnswer answer,
                              const BuildingForm& building) {
    project.buildingOn = false;
    if (auto step = declined(answer)) {
        return *step;
    }
    if (building.frontX.empty() || building.frontY.empty() || building.roofX.empty() ||
        building.roofY.empty()) {
        return unchecked(kBuildingFieldsMessage);
    }
    if (readDecimal(building.frontX) == readDecimal(building.roofX) &&
        readDecimal(building.frontY) == readDecimal(building.roofY)) {
        return unchecked(kBuildingPointsMessage);
    }
    project.buildingOn = true;
    return ticked();
}

CheckBoxStep shieldWiresClicked(LineProject& project, bool nowChecked) {
    if (nowChecked && project.towerChosen) {
        return openDialog();
    }
    project.shieldWiresOn = false;
    return nowChecked ? unchecked(kChooseTowerFirstMessage) : unchecked();
}

CheckBoxStep shieldWiresAnswered(LineProject& project, DialogAnswer answer, std::size_t rowCount) {
    CheckBoxStep step;
    step.resetFields = answer == DialogAnswer::Cancel;
    const bool listEmpty = rowCount == 0 || step.resetFields;
    project.shieldWiresOn = answer == DialogAnswer::Yes && !listEmpty;
    step.checked = project.shieldWiresOn;
    return step;
}

CheckBoxStep interferenceClicked(const LineProject& project, bool nowChecked) {
    if (!nowChecked) {
        return unchecked();
    }
    return project.towerChosen ? openDialog() : unchecked(kChooseTowerFirstMessage);
}

CheckBoxStep interferenceAnswered(DialogAnswer answer, const InterferenceForm& interference) {
    if (auto step = declined(answer)) {
        return *step;
    }
    if (!(readDecimal(interference.frequency) > 0.0)) {
        return unchecked(kInterferenceFrequencyMessage);
    }
    return ticked();
}

std::optional<std::string> acceptLineData(LineProject& project, const LineDataForm& form) {
    project.lineDataAccepted = false;
    if (auto refused = assembleLineModel(project, form)) {
        return refused;
    }
    // The positions carry the stored shift, so the calculation must see the tower as
    // shifted exactly when that shift is not 0, whatever the shift dialog's text says now.
    project.towerShifted = project.towerShift > 0.0;
    project.lineDataAccepted = true;
    return std::nullopt;
}

} // namespace velt
