#pragma once
// The three tower cross-sections the program carries, one for each nominal voltage.

#include "model/TowerDefinition.h"

#include <array>
#include <string>

namespace velt {

inline constexpr int kBuiltInTowerCount = 3;

/// The tower list texts, in list order (the blanks inside are part of the text).
const std::array<std::string, kBuiltInTowerCount>& builtInTowerListTexts();

/// The towers in list order. Sizes are diameters; working-conductor heights are relative to
/// the lowest working conductor; ground-wire heights are 0.0 (they take the typed height).
const std::array<TowerDefinition, kBuiltInTowerCount>& builtInTowers();

/// The built-in tower of a series ("S12", "H52", "Z52"), or nullptr.
const TowerDefinition* builtInTowerBySeries(const std::string& series);

} // namespace velt
