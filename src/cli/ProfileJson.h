#pragma once
// The field profile of a calculation as JSON, every field under its own name.

#include "analysis/CalculationExtras.h"
#include "model/FieldProfile.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace velt {

/// Arrays of points hold elements 1 to the point count, conductor arrays 1 to the conductor
/// count (element 0 is left out); the interference levels are all five. Numbers keep their
/// full precision. The window handles are left out.
nlohmann::json profileToJson(const FieldProfile& profile);

/// The profile's JSON; the results of the calculation's options join it when given.
void writeProfileJson(std::ostream& out, const FieldProfile& profile,
                      const CalculationExtras* extras = nullptr);

} // namespace velt
