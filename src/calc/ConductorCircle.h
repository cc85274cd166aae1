#pragma once
// A round conductor above the ground plane y = 0, as the surface-gradient solver sees it.

#include <complex>

namespace velt {

/// A conductor of one cross-section: its axis, radius and voltage. The voltage varies as
/// vSin·sin(ωt) + vCos·cos(ωt); a grounded conductor has both 0.
struct ConductorCircle {
    double x = 0.0;      ///< [m]
    double y = 0.0;      ///< [m], above ground
    double radius = 0.0; ///< [m]
    double vSin = 0.0;   ///< [kV]
    double vCos = 0.0;   ///< [kV]
};

/// One complex coefficient in its sine and cosine parts of the period.
struct SinCos {
    std::complex<double> s;
    std::complex<double> c;
};

} // namespace velt
