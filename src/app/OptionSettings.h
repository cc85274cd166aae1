#pragma once
// The calculation's options kept between runs: the user's last choice is the next start's.

#include "model/CalculationOptions.h"

namespace velt {

/// The options kept by the last run; the defaults when none were kept or they cannot be read.
CalculationOptions loadOptionSettings();

/// Keeps `options` for the next run.
void saveOptionSettings(const CalculationOptions& options);

} // namespace velt
