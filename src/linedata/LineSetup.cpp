#include "linedata/LineSetup.h"

#include "linedata/AuxiliaryChecks.h"
#include "linedata/LineDataRules.h"

#include <cstdint>
#include <functional>

namespace velt {
namespace {

// The first refusal ends the set-up.
struct Refused {
    std::string message;
};

void check(const std::optional<std::string>& refusal) {
    if (refusal) {
        throw Refused{*refusal};
    }
}

// A check box clicked, its dialog answered "&Tak"; the box's final state.
bool checkBoxAccepted(const CheckBoxStep& clicked, const std::function<CheckBoxStep()>& answer) {
    check(clicked.message);
    if (!clicked.showDialog) {
        return clicked.checked;
    }
    const CheckBoxStep answered = answer();
    check(answered.message);
    return answered.checked;
}

void applyShieldWires(LineProject& project, LineDataForm& form, const LineSetup& setup) {
    form.shieldWiresChecked = checkBoxAccepted(shieldWiresClicked(project, true), [&] {
        ConductorListLock lock;
        for (const ConductorRow& row : setup.shieldRows) {
            if (addConductorRow(form.shieldWires.rows, lock, ConductorEditor::ShieldWires, row)
                    .duplicatePairs > 0) {
                check(kDuplicateRowsMessage);
            }
        }
        check(acceptShieldWires(project, form.shieldWires));
        return shieldWiresAnswered(project, DialogAnswer::Yes, form.shieldWires.rows.size());
    });
}

void applyCheckBoxes(LineProject& project, LineDataForm& form, const LineSetup& setup) {
    if (setup.building) {
        form.buildingChecked = checkBoxAccepted(buildingClicked(project, true), [&] {
            return buildingAnswered(project, DialogAnswer::Yes, form.building);
        });
    }
    if (setup.shieldWires) {
        applyShieldWires(project, form, setup);
    }
    if (setup.interference) {
        form.interferenceChecked = checkBoxAccepted(interferenceClicked(project, true), [&] {
            return interferenceAnswered(DialogAnswer::Yes, form.interference);
        });
    }
}

void applySetup(LineProject& project, LineDialogState& state, const LineSetup& setup) {
    LineDataForm& form = state.form;
    const bool selected = setup.tower.has_value() && setup.listIndex >= 0;
    const std::uint32_t phases = selected ? setup.tower->phaseConductorCount : 0;
    if (selected) {
        chooseTower(project, state.choice, *setup.tower, setup.listIndex);
        form.currents.secondCircuitEnabled = twoCircuits(phases);
        runHeightCheck(project, state.choice, state.indicator, form.workingHeight,
                       form.groundHeight);
    }
    applyCheckBoxes(project, form, setup);
    check(acceptTowerShift(project, form.towerShift));
    project.towerShifted = towerShiftedByText(form.towerShift);
    project.phaseOrderSwapped = twoCircuits(phases) && form.phaseOrderChoice == 1;
    if (setup.currents && phaseValuesEnabled(form.magnetic(), phases)) {
        check(checkPhaseCurrents(form.currents));
    }
    check(checkLineData(project, state.choice, state.indicator, form, selected));
    check(acceptLineData(project, form));
}

} // namespace

std::optional<std::string> setUpLine(LineProject& project, LineDialogState& state,
                                     const LineSetup& setup) {
    try {
        applySetup(project, state, setup);
    } catch (const Refused& refused) {
        return refused.message;
    }
    return std::nullopt;
}

} // namespace velt
