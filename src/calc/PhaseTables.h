#pragma once
// Which phase of which circuit every working (sub-)conductor carries.

#include "model/LineProject.h"

#include <cstdint>

namespace velt {

struct ConductorPhase {
    int circuit; ///< 1 or 2
    int phase;   ///< 1 R, 2 S, 3 T
};

/// Phase of working conductor i (1-based) of the current, possibly expanded, arrangement.
/// `bundleSize` is the number of sub-conductors per bundle when expanded, else 1. With the
/// second circuit's order swapped it runs T, R, S on unexpanded conductors of the electric
/// pass and T, S, R everywhere else.
ConductorPhase conductorPhase(std::uint32_t i, std::uint32_t bundleSize, bool swapped,
                              bool electric, bool expanded);

/// How far phase j (1..3) lags phase R [rad].
double phaseLag(int j);

/// Instantaneous value of phase j (1..3) of a symmetrical system of amplitude `peak`.
double phaseValue(double peak, int j, double t);

} // namespace velt
