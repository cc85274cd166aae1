#pragma once
// The towers a line beside the main one may hang on: those of the line-data dialog's list.

#include "linedata/TowerList.h"
#include "model/TowerDefinition.h"

#include <string>
#include <vector>

namespace velt {

struct NeighbourTowerEntry {
    std::string text;
    TowerDefinition tower;
    bool builtIn = false; ///< the project names it by its series
};

/// The built-in towers, the catalogue towers and the test tower of `list` with their list
/// texts, whether the line-data dialog is shown or not.
std::vector<NeighbourTowerEntry> neighbourTowerEntries(const TowerList& list);

/// The entry of `tower`: a built-in one by its series, any other by its data. A tower no
/// entry holds (one a project brought) is appended under its display key.
int neighbourTowerEntry(std::vector<NeighbourTowerEntry>& entries, const TowerDefinition& tower,
                        bool builtIn);

} // namespace velt
