// The plot's colours: the map's values between its points by bilinear interpolation, on
// the logarithmic scale of the legend.

#include "render/FieldMapLayoutParts.h"
#include "render/Viridis.h"

#include <algorithm>
#include <cmath>

namespace velt {
namespace {

// Where raster pixel k of `count` falls between two grid points: the first point and the
// share of the next one.
struct Between {
    int first = 0;
    double share = 0.0;
};

std::vector<Between> betweenPoints(int count, int points, bool downwards) {
    std::vector<Between> out(static_cast<std::size_t>(count));
    const double last = points - 1;
    for (int k = 0; k < count; ++k) {
        double at = (k + 0.5) / count * last;
        at = downwards ? last - at : at;
        const int first = std::clamp(static_cast<int>(std::floor(at)), 0, std::max(points - 2, 0));
        out[static_cast<std::size_t>(k)] = {first, points > 1 ? at - first : 0.0};
    }
    return out;
}

// The value between four grid points from those that have one; none where the building
// stands, so that its outline stays sharp, or where no point has a value.
double between(const FieldMap& map, const Between& across, const Between& up) {
    const FieldMapGrid& g = map.grid;
    const auto& building = map.scene.building;
    if (building && building->covers(g.x(across.first) + across.share * g.stepX,
                                     g.y(up.first) + up.share * g.stepY)) {
        return NAN;
    }
    const int i1 = std::min(across.first + 1, g.columns - 1);
    const int j1 = std::min(up.first + 1, g.rows - 1);
    const double t = across.share;
    const double s = up.share;
    const double weights[4] = {(1 - t) * (1 - s), t * (1 - s), (1 - t) * s, t * s};
    const double values[4] = {map.at(across.first, up.first), map.at(i1, up.first),
                              map.at(across.first, j1), map.at(i1, j1)};
    double sum = 0.0;
    double weight = 0.0;
    for (int k = 0; k < 4; ++k) {
        if (FieldMap::hasValue(values[k]) && weights[k] > 0.0) {
            sum += weights[k] * values[k];
            weight += weights[k];
        }
    }
    return weight > 0.0 ? sum / weight : NAN;
}

} // namespace

MapRaster mapRaster(const MapLayoutContext& c, const MapColourScale& scale, int side) {
    const PixelRect& plot = c.pixels.plot;
    MapRaster r;
    r.width = plot.right - plot.left;
    r.height = plot.bottom - plot.top;
    // A large page gets fewer raster pixels than plot pixels, in the plot's proportions.
    const int longer = std::max(r.width, r.height);
    if (side > 0 && longer > side) {
        r.width = std::max(1, r.width * side / longer);
        r.height = std::max(1, r.height * side / longer);
    }
    const FieldMapGrid& g = c.map.grid;
    if (r.width <= 0 || r.height <= 0 || g.points() == 0) {
        return {};
    }
    const std::vector<Between> across = betweenPoints(r.width, g.columns, false);
    const std::vector<Between> up = betweenPoints(r.height, g.rows, true);
    r.colours.reserve(static_cast<std::size_t>(r.width) * static_cast<std::size_t>(r.height));
    for (const Between& row : up) {
        for (const Between& column : across) {
            const double v = between(c.map, column, row);
            r.colours.push_back(FieldMap::hasValue(v) ? static_cast<std::int16_t>(scale.colourIndex(
                                                            v * c.unitFactor, kViridisColours))
                                                      : MapRaster::kNoColour);
        }
    }
    return r;
}

} // namespace velt
