#include "calc/LineCircles.h"

#include "calc/BundleExpansion.h"
#include "calc/Computability.h"
#include "calc/FieldConstants.h"
#include "calc/PhaseTables.h"

#include <cmath>

namespace velt {
namespace {

struct ConductorClass {
    std::uint32_t bundleSize;
    double radius;
    double spacing;
};

void addBundle(LineCircles& line, LineBundle bundle, const ConductorClass& kind, double vSin,
               double vCos) {
    bundle.firstCircle = line.circles.size();
    bundle.circleCount = kind.bundleSize;
    for (std::uint32_t k = 1; k <= kind.bundleSize; ++k) {
        const auto [x, y] =
            kind.bundleSize == 1
                ? std::pair{bundle.x, bundle.y}
                : subConductorPosition(bundle.x, bundle.y, kind.spacing, kind.bundleSize, k);
        line.circles.push_back({x, y, kind.radius, vSin, vCos});
    }
    line.bundles.push_back(bundle);
}

// Working bundle d (1-based) carries the phase the electric pass gives its sub-conductors.
LineBundle workingBundle(const LineProject& p, std::uint32_t d) {
    const bool expanded = p.phaseBundleSize > 1;
    const std::uint32_t size = expanded ? p.phaseBundleSize : 1;
    const ConductorPhase ph =
        conductorPhase((d - 1) * size + 1, size, p.phaseOrderSwapped, true, expanded);
    return {p.conductorX[d], p.conductorY[d], ConductorRole::Working, ph.circuit, ph.phase};
}

void addWorkingBundles(const LineProject& p, LineCircles& line) {
    const ConductorClass kind{p.phaseBundleSize, p.phaseRadius, p.phaseBundleSpacing};
    for (std::uint32_t d = 1; d <= p.phaseConductorCount; ++d) {
        const LineBundle bundle = workingBundle(p, d);
        // phaseValue: peak·sin(ωt − φ) = peak·cos φ·sin ωt − peak·sin φ·cos ωt.
        const double phi = (bundle.phase - 1) * 2.0 * (1.0 / 3.0) * kPi;
        addBundle(line, bundle, kind, p.phaseVoltagePeak * std::cos(phi),
                  -p.phaseVoltagePeak * std::sin(phi));
    }
}

void addGroundedBundles(const LineProject& p, std::uint32_t first, std::uint32_t count,
                        ConductorRole role, const ConductorClass& kind, LineCircles& line) {
    for (std::uint32_t i = first; i < first + count; ++i) {
        addBundle(line, {p.conductorX[i], p.conductorY[i], role}, kind, 0.0, 0.0);
    }
}

} // namespace

std::optional<LineCircles> lineCircles(const LineProject& p) {
    const ConductorClass ground{p.groundBundleSize, p.groundWireRadius, p.groundBundleSpacing};
    const ConductorClass shield{p.shieldBundleSize, p.shieldWireRadius, p.shieldBundleSpacing};
    if (checkComputable(p, true) || (p.groundWireCount > 0 && ground.bundleSize > 4) ||
        (p.shieldWireCount > 0 && shield.bundleSize > 4)) {
        return std::nullopt;
    }
    LineCircles line;
    addWorkingBundles(p, line);
    const std::uint32_t firstGround = p.phaseConductorCount + 1;
    addGroundedBundles(p, firstGround, p.groundWireCount, ConductorRole::Ground, ground, line);
    addGroundedBundles(p, firstGround + p.groundWireCount, p.shieldWireCount, ConductorRole::Shield,
                       shield, line);
    return line;
}

} // namespace velt
