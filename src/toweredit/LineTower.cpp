#include "toweredit/LineTower.h"

#include "model/TextSlots.h"

#include <algorithm>

namespace velt {

std::optional<TowerDefinition> towerOfLine(const LineProject& project,
                                           const TowerChoiceState& choice) {
    if (!project.lineDataAccepted) {
        return std::nullopt;
    }
    TowerDefinition t;
    t.towerSeries = textOf(project.towerSeries, sizeof project.towerSeries);
    t.towerType = textOf(project.towerType, sizeof project.towerType);
    t.nominalVoltage = project.nominalVoltage;
    t.phaseVoltagePeak = project.phaseVoltagePeak;
    // Accepting the line data halved the diameters into radii.
    t.phaseDiameter = 2.0 * project.phaseRadius;
    t.groundDiameter = 2.0 * project.groundWireRadius;
    t.phaseBundleSpacing = project.phaseBundleSpacing;
    t.groundBundleSpacing = project.groundBundleSpacing;
    t.phaseBundleSize = project.phaseBundleSize;
    t.groundBundleSize = project.groundBundleSize;
    const std::uint32_t working =
        std::min<std::uint32_t>(project.phaseConductorCount, kTowerPositions);
    const std::uint32_t ground =
        std::min<std::uint32_t>(project.groundWireCount, kTowerPositions - working);
    t.phaseConductorCount = working;
    t.groundWireCount = ground;
    for (std::uint32_t i = 0; i < working + ground; ++i) {
        t.conductorX[i] = choice.tower.conductorX[i];
        t.conductorY[i] = i < working ? choice.tower.conductorY[i] : project.conductorY[i + 1];
    }
    return t;
}

} // namespace velt
