#pragma once
// The map's point under a pixel of its picture, for what the window says under the mouse.

#include "analysis/FieldMapGrid.h"
#include "render/PixelGeometry.h"

#include <optional>

namespace velt {

struct MapGridPoint {
    int column = 0;
    int row = 0;
    bool operator==(const MapGridPoint&) const = default;
};

/// The grid point nearest to `pixel` as the plot's colours place the points (a pixel's
/// centre between them); none outside `plot` or on an empty grid.
std::optional<MapGridPoint> mapPointAt(const PixelRect& plot, const FieldMapGrid& grid,
                                       PixelPoint pixel);

} // namespace velt
