#pragma once
// Storing a computed profile with its maximum, scales, axis and line snapshot.

#include "calc/FieldPass.h"

namespace velt {

/// Called at the end of every along-line pass. `positions` and `values` are used from
/// index 1 to `count`. The last pass of a calculation asks for the drawing range; false when
/// that question was declined.
bool sampleProfile(PassContext& ctx, int count, const double* positions, const double* values,
                   bool onConductors, double lineX, bool magnetic);

} // namespace velt
