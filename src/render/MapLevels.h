#pragma once
// Round levels of a field map (..., 0.5, 1, 2, 5, 10, ...) and its colour scale, which runs
// over decades: the field falls from hundreds of kV/m at the conductors to a fraction of one
// at the edge of the map.

#include <vector>

namespace velt {

/// Round level n: 1, 2 or 5 (n mod 3) times 10 to the power n / 3 (rounded down).
double roundLevel(int n);
/// The n of the largest round level at or below `v` (v > 0).
int roundLevelAtOrBelow(double v);
/// The n of the smallest round level at or above `v` (v > 0).
int roundLevelAtOrAbove(double v);

/// How far a colour scale reaches below its largest value: three decades.
inline constexpr double kScaleDepth = 1e-3;

/// A logarithmic scale between round levels `bottom` < `top`.
struct MapColourScale {
    int bottom = 0; ///< round level n of the scale's bottom
    int top = 3;    ///< round level n of the scale's top

    /// Where `v` lies on the scale, from 0 at the bottom (and below) to 1 at the top (and
    /// above).
    double position(double v) const;
    /// The colour of `v`: 0 to `colours` - 1.
    int colourIndex(double v, int colours) const;
    /// The round levels from the bottom to the top.
    std::vector<double> levels() const;
};

/// The scale of `values` (NaN for no value): from the round level at or below the smallest
/// value, but not more than kScaleDepth below the largest, to the round level at or above
/// the largest. Values that are all 0 get the scale 1 to 10.
MapColourScale colourScaleOf(const std::vector<double>& values, double unitFactor);

} // namespace velt
