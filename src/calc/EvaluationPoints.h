#pragma once
// Where a pass evaluates the field: along the calculation line or on the conductor surfaces.

#include "model/LineProject.h"

#include <array>

namespace velt {

struct EvaluationPoints {
    int count = 0;
    std::array<double, kProfileSlots> x{}; ///< used from index 1
    std::array<double, kProfileSlots> y{};
};

/// Points along a line: `count` points `calcStep` apart from 0, on the horizontal line at
/// `pointY` (`lineMode` 0.0) or on the vertical line at `lineX` (`lineMode` 1.0).
void linePoints(int count, double calcStep, double lineMode, double lineX, double pointY,
                EvaluationPoints& points);

/// Four points on the surface of every working (sub-)conductor, at the sub-conductor radius.
void surfacePoints(const LineProject& project, EvaluationPoints& points);

/// A point exactly on the axis of one of conductors 1..`conductors` is evaluated on that
/// conductor's surface straight above its axis, where the field is finite.
void moveOffConductorAxis(const LineProject& project, std::uint32_t conductors, double& x,
                          double& y);

} // namespace velt
