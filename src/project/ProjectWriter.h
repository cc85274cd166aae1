#pragma once
// Writing a line project file: what the line-data dialog and its companions hold, in the
// form loadProject reads back into the same line.

#include "project/ProjectFile.h"

#include <optional>
#include <string>

namespace velt {

/// The tower a project names, and where it stands.
struct ProjectTower {
    TowerDefinition tower;
    bool builtIn = false; ///< written by its series name; any other tower in full
    /// The stored shift of the tower axis, which the line is computed with. The shift
    /// dialog's text is not it: choosing the tower again in the list sets that to "0.0".
    double shift = 0.0;
};

/// The tower chosen in the tower list, if any: a built-in entry or another tower.
std::optional<ProjectTower> chosenProjectTower(const LineProject& project,
                                               const LineDialogState& state);

/// The project file (UTF-8 JSON) of `state`'s texts and choices, `tower` and `answers`.
/// Empty texts are left out, as the loader leaves their fields as they are.
std::string projectText(const LineDialogState& state, const std::optional<ProjectTower>& tower,
                        const CalculationAnswers& answers);

} // namespace velt
