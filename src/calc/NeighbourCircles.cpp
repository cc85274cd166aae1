#include "calc/NeighbourCircles.h"

#include "calc/BundleExpansion.h"
#include "calc/FieldConstants.h"
#include "calc/NeighbourConductors.h"
#include "calc/PhaseTables.h"

#include <algorithm>

namespace velt {
namespace {

constexpr std::uint32_t kLargestLaidOutBundle = 4;

void appendBundle(LineCircles& out, LineBundle bundle, double radius, double spacing,
                  std::uint32_t size, Sinusoid voltage) {
    bundle.firstCircle = out.circles.size();
    bundle.circleCount = size;
    for (std::uint32_t k = 1; k <= size; ++k) {
        const auto [x, y] = size > 1 ? subConductorPosition(bundle.x, bundle.y, spacing, size, k)
                                     : std::pair{bundle.x, bundle.y};
        out.circles.push_back({x, y, radius, voltage.sin, voltage.cos});
    }
    out.bundles.push_back(bundle);
}

} // namespace

bool appendNeighbourCircles(LineCircles& out, const std::vector<NeighbourLine>& neighbours,
                            double mainAxisX) {
    int line = kMainLine;
    for (const NeighbourLine& n : neighbours) {
        ++line;
        const TowerDefinition& t = n.tower;
        if (t.phaseBundleSize > kLargestLaidOutBundle ||
            (t.groundWireCount > 0 && t.groundBundleSize > kLargestLaidOutBundle)) {
            return false;
        }
        const double axis = n.offset + mainAxisX;
        const double angle = n.angle * kPi / 180.0;
        const std::uint32_t working =
            std::min<std::uint32_t>(t.phaseConductorCount, kTowerPositions);
        const std::uint32_t all =
            std::min<std::uint32_t>(t.phaseConductorCount + t.groundWireCount, kTowerPositions);
        for (std::uint32_t slot = 0; slot < all; ++slot) {
            LineBundle bundle;
            bundle.line = line;
            bundle.x = t.conductorX[slot] + axis;
            if (slot < working) {
                bundle.y = t.conductorY[slot] + n.workingHeight;
                bundle.role = ConductorRole::Working;
                bundle.circuit = slot < 3 ? 1 : 2;
                bundle.phase = neighbourPhase(slot, n.phaseOrderSwapped);
                const Sinusoid voltage =
                    sinusoidOf(neighbourPhasePeak(n), angle - phaseLag(bundle.phase));
                appendBundle(out, bundle, 0.5 * t.phaseDiameter, t.phaseBundleSpacing,
                             std::max<std::uint32_t>(t.phaseBundleSize, 1), voltage);
            } else {
                bundle.y = n.groundWireHeight;
                bundle.role = ConductorRole::Ground;
                appendBundle(out, bundle, 0.5 * t.groundDiameter, t.groundBundleSpacing,
                             std::max<std::uint32_t>(t.groundBundleSize, 1), {});
            }
        }
    }
    return true;
}

} // namespace velt
