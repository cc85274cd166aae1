#pragma once
// The largest field on the conductor surfaces and the radio-interference levels.

#include "calc/EvaluationPoints.h"
#include "calc/FieldPass.h"

#include <optional>
#include <string>

namespace velt {

/// Largest of the point values (0 when all are 0).
double surfaceMaximum(const double* values, int count);

/// Surface field [kV/cm] from the largest RMS field [kV/m] on the surfaces.
double surfaceFieldFromMaximum(double maxFieldKvPerM);
/// Surface induction [mT] from the largest field strength [A/m] on the surfaces.
double surfaceInductionFromMaximum(double maxFieldAPerM);

/// Refusal of interference inputs whose logarithms are undefined (frequency not above 0,
/// observation point on conductor 1); checked before a pass computes anything.
std::optional<std::string> checkInterferenceInputs(const LineProject& project,
                                                   const LineDataForm& form);

/// The five levels [dB] for surface field `e` [kV/cm], radius `r` [m], conductor 1 at
/// (x1, y1), observer at distance `d` from the axis, frequency `f` [MHz].
void interferenceLevels(double e, double r, double x1, double y1, double d, double f,
                        double (&levels)[5]);

/// Stores the interference levels of an electric calculation on the conductors, when the
/// line data asks for them.
void storeInterference(PassContext& ctx);

} // namespace velt
