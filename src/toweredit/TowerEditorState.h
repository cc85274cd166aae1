#pragma once
// What the tower editor keeps for the whole run besides its widgets, and the rules that move
// a tower between that state, the editor's fields and its two conductor-list editors.

#include "linedata/ConductorListRules.h"
#include "model/LineDataForm.h"
#include "model/TowerChoice.h"
#include "model/TowerDefinition.h"

#include <optional>
#include <string>
#include <vector>

namespace velt {

struct TowerEditorState {
    /// The tower being edited. A working conductor's height is its listed relative height
    /// plus the applied working height; a ground wire's is the applied ground-wire height.
    TowerDefinition editorTower;
    double editorAppliedWorkingHeight = 0.0;
    double editorAppliedGroundHeight = 0.0;
    /// The working heights are still the relative ones: no suspension height added yet.
    bool editorHeightsFresh = false;
    /// The last height check refused what was typed; heights typed again are checked again
    /// even where they equal the ones applied before, so that the indicator follows them.
    bool editorHeightsRefused = false;
    /// The files of the catalogue opened last; empty until one was opened.
    std::string catalogueIndexName;
    std::string catalogueDataName;
    /// The tower of "Testuj" (its series ends in "*"); none until the first one.
    std::optional<TowerDefinition> testTower;
};

/// The editor's own fields as typed.
struct TowerEditorFields {
    std::string series;        ///< Edit1
    std::string type;          ///< Edit2
    int voltageChoice = -1;    ///< ComboBox2 entry, -1 while none is chosen
    std::string voltageText;   ///< ComboBox2 text
    std::string workingCount;  ///< Edit3
    std::string workingHeight; ///< Edit6
    std::string groundHeight;  ///< Edit7
};

/// One of the two list editors (TW_PRob, TW_NPOdg): its rows and its common fields.
struct ConductorEditorData {
    std::vector<ConductorRow> rows;
    BundleFields bundle;
};

struct TowerEditorLists {
    ConductorEditorData working; ///< distance and relative height per row
    ConductorEditorData ground;  ///< distance per row
};

/// The voltage list of the editor, sorted.
inline const std::vector<std::string> kEditorVoltages = {"110 kV", "220 kV", "400 kV"};

/// The entry of the voltage list for a nominal voltage of exactly 110, 220 or 400 kV.
std::optional<int> voltageChoiceOf(double nominalVoltage);

/// The number a list entry or the ground-wire field holds; a decimal comma counts as a point.
double readListNumber(const std::string& text);

/// The height check of the editor's two suspension heights. Applies them to `editorTower`
/// unless they are the heights applied last; `changed` false leaves the indicator as it is.
HeightCheckResult checkEditorHeights(TowerEditorState& state, const TowerEditorFields& fields);

/// Takes a tower read from a catalogue; its working heights are relative again.
void takeCatalogueTower(TowerEditorState& state, const TowerDefinition& tower);

/// The rows for both list editors from a catalogue tower: distance and height of each
/// working conductor, distance of each ground wire.
TowerEditorLists catalogueTowerRows(const TowerDefinition& tower);

/// What both list editors show before an edit: the rows of `editorTower` with relative
/// heights, and its diameters and bundle data.
TowerEditorLists editorLists(const TowerEditorState& state);

/// Takes both list editors back after one of them closed with OK: diameters, spacings,
/// bundle sizes and counts from their fields, positions from their rows (working heights
/// relative), every ground wire at the typed ground-wire height. The heights count as
/// fresh again; the caller runs the height check.
void takeEditedConductors(TowerEditorState& state, const TowerEditorLists& lists,
                          const std::string& groundHeightText);

/// The drawing shows conductors only once series and type are given.
bool drawsConductors(const TowerEditorFields& fields);

} // namespace velt
