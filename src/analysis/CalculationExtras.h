#pragma once
// What a completed calculation gives beyond the field profile when its options ask for it:
// the accurate surface gradient of every bundle with the corona onset, the zones of the
// exposure limits, and the conductors of the neighbouring lines for the pictures.

#include "analysis/ExposureZone.h"
#include "calc/FieldConductor.h"
#include "model/CalculationOptions.h"
#include "model/FieldProfile.h"
#include "model/LineDataForm.h"
#include "model/LineProject.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velt {

/// One bundle, or single wire, with its largest surface gradient by the accurate method.
struct BundleGradientRow {
    double x = 0.0; ///< its position from the main tower's axis [m]
    double y = 0.0; ///< its height above ground [m]
    ConductorRole role = ConductorRole::Working;
    int line = kMainLine;             ///< 0 the main line, neighbouring lines from 1
    int phase = 0;                    ///< 1 R, 2 S, 3 T of a working bundle, else 0
    double gradient = 0.0;            ///< [kV/cm RMS]
    std::optional<double> onsetRatio; ///< gradient over the corona onset, phase bundles
};

/// The surface results of an electric calculation on the conductors.
struct SurfaceExtras {
    bool computed = false;
    SurfaceMethod method = SurfaceMethod::Specified;
    double specifiedGradient = 0.0; ///< the four points of every sub-conductor [kV/cm]
    double accurateGradient = 0.0;  ///< the largest over the main line's bundles [kV/cm]
    double coronaOnset = 0.0;       ///< Peek, of the main line's sub-conductor [kV/cm RMS]
    double surfaceFactor = kDefaultCoronaSurfaceFactor;
    double airDensity = 1.0;
    std::vector<BundleGradientRow> bundles;
};

/// A neighbouring line as the pictures draw it, in the profile's x (as resultConductorX).
struct NeighbourDrawing {
    int line = 1;
    std::string label;
    std::vector<std::pair<double, double>> working;
    std::vector<std::pair<double, double>> ground;
};

struct CalculationExtras {
    SurfaceExtras surface;
    std::vector<ExposureLimit> limits; ///< the chosen limits
    std::vector<ExposureZone> zones;   ///< those whose quantity the profile has
    std::vector<NeighbourDrawing> neighbours;
    MagneticUnit magneticUnit = MagneticUnit::AmperesPerMetre;
};

/// The relative air density the options give (sea level, 20 °C unless set).
double airDensityOf(const CalculationOptions& options);

/// After a completed calculation (the project's conductors as they are between
/// calculations): fills the extras its options ask for. With the accurate surface method the
/// profile's surface gradient and interference levels become the accurate method's.
CalculationExtras completeCalculation(const LineProject& project, const LineDataForm& form,
                                      FieldProfile& profile);

} // namespace velt
