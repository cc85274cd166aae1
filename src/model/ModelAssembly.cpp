#include "model/ModelAssembly.h"

#include "model/DecimalText.h"

#include <algorithm>
#include <cmath>

namespace velt {
namespace {

void placeShieldWires(LineProject& p, const LineDataForm& form) {
    p.shieldWireCount =
        form.shieldWiresChecked ? static_cast<std::uint32_t>(form.shieldWires.rows.size()) : 0;
    const std::uint32_t first = p.phaseConductorCount + p.groundWireCount;
    for (std::uint32_t k = 1; k <= p.shieldWireCount; ++k) {
        const ConductorRow& row = form.shieldWires.rows[k - 1];
        p.conductorX[first + k] = readDecimal(row.distance) + p.towerShift;
        p.conductorY[first + k] = readDecimal(row.height);
    }
}

// The building: ten conductors up the front wall, ten along the roof. A conductor that
// would lie on the calculation line is nudged off it.
void placeBuilding(LineProject& p, const LineDataForm& form) {
    if (p.shieldWireCount == 0) {
        p.shieldWireRadius = 0.005;
        p.shieldBundleSpacing = 1.0;
        p.shieldBundleSize = 1;
    }
    const double a = readDecimal(form.building.frontX) + p.towerShift;
    const double b = readDecimal(form.building.frontY);
    const double c = readDecimal(form.building.roofX) + p.towerShift;
    const double d = readDecimal(form.building.roofY);
    const double lineY = form.verticalLine() ? -1.0 : readDecimal(form.lineHeight);
    const double lineX = form.verticalLine() ? readDecimal(form.lineDistance) : -1.0;

    std::uint32_t i = p.phaseConductorCount + p.groundWireCount + p.shieldWireCount;
    const double hStep = 0.1 * b;
    for (int k = 1; k <= 10; ++k) {
        ++i;
        p.conductorX[i] = a;
        p.conductorY[i] = k * hStep;
        if (std::fabs(p.conductorY[i] - lineY) < 1e-6) {
            p.conductorY[i] += 0.5 * hStep;
        }
    }
    const double dx = 0.1 * (c - a);
    const double dy = 0.1 * (d - b);
    for (int k = 1; k <= 10; ++k) {
        ++i;
        p.conductorX[i] = a + k * dx;
        if (std::fabs(p.conductorX[i] - lineX) < 1e-6) {
            p.conductorX[i] += 0.5 * dx;
        }
        p.conductorY[i] = b + k * dy;
        if (std::fabs(p.conductorY[i] - lineY) < 1e-6) {
            p.conductorY[i] += 0.5 * hStep;
        }
    }
    p.shieldWireCount += kBuildingConductors;
}

} // namespace

std::optional<std::string> assembleLineModel(LineProject& project, const LineDataForm& form) {
    const std::size_t shieldRows = form.shieldWiresChecked ? form.shieldWires.rows.size() : 0;
    const std::size_t total = project.phaseConductorCount + project.groundWireCount + shieldRows +
                              (project.buildingOn ? kBuildingConductors : 0);
    if (total > static_cast<std::size_t>(kMaxMatrixConductors)) {
        return kTooManyConductorsMessage;
    }
    placeShieldWires(project, form);
    if (project.buildingOn) {
        placeBuilding(project, form);
    }
    project.phaseRadius *= 0.5;
    project.groundWireRadius *= 0.5;
    project.conductorCount =
        project.phaseConductorCount + project.groundWireCount + project.shieldWireCount;
    // One or two working conductors still form one circuit.
    project.circuitMode = std::max<std::uint32_t>(1, project.phaseConductorCount / 3);
    return std::nullopt;
}

} // namespace velt
