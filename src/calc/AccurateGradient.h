#pragma once
// The surface gradient of every bundle of the line, with the charge of each sub-conductor
// pushed to its outer side by its neighbours.

#include "calc/CircleCharges.h"
#include "calc/LineCircles.h"
#include "model/LineProject.h"

#include <optional>
#include <vector>

namespace velt {

struct BundleGradient {
    LineBundle bundle;
    double gradient = 0.0; ///< [kV/cm], the largest of its sub-conductors'
};

struct AccurateGradients {
    std::vector<BundleGradient> bundles;
    /// Largest over the main line's working bundles [kV/cm], the surface gradient for the
    /// radio interference.
    double maxWorkingGradient = 0.0;
};

/// Surface gradients of the circles of `line` grouped by its bundles; circles after the
/// bundles' (other lines) take part in the field but are not listed. nullopt when the
/// circles cannot be solved or the solution does not converge.
std::optional<AccurateGradients> accurateGradients(const LineCircles& line,
                                                   const CircleChargeOptions& options = {});

/// The same for a line whose data were accepted (see lineCircles).
std::optional<AccurateGradients> accurateGradients(const LineProject& project);

} // namespace velt
