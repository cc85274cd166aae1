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

/// The result copies every pass takes at its end.
void copyPassResults(PassContext& ctx, double lineX, bool onConductors);

} // namespace velt
