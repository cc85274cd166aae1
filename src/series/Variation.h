#pragma once
// One varied key of a series, "KEY=FROM:TO:STEP" or "phaseOrder=all", read and checked
// against the key's own rule; every message names the argument as it was given.

#include "series/SeriesKey.h"

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

namespace velt {

/// No series runs more calculations than this.
inline constexpr std::size_t kMaxCombinations = 100000;

struct Variation {
    std::string argument; ///< as given: "workingHeight=10:20:0.5"
    SeriesKey key;
    std::vector<SeriesValue> values; ///< FROM, FROM + STEP, ... up to TO; TO itself when reached
};

/// Reads `argument`. Refused, with a message naming it: no "=", an unknown key, a range
/// that is not three numbers (or "all" for a choice), a step of 0 or leading away from TO,
/// more than kMaxCombinations values, a value the key's own rule refuses.
std::variant<Variation, std::string> parseVariation(const std::string& argument);

/// The message of a refused argument: "--vary ARGUMENT: WHAT".
std::string variationMessage(const std::string& argument, const std::string& what);

} // namespace velt
