#pragma once
// The options of a project file beyond the line: surface method and corona, exposure limits,
// magnetic unit and neighbouring lines.

#include "model/CalculationOptions.h"

#include <nlohmann/json.hpp>

#include <string>

namespace velt {

/// Reads the options of `project` into `options` (default-constructed on entry); `folder` is
/// where the files the neighbours' towers name are found. `magnetic`: the project computes
/// the magnetic field, so every neighbour needs its currents. A refusal ends loading, the
/// message naming the key.
void readOptions(const nlohmann::json& project, const std::string& folder, bool magnetic,
                 CalculationOptions& options);

} // namespace velt
