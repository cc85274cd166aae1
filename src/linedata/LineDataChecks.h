#pragma once
// The OK chain of the line-data dialog, its three check boxes and the acceptance of the
// line data. The dialog hands over what the user typed and applies what these answer.

#include "model/DialogAnswer.h"
#include "model/LineDataForm.h"
#include "model/LineProject.h"
#include "model/TowerChoice.h"
#include "model/Translatable.h"

#include <optional>
#include <string>

namespace velt {

/// The height indicator (Shape1) as last set. A height check that changes nothing leaves it
/// as it was, so the dialog keeps one of these for the whole run.
struct HeightIndicatorState {
    HeightIndicator colour = HeightIndicator::Red;
    std::string hint = VELT_TRANSLATE_NOOP(
        "velt", "Wskaźnik poprawności podanych wysokości zawieszenia przewodów.");
    bool refused = false; ///< last set by refused heights (empty or out of order)
};

inline const std::string kNoTowerMessage =
    VELT_TRANSLATE_NOOP("velt", "Nie wybrano serii i typu słupa!");

/// The height check (key release in a height field, after a tower choice, and on OK):
/// applies the typed heights and updates the indicator. Returns true when the conductor
/// heights changed (the tower preview is repainted then). Heights typed again after a
/// refusal are checked again, so the indicator cannot stay red for valid heights.
bool runHeightCheck(LineProject& project, TowerChoiceState& choice, HeightIndicatorState& indicator,
                    const std::string& workingHeightText, const std::string& groundHeightText);

/// Working conductors and ground wires at their tower x plus the tower shift. Built from the
/// tower's own positions, so applying it again never shifts twice.
void applyTowerShift(LineProject& project, const TowerChoiceState& choice);

/// The OK chain of the line-data dialog, in order; stops at the first failure and returns
/// its message (the dialog then stays open). `entrySelected`: the tower list has a
/// selection. Runs the height check, applies the tower shift and sets `shieldWireCount`.
/// Reads `buildingOn`, `shieldWiresOn` and `towerShift` from the project. Last, with
/// neighbouring lines, the corridor of the line as it will be accepted (checkCorridor).
std::optional<std::string> checkLineData(LineProject& project, TowerChoiceState& choice,
                                         HeightIndicatorState& indicator, const LineDataForm& form,
                                         bool entrySelected);

/// What a check box of the line-data dialog does next. When `showDialog` is set the dialog
/// opens its companion and then calls the matching ...Answered function; otherwise it shows
/// `message` (if any), sets the box to `checked` and, with `resetFields`, puts the companion's
/// fields back ("0.00"; the shield-wire list is emptied). The building's edit button
/// (SpeedButton2) follows `buildingOn` of the project.
struct CheckBoxStep {
    bool showDialog = false;
    bool checked = false;
    std::optional<std::string> message;
    bool resetFields = false;
};

inline const std::string kChooseTowerFirstMessage =
    VELT_TRANSLATE_NOOP("velt", "Wybierz najpierw serię i typ słupa!");

/// "Budynek" (or its edit button) clicked; `nowChecked` is the box's new state.
CheckBoxStep buildingClicked(LineProject& project, bool nowChecked);
/// The building dialog closed with `answer`; `building` holds its fields.
CheckBoxStep buildingAnswered(LineProject& project, DialogAnswer answer,
                              const BuildingForm& building);

/// "Przewody ekranujące" clicked.
CheckBoxStep shieldWiresClicked(LineProject& project, bool nowChecked);
/// The shield-wire editor closed with `answer`; `rowCount` is the number of list entries
/// when it closed. With `resetFields` the list is emptied. Afterwards the dialog enables the
/// editor's "&Dodaj", "&Nie" and "&Tak" again and shows the entry count in its count field.
CheckBoxStep shieldWiresAnswered(LineProject& project, DialogAnswer answer, std::size_t rowCount);

/// "Zakł. na przewodach?" clicked.
CheckBoxStep interferenceClicked(const LineProject& project, bool nowChecked);
/// The interference dialog closed with `answer`.
CheckBoxStep interferenceAnswered(DialogAnswer answer, const InterferenceForm& interference);

/// The main window's part after the line-data dialog closed with "&Tak": completes the line
/// project (shield wires, building, radii, counts) and marks the line data accepted. Returns
/// the refusal message, leaving the data not accepted, when the model cannot hold them.
std::optional<std::string> acceptLineData(LineProject& project, const LineDataForm& form);

} // namespace velt
