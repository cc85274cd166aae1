#include "render/FieldMapPick.h"

#include <algorithm>
#include <cmath>

namespace velt {
namespace {

// Pixel k of `count` at grid units (k + 0.5) / count * (points - 1), as the raster has it.
int nearestPoint(int k, int count, int points) {
    const double at = (k + 0.5) / count * (points - 1);
    return std::clamp(static_cast<int>(std::lround(at)), 0, points - 1);
}

} // namespace

std::optional<MapGridPoint> mapPointAt(const PixelRect& plot, const FieldMapGrid& grid,
                                       PixelPoint pixel) {
    const int width = plot.right - plot.left;
    const int height = plot.bottom - plot.top;
    if (grid.points() == 0 || pixel.x < plot.left || pixel.x >= plot.right || pixel.y < plot.top ||
        pixel.y >= plot.bottom) {
        return std::nullopt;
    }
    // Rows count from the ground, pixels from the top.
    return MapGridPoint{nearestPoint(pixel.x - plot.left, width, grid.columns),
                        nearestPoint(plot.bottom - 1 - pixel.y, height, grid.rows)};
}

} // namespace velt
