#include "analysis/FieldMapScene.h"

#include "calc/NeighbourConductors.h"
#include "model/DecimalText.h"
#include "model/ModelAssembly.h"

#include <algorithm>

namespace velt {
namespace {

// The building's conductors close the main line's list.
std::size_t firstBuildingConductor(const LineProject& p) {
    return p.buildingOn && p.conductorCount >= kBuildingConductors
               ? p.conductorCount - kBuildingConductors
               : p.conductorCount;
}

BuildingOutline buildingOf(const LineDataForm& form, double dx) {
    const BuildingForm& b = form.building;
    return {readDecimal(b.frontX) + dx, readDecimal(b.frontY), readDecimal(b.roofX) + dx,
            readDecimal(b.roofY)};
}

std::optional<MapLine> lineOf(const LineDataForm& form, double axis) {
    if (form.onConductors()) {
        return std::nullopt;
    }
    // A vertical line stands at its distance in the frame of the pass.
    if (form.verticalLine()) {
        return MapLine{true, readDecimal(form.lineDistance) - axis};
    }
    return MapLine{false, readDecimal(form.lineHeight)};
}

} // namespace

bool BuildingOutline::covers(double x, double y) const {
    const double lo = std::min(frontX, roofX);
    const double hi = std::max(frontX, roofX);
    if (!(lo < hi) || x < lo || x > hi) {
        return false;
    }
    return y < frontY + (roofY - frontY) * (x - frontX) / (roofX - frontX);
}

FieldMapScene fieldMapScene(const LineProject& p, const LineDataForm& form,
                            const ConductorList& conductors) {
    FieldMapScene s;
    const double axis = mainTowerAxis(p);
    const std::size_t building = firstBuildingConductor(p);
    for (std::size_t i = 0; i < conductors.size(); ++i) {
        const FieldConductor& c = conductors[i];
        if (c.line == kMainLine && i >= building) {
            continue;
        }
        s.conductors.push_back({c.x - axis, c.y, c.radius, c.role, c.line});
    }
    if (p.buildingOn) {
        // The building stands where the tower shift put it, in the frame of the pass.
        s.building = buildingOf(form, p.towerShift - axis);
    }
    s.line = lineOf(form, axis);
    return s;
}

} // namespace velt
