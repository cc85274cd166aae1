#pragma once
// Writing a line project file: what the line-data dialog and its companions hold, in the
// form loadProject reads back into the same line.

#include "project/ProjectFile.h"

#include <optional>
#include <string>

namespace velt {

/// The tower a project names.
struct ProjectTower {
    TowerDefinition tower;
    bool builtIn = false; ///< written by its series name; any other tower in full
};

/// The tower chosen in the tower list, if any: a built-in entry or another tower.
std::optional<ProjectTower> chosenProjectTower(const LineProject& project,
                                               const LineDialogState& state);

/// The project file (UTF-8 JSON) of `state`'s texts and choices, `tower` and `answers`.
/// Empty texts are left out, as the loader leaves their fields as they are.
std::string projectText(const LineDialogState& state, const std::optional<ProjectTower>& tower,
                        const CalculationAnswers& answers);

} // namespace velt
