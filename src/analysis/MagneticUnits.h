#pragma once
// The magnetic field in the unit chosen beside the report: H [A/m] or B = mu0 H [uT].

#include "model/CalculationOptions.h"

namespace velt {

/// The magnetic constant with the true pi [T m / A]; the passes' truncated pi is theirs only.
inline constexpr double kMu0 = 4e-7 * 3.14159265358979323846;

/// H [A/m] of an induction B [uT] in air.
double amperesPerMetreOf(double microtesla);
/// B [uT] of a field strength H [A/m] in air.
double microteslaOf(double amperesPerMetre);
/// H [A/m] expressed in `unit`.
double inMagneticUnit(double amperesPerMetre, MagneticUnit unit);

} // namespace velt
