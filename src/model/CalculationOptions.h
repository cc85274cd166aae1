#pragma once
// What a calculation may do beyond the line itself: the surface method, exposure limits,
// the magnetic unit and neighbouring lines. Every option is off by default; a project that
// uses none of them is calculated, reported and drawn exactly as without this record.

#include "model/TowerDefinition.h"

#include <optional>
#include <string>
#include <vector>

namespace velt {

/// How the largest field on the conductor surfaces is found.
enum class SurfaceMethod {
    Specified, ///< one line charge at every sub-conductor's centre, four points per surface
    Accurate   ///< every sub-conductor surface an equipotential, sampled finely
};

/// The unit of magnetic results beside the report, which always stays in A/m.
enum class MagneticUnit {
    AmperesPerMetre, ///< H [A/m]
    Microtesla       ///< B = mu0 H [uT]
};

/// An exposure reference level (RMS, 50 Hz). A built-in level has its stable key; a level
/// of the user's own has an empty key and is named by `name`.
struct ExposureLimit {
    std::string key;
    std::string name;
    double electric = 0.0; ///< [kV/m]
    double magnetic = 0.0; ///< [A/m]
    bool operator==(const ExposureLimit&) const = default;
};

/// A line beside the main one, in the same cross-section.
struct NeighbourLine {
    TowerDefinition tower;
    /// The project names the tower by its series (a built-in tower); any other in full.
    bool builtInTower = false;
    double workingHeight = 0.0;    ///< lowest working-conductor suspension height [m]
    double groundWireHeight = 0.0; ///< ground-wire suspension height [m]
    double offset = 0.0;           ///< its tower axis from the main tower's axis [m], left < 0
    bool phaseOrderSwapped = false; ///< second circuit "RST-TRS"
    std::optional<double> voltage;  ///< line-to-line [kV]; none: the tower's nominal voltage
    std::vector<double> currents;   ///< phase current amplitude per circuit [A]
    double angle = 0.0;             ///< added to every phase angle [deg]
    std::string label;
    bool operator==(const NeighbourLine&) const = default;
};

/// Surface factor of a stranded conductor in Peek's corona onset formula.
inline constexpr double kDefaultCoronaSurfaceFactor = 0.82;

struct CalculationOptions {
    SurfaceMethod surfaceMethod = SurfaceMethod::Specified;
    double coronaSurfaceFactor = kDefaultCoronaSurfaceFactor;
    /// Relative air density; none: sea level at 20 degrees C.
    std::optional<double> relativeAirDensity;
    std::vector<ExposureLimit> limits; ///< the chosen levels, in their order
    MagneticUnit magneticUnit = MagneticUnit::AmperesPerMetre;
    std::vector<NeighbourLine> neighbours;
    bool operator==(const CalculationOptions&) const = default;
};

} // namespace velt
