#pragma once
// The lines beside the main one as round conductors for the surface gradient.

#include "calc/LineCircles.h"
#include "model/CalculationOptions.h"

#include <vector>

namespace velt {

/// Appends every bundle of every neighbour (lines 1, 2, ...) to `circles`: working bundles
/// as their sub-conductors at the line's own voltages, ground wires grounded, laid out as
/// the main line's bundles are; the tower axes at `mainAxisX` plus their offsets. False when
/// a bundle has more sub-conductors than a layout exists for (4).
bool appendNeighbourCircles(LineCircles& circles, const std::vector<NeighbourLine>& neighbours,
                            double mainAxisX);

} // namespace velt
