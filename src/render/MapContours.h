#pragma once
// Lines of equal field on a map: marching squares over its cells, each crossing placed on
// the cell's edge by linear interpolation, the pieces joined into lines.

#include "analysis/FieldMap.h"

#include <vector>

namespace velt {

/// A point of the map's cross-section: x from the tower axis, y above the ground [m].
struct MapPoint {
    double x = 0.0;
    double y = 0.0;
};

using ContourLine = std::vector<MapPoint>;

/// The lines where the map's values equal `level` (in the map's own units). A cell with a
/// corner without value is left out, so a line ends at a conductor, the building or the
/// map's edge; a closed line ends at its first point.
std::vector<ContourLine> contourLines(const FieldMap& map, double level);

} // namespace velt
