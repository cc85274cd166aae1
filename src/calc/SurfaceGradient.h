#pragma once
// The largest field on the surface of each round conductor.

#include "calc/CircleCharges.h"
#include "calc/ConductorCircle.h"

#include <vector>

namespace velt {

/// Angles sampled on every surface before the largest sample is refined.
inline constexpr int kSurfaceSamples = 72;

/// Surface gradient [kV/cm] of every conductor of `solution`: at each surface point the
/// largest field over the 41 instants of the period divided by √2, taken where it is
/// largest on the surface (kSurfaceSamples angles, then a golden-section search around the
/// largest sample).
std::vector<double> surfaceGradients(const std::vector<ConductorCircle>& circles,
                                     const CircleSolution& solution);

} // namespace velt
