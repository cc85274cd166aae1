#pragma once
// Setting up the line project from a chosen tower, and the height check that turns the
// tower's relative heights into heights above ground.

#include "model/LineProject.h"
#include "model/TowerDefinition.h"

#include <string>

namespace velt {

/// What the tower list of the line-data dialog remembers besides the line project.
struct TowerChoiceState {
    TowerDefinition tower;             ///< the chosen tower's own data (tower x, relative heights)
    double appliedWorkingHeight = 0.0; ///< lowest working-conductor height last applied
    double appliedGroundHeight = 0.0;  ///< ground-wire height last applied
    bool heightsFresh = false;         ///< the heights are still relative
};

/// The data steps of a tower choice: clears the conductor arrays and the choice flags,
/// stores names, voltages, counts, diameters, bundle data and positions (working-conductor
/// heights relative, ground wires at 0.0), resets the applied heights and records the
/// choice. The front end then updates its controls and runs the height check.
void chooseTower(LineProject& project, TowerChoiceState& state, const TowerDefinition& tower,
                 int listIndex);

/// Clears the choice flags before a choice (or a showing of the dialog).
void clearTowerChoice(LineProject& project, TowerChoiceState& state);

/// Conductor heights above 100 m are placed at 100 m; the fields keep what was typed.
inline constexpr double kMaxSuspensionHeight = 100.0;

enum class HeightIndicator { Red, Green };

struct HeightCheckResult {
    bool changed = false; ///< false: the indicator keeps its colour and hint
    HeightIndicator indicator = HeightIndicator::Red;
    std::string hint;
};

/// The height check: validates the two typed heights and applies them to the conductors.
HeightCheckResult checkHeights(LineProject& project, TowerChoiceState& state,
                               const std::string& workingHeightText,
                               const std::string& groundHeightText);

} // namespace velt
