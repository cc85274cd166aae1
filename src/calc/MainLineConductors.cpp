#include "calc/MainLineConductors.h"

#include "calc/BundleExpansion.h"
#include "calc/CapacitanceMatrix.h"
#include "calc/PhaseCurrents.h"
#include "calc/PhaseTables.h"

#include <utility>

namespace velt {
namespace {

using Position = std::pair<double, double>;

struct Layout {
    std::vector<Position> positions; ///< used from index 1
    std::uint32_t working = 0;
    std::uint32_t perBundle = 1; ///< sub-conductors per working bundle in `positions`
    bool expanded = false;
};

Layout layoutOf(const LineProject& p, bool onConductors) {
    Layout l;
    l.expanded = onConductors && p.phaseBundleSize > 1;
    if (l.expanded) {
        l.positions = expandedPositions(p);
        l.perBundle = p.phaseBundleSize;
        l.working = p.phaseConductorCount * p.phaseBundleSize;
        return l;
    }
    l.positions.emplace_back(0.0, 0.0);
    for (std::uint32_t i = 1; i <= p.conductorCount; ++i) {
        l.positions.emplace_back(p.conductorX[i], p.conductorY[i]);
    }
    l.working = p.phaseConductorCount;
    return l;
}

// The working conductor i of the layout: its voltage and current over the period.
void energise(const LineProject& p, const Layout& l, const CircuitCurrents& amps, std::uint32_t i,
              FieldConductor& c) {
    const ConductorPhase e = conductorPhase(i, l.perBundle, p.phaseOrderSwapped, true, l.expanded);
    c.voltage = sinusoidOf(p.phaseVoltagePeak, -phaseLag(e.phase));
    const ConductorPhase m = conductorPhase(i, l.perBundle, p.phaseOrderSwapped, false, l.expanded);
    c.current = sinusoidOf(m.circuit == 1 ? amps.first : amps.second, -phaseLag(m.phase));
}

} // namespace

ConductorList mainLineConductors(const LineProject& p, const LineDataForm& form,
                                 bool onConductors) {
    const Layout l = layoutOf(p, onConductors);
    const CircuitCurrents amps = circuitCurrents(p, form, onConductors);
    const double working =
        l.expanded ? p.phaseRadius
                   : bundleEquivalentRadius(p.phaseRadius, p.phaseBundleSize, p.phaseBundleSpacing);
    const double ground =
        bundleEquivalentRadius(p.groundWireRadius, p.groundBundleSize, p.groundBundleSpacing);
    const double shield =
        bundleEquivalentRadius(p.shieldWireRadius, p.shieldBundleSize, p.shieldBundleSpacing);
    const std::uint32_t lastGround = l.working + p.groundWireCount;

    ConductorList list;
    for (std::uint32_t i = 1; i < l.positions.size(); ++i) {
        FieldConductor c;
        c.x = l.positions[i].first;
        c.y = l.positions[i].second;
        if (i <= l.working) {
            c.radius = working;
            energise(p, l, amps, i, c);
        } else {
            c.role = i <= lastGround ? ConductorRole::Ground : ConductorRole::Shield;
            c.radius = i <= lastGround ? ground : shield;
        }
        list.push_back(c);
    }
    return list;
}

} // namespace velt
