#pragma once
// The results of a calculation's options in velt-calc's outputs: the JSON keys beside the
// profile's, and the zones as a CSV table.

#include "analysis/CalculationExtras.h"
#include "model/FieldProfile.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace velt {

/// Adds to `json` (the profile's object): on the electric field's conductors the bundles'
/// accurate gradients with the corona onset; with limits the zones; with neighbouring lines
/// their conductors. Positions in metres from the tower axis.
void addExtrasToJson(nlohmann::json& json, const FieldProfile& profile,
                     const CalculationExtras& extras);

/// The zones as CSV: a header row, then one row a limit.
void writeZonesCsv(std::ostream& out, const FieldProfile& profile, const CalculationExtras& extras);

} // namespace velt
