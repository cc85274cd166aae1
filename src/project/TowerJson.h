#pragma once
// The tower form of the project file and of `velt-calc towers show`.

#include "model/TowerDefinition.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

namespace velt {

/// Reads {"series","type","nominalVoltage","phaseVoltagePeak","phaseDiameter",
/// "groundDiameter","phaseBundleSize","phaseBundleSpacing","groundBundleSize",
/// "groundBundleSpacing","phase":[[x,h],...],"groundX":[x,...]} with an optional
/// "groundWireHeight" (stored in the ground-wire height slots, 0.0 without it).
/// A missing or unknown key, a wrong type or a value the tower record cannot hold is
/// refused: no result, and `message` names the key.
std::optional<TowerDefinition> towerFromJson(const nlohmann::json& json, std::string& message);

/// The same form, with "groundWireHeight" taken from the first ground wire (0.0 without one).
nlohmann::json towerToJson(const TowerDefinition& tower);

} // namespace velt
