#pragma once
// A field vector in the cross-section over one period, and what the program reads from it:
// the largest values at its 41 instants, or the exact ellipse the vector draws.

#include "calc/FieldConstants.h"

#include <array>

namespace velt {

/// sin(wt) and cos(wt) at one instant the passes sample.
struct PassInstant {
    double sin = 0.0;
    double cos = 0.0;
};

/// The passes' instants of one period, computed once.
const std::array<PassInstant, kInstants>& passInstants();

/// The field vector (sin.x, sin.y) sin(wt) + (cos.x, cos.y) cos(wt).
struct PlanePhasor {
    double sinX = 0.0;
    double sinY = 0.0;
    double cosX = 0.0;
    double cosY = 0.0;
};

/// The largest values at the instants of one period (peak values): the magnitude, and each
/// component's largest value, which starts at 0 and is replaced only by a larger one.
struct InstantMaxima {
    double magnitude = 0.0;
    double componentX = 0.0;
    double componentY = 0.0;
};

/// The field ellipse, both values RMS: the semi-major axis over sqrt 2 and the resultant
/// sqrt((|X|^2 + |Y|^2) / 2) of the component amplitudes.
struct FieldEllipse {
    double semiMajor = 0.0;
    double resultant = 0.0;
};

/// Largest magnitude at the pass's instants.
double largestMagnitude(const PlanePhasor& field);

/// Magnitude and components at the pass's instants.
InstantMaxima instantMaxima(const PlanePhasor& field);

/// The ellipse from the two phasor components, without sampling.
FieldEllipse ellipseOf(const PlanePhasor& field);

} // namespace velt
