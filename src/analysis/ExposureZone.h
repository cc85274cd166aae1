#pragma once
// Where along the calculation line the field reaches an exposure reference level.

#include "model/CalculationOptions.h"
#include "model/FieldProfile.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velt {

/// The field at a position along a profile's line (profilePositions), at any point.
using LineField = std::function<double(double position)>;

/// Zone edges are found to this length [m].
inline constexpr double kZoneEdgeTolerance = 1e-3;

/// A stretch of the line where the field is at or above the level: distances from the
/// tower axis (left < 0) on a horizontal line, heights on a vertical one [m].
struct ZoneInterval {
    double from = 0.0;
    double to = 0.0;
};

/// How much of the building's horizontal extent the zone covers.
enum class BuildingInZone { Outside, Partly, Whole };

struct ExposureZone {
    std::string limitKey;
    std::string limitName;
    double level = 0.0; ///< the level compared with the profile's values (fieldLevel)
    std::vector<ZoneInterval> intervals; ///< in order along the line; none: never reached
    double from = 0.0;                   ///< the first interval's start (0 when empty)
    double to = 0.0;                     ///< the last interval's end (0 when empty)
    double width = 0.0;     ///< the intervals' lengths added up; to - from only for one interval
    bool openLeft = false;  ///< still at or above the level at the range's start
    bool openRight = false; ///< still at or above the level at the range's end
    /// None on a vertical line and without a building.
    std::optional<BuildingInZone> building;
};

/// Where the profile's samples lie along its line. A magnetic pass along a horizontal line
/// keeps them in resultPositionH; every other profile in resultPosition.
const double* profilePositions(const FieldProfile& profile);

/// The level of `limit` for the profile's quantity (fieldLevel: a magnetic level as its peak
/// value, as the profile's values are); none on the conductors.
std::optional<double> limitLevel(const ExposureLimit& limit, const FieldProfile& profile);

/// The zone of `limit` on the profile's line. The samples that bracket each edge come from
/// the profile; the edge itself is found by bisection on `field` (the same field at any
/// point) to kZoneEdgeTolerance. A level crossed twice between two neighbouring samples is
/// not seen: the profile's step decides what is found. An edge at the range's end is open.
/// None when the level does not apply (limitLevel).
std::optional<ExposureZone> exposureZone(const ExposureLimit& limit, const FieldProfile& profile,
                                         const LineField& field);

/// The zones of every limit whose level applies, in the limits' order.
std::vector<ExposureZone> exposureZones(const std::vector<ExposureLimit>& limits,
                                        const FieldProfile& profile, const LineField& field);

} // namespace velt
