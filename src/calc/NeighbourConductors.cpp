#include "calc/NeighbourConductors.h"

#include "calc/CapacitanceMatrix.h"
#include "calc/FieldConstants.h"
#include "calc/MainLineConductors.h"
#include "calc/PhaseTables.h"

#include <algorithm>
#include <cmath>

namespace velt {
namespace {

double circuitCurrent(const NeighbourLine& n, std::uint32_t slot) {
    const std::size_t circuit = slot < 3 ? 0 : 1;
    return circuit < n.currents.size() ? n.currents[circuit] : 0.0;
}

} // namespace

int neighbourPhase(std::uint32_t slot, bool swapped) {
    if (slot < 3) {
        return static_cast<int>(slot) + 1;
    }
    constexpr int kTrs[] = {3, 1, 2};
    return swapped ? kTrs[slot - 3] : static_cast<int>(slot) - 2;
}

double neighbourPhasePeak(const NeighbourLine& n) {
    return n.voltage.value_or(n.tower.nominalVoltage) * std::sqrt(2.0) / std::sqrt(3.0);
}

int neighbourCircuits(const NeighbourLine& n) {
    return n.tower.phaseConductorCount > 3 ? 2 : 1;
}

ConductorList neighbourConductors(const NeighbourLine& n, int line, double mainAxisX) {
    const TowerDefinition& t = n.tower;
    const std::uint32_t working = std::min<std::uint32_t>(t.phaseConductorCount, kTowerPositions);
    const std::uint32_t all =
        std::min<std::uint32_t>(t.phaseConductorCount + t.groundWireCount, kTowerPositions);
    const double axis = n.offset + mainAxisX;
    const double angle = n.angle * kPi / 180.0;
    const double peak = neighbourPhasePeak(n);
    ConductorList list;
    for (std::uint32_t slot = 0; slot < all; ++slot) {
        FieldConductor c;
        c.line = line;
        c.x = t.conductorX[slot] + axis;
        if (slot < working) {
            c.y = t.conductorY[slot] + n.workingHeight;
            c.radius = bundleEquivalentRadius(0.5 * t.phaseDiameter, t.phaseBundleSize,
                                              t.phaseBundleSpacing);
            const double phase = angle - phaseLag(neighbourPhase(slot, n.phaseOrderSwapped));
            c.voltage = sinusoidOf(peak, phase);
            c.current = sinusoidOf(circuitCurrent(n, slot), phase);
        } else {
            c.role = ConductorRole::Ground;
            c.y = n.groundWireHeight;
            c.radius = bundleEquivalentRadius(0.5 * t.groundDiameter, t.groundBundleSize,
                                              t.groundBundleSpacing);
        }
        list.push_back(c);
    }
    return list;
}

double mainTowerAxis(const LineProject& p) {
    return p.towerShift + p.frameOffset;
}

ConductorList corridorConductors(const LineProject& p, const LineDataForm& form,
                                 bool onConductors) {
    ConductorList list = mainLineConductors(p, form, onConductors);
    const double axis = mainTowerAxis(p);
    int line = kMainLine;
    for (const NeighbourLine& n : form.options.neighbours) {
        const ConductorList more = neighbourConductors(n, ++line, axis);
        list.insert(list.end(), more.begin(), more.end());
    }
    return list;
}

} // namespace velt
