#include "model/TowerChoice.h"

#include "model/DecimalText.h"
#include "model/TextSlots.h"
#include "model/Translatable.h"

#include <algorithm>
#include <cstring>

namespace velt {
namespace {

constexpr std::size_t kMaxTowerNameChars = 15;

void storeTowerData(LineProject& p, const TowerDefinition& t) {
    copyText(p.towerSeries, sizeof p.towerSeries, t.towerSeries, kMaxTowerNameChars);
    copyText(p.towerType, sizeof p.towerType, t.towerType, kMaxTowerNameChars);
    p.nominalVoltage = t.nominalVoltage;
    p.phaseVoltagePeak = t.phaseVoltagePeak;
    p.phaseConductorCount = t.phaseConductorCount;
    p.groundWireCount = t.groundWireCount;
    p.phaseBundleSize = t.phaseBundleSize;
    p.groundBundleSize = t.groundBundleSize;
    p.phaseBundleSpacing = t.phaseBundleSpacing;
    p.groundBundleSpacing = t.groundBundleSpacing;
    // The model holds radii; the dialog's acceptance halves these diameters.
    p.phaseRadius = t.phaseDiameter;
    p.groundWireRadius = t.groundDiameter;
}

void storePositions(LineProject& p, const TowerDefinition& t) {
    const std::uint32_t n = std::min<std::uint32_t>(t.phaseConductorCount, kTowerPositions);
    const std::uint32_t all =
        std::min<std::uint32_t>(t.phaseConductorCount + t.groundWireCount, kTowerPositions);
    for (std::uint32_t slot = 0; slot < all && slot + 1 < kConductorSlots; ++slot) {
        p.conductorX[slot + 1] = t.conductorX[slot];
        p.conductorY[slot + 1] = slot < n ? t.conductorY[slot] : 0.0;
    }
}

} // namespace

void clearTowerChoice(LineProject& project, TowerChoiceState& state) {
    project.towerChosen = false;
    state.heightsFresh = false;
}

void chooseTower(LineProject& project, TowerChoiceState& state, const TowerDefinition& tower,
                 int listIndex) {
    clearTowerChoice(project, state);
    std::fill(std::begin(project.conductorX), std::end(project.conductorX), 0.0);
    std::fill(std::begin(project.conductorY), std::end(project.conductorY), 0.0);
    storeTowerData(project, tower);
    storePositions(project, tower);
    state.tower = tower;
    state.appliedWorkingHeight = 0.0;
    state.appliedGroundHeight = 0.0;
    state.heightsFresh = true;
    project.towerChosen = true;
    project.chosenTowerIndex = listIndex;
}

HeightCheckResult checkHeights(LineProject& project, TowerChoiceState& state,
                               const std::string& workingHeightText,
                               const std::string& groundHeightText) {
    // A tower without ground wires needs no ground-wire height.
    const bool grounds = project.groundWireCount > 0;
    if (workingHeightText.empty() || (grounds && groundHeightText.empty())) {
        return {true, HeightIndicator::Red,
                VELT_TRANSLATE_NOOP("velt", "Nie podano wysokości przewodów!")};
    }
    double hw = readDecimal(workingHeightText);
    double hg = grounds ? readDecimal(groundHeightText) : 0.0;
    if (!(hw > 0.0) || (grounds && (!(hg > 0.0) || hg < hw))) {
        return {true, HeightIndicator::Red,
                VELT_TRANSLATE_NOOP("velt", "Niepoprawne wysokości przewodów!")};
    }
    hw = std::min(hw, kMaxSuspensionHeight);
    hg = std::min(hg, kMaxSuspensionHeight);
    if (hg == state.appliedGroundHeight && hw == state.appliedWorkingHeight) {
        return {false, HeightIndicator::Red, {}};
    }
    // Heights are rebuilt from the tower's own relative heights, so repeated checks never
    // accumulate rounding.
    const std::uint32_t n = std::min<std::uint32_t>(project.phaseConductorCount, kTowerPositions);
    const std::uint32_t all = std::min<std::uint32_t>(
        project.phaseConductorCount + project.groundWireCount, kConductorSlots - 1);
    for (std::uint32_t i = 1; i <= all; ++i) {
        project.conductorY[i] = i <= n ? state.tower.conductorY[i - 1] + hw : hg;
    }
    state.appliedWorkingHeight = hw;
    state.appliedGroundHeight = hg;
    state.heightsFresh = false;

    double highest = 0.0;
    for (std::uint32_t i = 1; i <= all; ++i) {
        highest = std::max(highest, project.conductorY[i]);
    }
    if (!grounds || hg >= highest) {
        return {true, HeightIndicator::Green,
                VELT_TRANSLATE_NOOP("velt", "Wysokości przewodów są poprawne.")};
    }
    return {true, HeightIndicator::Red,
            VELT_TRANSLATE_NOOP("velt", "Wyskość przewodów odgromowych jest za niska!")};
}

} // namespace velt
