#pragma once
// The steps the electric and the magnetic pass share.

#include "calc/EvaluationPoints.h"
#include "calc/FieldPass.h"

namespace velt {

/// Refuses, before any arithmetic and with the message shown, what a pass cannot compute.
bool admitPass(PassContext& ctx, bool onConductors, bool electric);

/// The evaluation points of a pass (the project's bundles already expanded when on the
/// conductors).
void passPoints(const LineProject& project, double lineMode, double lineX, bool onConductors,
                EvaluationPoints& points);

/// Step, counts, last point and line of the pass into the result record.
void copyLineResults(PassContext& ctx, double lineX);
/// Conductor positions and magnetic components into the result record.
void copyGeometrySnapshot(PassContext& ctx);
/// Tower series and type into the result record.
void copyTowerNames(PassContext& ctx);

/// The result copies every pass takes at its end.
void copyPassResults(PassContext& ctx, double lineX, bool onConductors);

} // namespace velt
