#include "CalcFixtures.h"

#include "model/BuiltInTowers.h"
#include "model/ModelAssembly.h"
#include "model/TowerChoice.h"

#include <cmath>
#include <stdexcept>

namespace velt::testing {

namespace {

void accept(Bench& b, const TowerDefinition& tower, int index, const std::string& hw,
            const std::string& hg) {
    TowerChoiceState state;
    chooseTower(*b.project, state, tower, index);
    checkHeights(*b.project, state, hw, hg);
    if (assembleLineModel(*b.project, b.form)) {
        throw std::runtime_error("the configuration does not fit the model");
    }
}

} // namespace

void setUpBuiltIn(Bench& b, int index, const std::string& hw, const std::string& hg) {
    accept(b, builtInTowers()[index], index, hw, hg);
}

void setUpTower(Bench& b, const TowerDefinition& tower, const std::string& hw,
                const std::string& hg) {
    accept(b, tower, 0, hw, hg);
}

void shiftTower(Bench& b, double shift) {
    LineProject& p = *b.project;
    for (std::uint32_t i = 1; i <= p.conductorCount; ++i) {
        p.conductorX[i] += shift;
    }
    p.towerShift = shift;
    p.towerShifted = shift > 0.0;
    b.form.towerShift = std::to_string(shift);
}

void setUpLargest(Bench& b) {
    TowerDefinition tower = builtInTowers()[2];
    tower.phaseBundleSize = 4;
    b.form.shieldWiresChecked = true;
    for (int k = 0; k < 13; ++k) {
        b.form.shieldWires.rows.push_back({std::to_string(-24 + 4 * k), "9"});
    }
    b.project->shieldWireRadius = 0.01;
    b.project->shieldBundleSpacing = 1.0;
    b.project->shieldBundleSize = 1;
    b.project->buildingOn = true;
    b.form.building = {"30", "9", "38", "12"};
    accept(b, tower, 3, "14", "45");
}

NeighbourLine builtInNeighbour(int index, double offset, double current) {
    NeighbourLine n;
    n.tower = builtInTowers()[index];
    n.builtInTower = true;
    n.workingHeight = 12.0;
    n.groundWireHeight = 40.0;
    n.offset = offset;
    n.voltage = n.tower.phaseVoltagePeak * std::sqrt(3.0) / std::sqrt(2.0);
    n.currents.assign(n.tower.phaseConductorCount > 3 ? 2 : 1, current);
    return n;
}

void setUpLargestCorridor(Bench& b) {
    TowerDefinition main = builtInTowers()[2];
    main.phaseBundleSize = 4;
    setUpTower(b, main, "14", "45");
    b.form.currents = {"500", "500", true};
    for (const double offset : {-70.0, 60.0, 130.0}) {
        NeighbourLine n = builtInNeighbour(2, offset);
        n.tower.phaseBundleSize = 24;
        n.tower.groundWireCount = 14;
        for (std::uint32_t k = 0; k < 14; ++k) {
            n.tower.conductorX[6 + k] = -13.0 + 2.0 * k;
        }
        n.workingHeight = 16.0;
        b.form.options.neighbours.push_back(n);
    }
}

void prepareFullWidth(Bench& b, double range, double y) {
    LineProject& p = *b.project;
    for (double& x : p.conductorX) {
        x += range / 2;
    }
    p.frameOffset = range / 2;
    p.halfRange = range / 2;
    p.calcRange = range;
    p.profileLength = range;
    p.calcStep = 0.005 * range;
    p.pointY = y;
    p.firstPassRunning = true;
}

void setUpSingleConductor(Bench& b, double r, double h, double peak) {
    LineProject& p = *b.project;
    p.phaseConductorCount = 1;
    p.phaseBundleSize = 1;
    p.phaseRadius = r;
    p.phaseBundleSpacing = 1.0;
    p.conductorCount = 1;
    p.circuitMode = 1;
    p.conductorX[1] = 0.0;
    p.conductorY[1] = h;
    p.phaseVoltagePeak = peak;
}

} // namespace velt::testing
