#pragma once
// One conductor of a cross-section as the field engines see it: where it hangs, how thick
// it counts, and the voltage and current it carries over one period.

#include <cmath>
#include <vector>

namespace velt {

/// A quantity of the program's frequency: a sin(wt) + b cos(wt).
struct Sinusoid {
    double sin = 0.0;
    double cos = 0.0;
};

/// peak sin(wt + angle) [angle in rad].
inline Sinusoid sinusoidOf(double peak, double angle) {
    return {peak * std::cos(angle), peak * std::sin(angle)};
}

enum class ConductorRole { Working, Ground, Shield };

/// The main line is line 0; neighbouring lines are numbered from 1.
inline constexpr int kMainLine = 0;

struct FieldConductor {
    double x = 0.0;      ///< [m]
    double y = 0.0;      ///< height above ground [m]
    double radius = 0.0; ///< radius in the potential coefficients [m]
    Sinusoid voltage;    ///< [kV]; 0 for ground and shield conductors
    Sinusoid current;    ///< [A]; 0 for ground and shield conductors
    ConductorRole role = ConductorRole::Working;
    int line = kMainLine;
};

using ConductorList = std::vector<FieldConductor>;

} // namespace velt
