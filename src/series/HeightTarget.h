#pragma once
// The lowest suspension height at which the field at a distance from the tower axis stays
// at or below an exposure level: bisection on a centimetre grid, every step a complete
// calculation of the project with that height written in.

#include "model/TowerChoice.h"
#include "series/SeriesProject.h"

#include <string>
#include <variant>

namespace velt {

/// The height a target varies. The working height takes the ground wires along, their
/// distance above the working conductors kept.
enum class TargetKey { WorkingHeight, GroundWireHeight };

struct TargetQuery {
    ExposureLimit limit;
    double at = 0.0;     ///< distance from the tower axis [m], on both sides
    bool beyond = false; ///< also every distance beyond `at` within the computed range
    TargetKey key = TargetKey::WorkingHeight;
};

/// Heights are searched on this grid [m], up to the highest suspension height the line
/// data take (the ground wires' with the working height).
inline constexpr double kTargetGrid = 0.01;
inline constexpr double kHighestTarget = kMaxSuspensionHeight;

struct TargetAnswer {
    double value = 0.0; ///< the height [m], a whole number of centimetres
    double field = 0.0; ///< the largest field there, RMS, in `unit`
    std::string unit;   ///< "kV/m", "A/m" or "µT" (the project's magnetic unit)
    /// 1 cm lower is a height the project does not take (`lowerRefusal` says why): the
    /// level is met from the lowest height on and does not decide the answer.
    bool lowest = false;
    std::string lowerRefusal;
};

/// The key's name in the project file.
const char* targetKeyName(TargetKey key);

/// The level `key` names: one of the project's levels (by key, or by name for a level of
/// the user's own), else a built-in one; nullptr when none.
const ExposureLimit* findTargetLimit(const SeriesProject& project, const std::string& key);

/// The lowest height on the grid at which the field at `at` (and beyond) stays at or below
/// the level, while 1 cm lower it does not (or is not taken). A magnetic level (RMS) is
/// compared with the peak field as level x sqrt 2. Refused with a message: a project not
/// computed along a horizontal line, a distance outside the computed range, no height up
/// to kHighestTarget meeting the level.
std::variant<TargetAnswer, std::string> findTarget(const SeriesProject& project,
                                                   const TargetQuery& query);

} // namespace velt
