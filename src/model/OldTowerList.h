#pragma once
// The older single-file tower list (".lin"): seven text lines per tower.

#include "model/TowerDefinition.h"

#include <istream>
#include <ostream>
#include <vector>

namespace velt {

inline constexpr std::size_t kOldGroupLines = 7;

struct OldTowerList {
    std::size_t groupCount = 0;          ///< complete groups of seven lines
    std::vector<TowerDefinition> towers; ///< usable towers, in file order, duplicates kept
};

/// Reads every complete group. A group is skipped when its first line does not start a
/// tower, a number line does not hold all it announces, or the tower is not usable
/// (isUsableTower) or its key could not be indexed. Ground-wire heights are 0.0.
OldTowerList readOldTowerList(std::istream& in);

/// Writes towers in the same format (CR LF, Windows-1250); false when the stream failed.
bool writeOldTowerList(std::ostream& out, const std::vector<TowerDefinition>& towers);

} // namespace velt
