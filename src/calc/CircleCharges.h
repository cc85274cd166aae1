#pragma once
// The charges on round conductors above the ground that make every surface an equipotential
// at its conductor's voltage.

#include "calc/ConductorCircle.h"

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace velt {

struct CircleChargeOptions {
    /// Multipole order of every conductor, 1..kMaxOrder; 0 chooses it per conductor.
    int order = 0;
    /// Sweeps before the solution is given up as not converged.
    int maxSweeps = 200;
};

/// The charge of one conductor and the field the others put around it.
struct CircleCharges {
    /// [0] the line charge over 2π·kEps0 [kV] (real), [m] the multipole a_m [kV], m = 1..K.
    std::vector<SinCos> terms;
    /// Taylor coefficients t_n, n = 0..L (L ≥ K), of the potential of all other terms and of
    /// every image about this axis, in powers of (z − c)/r; t[0] holds the multipoles' share.
    std::vector<SinCos> surrounding;
};

struct CircleSolution {
    std::vector<CircleCharges> conductors;
    int sweeps = 0;
    bool converged = false;
};

/// Fits the charges so that Fourier modes 0..K of the potential on every surface match the
/// voltage: the line charges exactly through the potential coefficients, the multipoles by
/// block Gauss–Seidel until a sweep changes no coefficient by more than 1e-12 of the largest
/// line charge. nullopt when a conductor does not stand clear above the ground or two
/// conductors touch.
std::optional<CircleSolution> solveCircleCharges(const std::vector<ConductorCircle>& circles,
                                                 const CircleChargeOptions& options = {});

/// The order chosen for conductor j: the smallest K with ρ^(K+1) ≤ 1e-9, ρ being its radius
/// over the distance to the nearest other axis or image axis (its own image included).
int adaptiveOrder(const std::vector<ConductorCircle>& circles, std::size_t j);

/// Potential [kV] at (x, y) outside the conductors: the sine part first, the cosine second.
std::pair<double, double> potentialAt(const std::vector<ConductorCircle>& circles,
                                      const CircleSolution& solution, double x, double y);

} // namespace velt
