#pragma once
// The options of a project file beyond the line, written as the reader reads them; and a
// tower as a project names it.

#include "model/CalculationOptions.h"
#include "model/TowerDefinition.h"

#include <nlohmann/json.hpp>

namespace velt {

/// A built-in tower by its series, any other in full, its keys in the schema's order.
nlohmann::ordered_json projectTowerJson(const TowerDefinition& tower, bool builtIn);

/// Only the options that differ from their defaults, under the project file's keys: a
/// project that uses none of them is written exactly as before they existed.
nlohmann::ordered_json optionsJson(const CalculationOptions& options);

} // namespace velt
