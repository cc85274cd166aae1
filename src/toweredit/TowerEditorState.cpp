#include "toweredit/TowerEditorState.h"

#include "model/DecimalText.h"
#include "model/Translatable.h"

#include <algorithm>
#include <cstdint>

namespace velt {
namespace {

const char* const kNoHeightsHint = VELT_TRANSLATE_NOOP("velt", "Nie podano wysokości przewodów!");
const char* const kBadHeightsHint = VELT_TRANSLATE_NOOP("velt", "Niepoprawne wysokości przewodów!");
const char* const kGroundTooLowHint =
    VELT_TRANSLATE_NOOP("velt", "Wyskość przewodów odgromowych jest za niska!");
const char* const kHeightsRightHint =
    VELT_TRANSLATE_NOOP("velt", "Wysokości przewodów są poprawne.");

std::size_t workingCount(const TowerDefinition& t) {
    return std::min<std::size_t>(t.phaseConductorCount, kTowerPositions);
}

std::size_t positionCount(const TowerDefinition& t) {
    return std::min<std::size_t>(std::size_t{t.phaseConductorCount} + t.groundWireCount,
                                 kTowerPositions);
}

std::string wholeText(std::uint32_t value) {
    return std::to_string(value);
}

ConductorEditorData editorData(const TowerDefinition& t, std::size_t first, std::size_t end,
                               double workingHeight, bool working) {
    ConductorEditorData data;
    for (std::size_t i = first; i < end; ++i) {
        data.rows.push_back({formatGeneral(t.conductorX[i]),
                             working ? formatGeneral(t.conductorY[i] - workingHeight) : ""});
    }
    if (working) {
        data.bundle = {formatGeneral(t.phaseDiameter), wholeText(t.phaseBundleSize),
                       formatGeneral(t.phaseBundleSpacing)};
    } else {
        data.bundle = {formatGeneral(t.groundDiameter), wholeText(t.groundBundleSize),
                       formatGeneral(t.groundBundleSpacing)};
    }
    return data;
}

std::uint32_t bundleSize(const std::string& text) {
    return static_cast<std::uint32_t>(std::max(readWholeNumber(text), 0));
}

} // namespace

std::optional<int> voltageChoiceOf(double nominalVoltage) {
    for (std::size_t i = 0; i < kEditorVoltages.size(); ++i) {
        if (readDecimal(kEditorVoltages[i]) == nominalVoltage) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

double readListNumber(const std::string& text) {
    std::string pointed = text;
    std::replace(pointed.begin(), pointed.end(), ',', '.');
    return readDecimal(pointed);
}

HeightCheckResult checkEditorHeights(TowerEditorState& state, const TowerEditorFields& fields) {
    if (fields.series.empty() || fields.type.empty()) {
        state.editorHeightsRefused = true;
        return {true, HeightIndicator::Red, kNoHeightsHint};
    }
    TowerDefinition& t = state.editorTower;
    // A tower without ground wires needs no ground-wire height.
    const bool grounds = positionCount(t) > workingCount(t);
    double hw = readDecimal(fields.workingHeight);
    double hg = grounds ? readDecimal(fields.groundHeight) : 0.0;
    if (!(hw > 0.0) || (grounds && (!(hg > 0.0) || !(hg >= hw)))) {
        state.editorHeightsRefused = true;
        return {true, HeightIndicator::Red, kBadHeightsHint};
    }
    if (!state.editorHeightsRefused && hg == state.editorAppliedGroundHeight &&
        hw == state.editorAppliedWorkingHeight) {
        return {false, HeightIndicator::Red, {}};
    }
    state.editorHeightsRefused = false;
    hw = std::min(hw, kMaxSuspensionHeight);
    hg = std::min(hg, kMaxSuspensionHeight);
    const std::size_t working = workingCount(t);
    const std::size_t all = positionCount(t);
    for (std::size_t i = 0; i < working; ++i) {
        if (!state.editorHeightsFresh) {
            t.conductorY[i] -= state.editorAppliedWorkingHeight;
        }
        t.conductorY[i] += hw;
    }
    for (std::size_t i = working; i < all; ++i) {
        t.conductorY[i] = hg;
    }
    state.editorHeightsFresh = false;
    state.editorAppliedWorkingHeight = hw;
    state.editorAppliedGroundHeight = hg;

    double highest = 0.0;
    for (std::size_t i = 0; i < all; ++i) {
        highest = std::max(highest, t.conductorY[i]);
    }
    if (grounds && hg < highest) {
        return {true, HeightIndicator::Red, kGroundTooLowHint};
    }
    return {true, HeightIndicator::Green, kHeightsRightHint};
}

void takeCatalogueTower(TowerEditorState& state, const TowerDefinition& tower) {
    state.editorTower = tower;
    state.editorHeightsFresh = true;
    state.editorAppliedWorkingHeight = 0.0;
    state.editorAppliedGroundHeight = 0.0;
}

TowerEditorLists catalogueTowerRows(const TowerDefinition& tower) {
    return {editorData(tower, 0, workingCount(tower), 0.0, true),
            editorData(tower, workingCount(tower), positionCount(tower), 0.0, false)};
}

TowerEditorLists editorLists(const TowerEditorState& state) {
    const TowerDefinition& t = state.editorTower;
    return {editorData(t, 0, workingCount(t), state.editorAppliedWorkingHeight, true),
            editorData(t, workingCount(t), positionCount(t), 0.0, false)};
}

void takeEditedConductors(TowerEditorState& state, const TowerEditorLists& lists,
                          const std::string& groundHeightText) {
    TowerDefinition& t = state.editorTower;
    t.phaseDiameter = readDecimal(lists.working.bundle.diameter);
    t.phaseBundleSize = bundleSize(lists.working.bundle.bundleCount);
    t.phaseBundleSpacing = readDecimal(lists.working.bundle.bundleSpacing);
    t.groundDiameter = readDecimal(lists.ground.bundle.diameter);
    t.groundBundleSize = bundleSize(lists.ground.bundle.bundleCount);
    t.groundBundleSpacing = readDecimal(lists.ground.bundle.bundleSpacing);
    // The list editors refuse rows beyond the record's capacity; a longer list is cut.
    const std::size_t working = std::min<std::size_t>(lists.working.rows.size(), kTowerPositions);
    const std::size_t ground =
        std::min<std::size_t>(lists.ground.rows.size(), kTowerPositions - working);
    t.phaseConductorCount = static_cast<std::uint32_t>(working);
    t.groundWireCount = static_cast<std::uint32_t>(ground);
    t.conductorX = {};
    t.conductorY = {};
    for (std::size_t i = 0; i < working; ++i) {
        t.conductorX[i] = readListNumber(lists.working.rows[i].distance);
        t.conductorY[i] = readListNumber(lists.working.rows[i].height);
    }
    const double groundHeight = readListNumber(groundHeightText);
    for (std::size_t g = 0; g < ground; ++g) {
        t.conductorX[working + g] = readListNumber(lists.ground.rows[g].distance);
        t.conductorY[working + g] = groundHeight;
    }
    state.editorHeightsFresh = true;
    state.editorAppliedWorkingHeight = 0.0;
    state.editorAppliedGroundHeight = 0.0;
}

bool drawsConductors(const TowerEditorFields& fields) {
    return !fields.series.empty() && !fields.type.empty();
}

} // namespace velt
