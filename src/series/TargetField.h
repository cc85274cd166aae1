#pragma once
// The field a height target compares with its level: the largest along the calculation
// line at a distance from the tower axis, on both sides, and on request beyond it.

#include "series/ProjectCalculation.h"

#include <optional>
#include <vector>

namespace velt {

/// Positions from the tower axis within the stretch the calculation covered (zoneLineOf):
/// -at and at, and with `beyond` every sample of the profile's step farther out.
std::vector<double> targetPositions(const FieldProfile& profile, double at, bool beyond);

/// The largest field at those positions, in the profile's quantity (kV/m RMS, A/m peak),
/// from the field at any point of the computed calculation; none when no position lies
/// within the stretch or the field cannot be taken (on the conductors).
std::optional<double> largestTargetField(const ProjectCalculation& calculation, double at,
                                         bool beyond);

} // namespace velt
