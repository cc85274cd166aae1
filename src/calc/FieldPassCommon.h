#pragma once
// The steps the electric and the magnetic pass share.

#include "calc/EvaluationPoints.h"
#include "calc/FieldPass.h"

#include <cstdint>
#include <functional>

namespace velt {

/// Refuses, before any arithmetic and with the message shown, what a pass cannot compute.
bool admitPass(PassContext& ctx, bool onConductors, bool electric);

/// The evaluation points of a pass (the project's bundles already expanded when on the
/// conductors).
void passPoints(const LineProject& project, double lineMode, double lineX, bool onConductors,
                EvaluationPoints& points);

/// The field at evaluation point `i` (1-based), taken at (`px`, `py`).
using PointEvaluation = std::function<double(int i, double px, double py)>;

/// The loop of a pass over its points, with the progress shown: each point is kept in the
/// project's pointX/pointY, moved off the axis of conductors 1..`axisConductors` and
/// evaluated by `fieldAt` into values[i].
void evaluatePoints(PassContext& ctx, const EvaluationPoints& points, std::uint32_t axisConductors,
                    double (&values)[kProfileSlots], const PointEvaluation& fieldAt);

/// Step, counts, last point and line of the pass into the result record.
void copyLineResults(PassContext& ctx, double lineX);
/// Conductor positions and magnetic components into the result record.
void copyGeometrySnapshot(PassContext& ctx);
/// Tower series and type into the result record.
void copyTowerNames(PassContext& ctx);

/// The result copies every pass takes at its end.
void copyPassResults(PassContext& ctx, double lineX, bool onConductors);

} // namespace velt
