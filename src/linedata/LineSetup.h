#pragma once
// A line set up the way a user sets it up in the line-data dialog: tower, heights, the
// companion dialogs answered "&Tak", shift, phase order and currents, then OK and the
// acceptance. velt-calc, the desktop program's project loading and the tests all go
// through here, so they accept the same line the same way.

#include "linedata/ConductorListRules.h"
#include "linedata/LineDataChecks.h"
#include "model/LineDataForm.h"
#include "model/LineProject.h"
#include "model/TowerChoice.h"
#include "model/TowerDefinition.h"

#include <optional>
#include <string>
#include <vector>

namespace velt {

/// What the line-data dialog and its companions keep between showings.
struct LineDialogState {
    LineDataForm form;
    TowerChoiceState choice;
    HeightIndicatorState indicator;
};

/// What the user enters besides the field texts of `LineDialogState::form`.
struct LineSetup {
    std::optional<TowerDefinition> tower; ///< none: nothing chosen in the tower list
    int listIndex = -1;                   ///< the tower's entry in the tower list
    bool building = false;                ///< "Budynek" checked, its dialog answered "&Tak"
    bool shieldWires = false;             ///< "Przewody ekranujące" likewise
    std::vector<ConductorRow> shieldRows; ///< rows added in the shield-wire editor, in order
    bool interference = false;            ///< "Zakł. na przewodach?" likewise
    bool currents = false;                ///< the phase-current dialog was answered
};

/// Runs the dialog's steps on `state` (whose form holds the typed texts and choices) and
/// `project` (zero on entry): tower choice and height check, the check boxes, shift, phase
/// order, currents, the OK chain and the acceptance. Stops at the first refusal and returns
/// its message; the line data are accepted otherwise.
std::optional<std::string> setUpLine(LineProject& project, LineDialogState& state,
                                     const LineSetup& setup);

} // namespace velt
