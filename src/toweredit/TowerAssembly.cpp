#include "toweredit/TowerAssembly.h"

#include "model/BuiltInTowers.h"
#include "model/Cp1250.h"
#include "model/DecimalText.h"
#include "model/TextSlots.h"
#include "model/TowerCatalogue.h"
#include "model/TowerRecord.h"

namespace velt {
namespace {

bool storable(const std::string& text) {
    return fromCp1250(toCp1250(text)) == text;
}

std::optional<std::string> refusal(const TowerEditorFields& fields, const TowerEditorLists& lists) {
    if (fields.series.empty() || fields.type.empty()) {
        return kNoSeriesOrTypeMessage;
    }
    if (fields.voltageChoice < 0 || fields.voltageChoice >= kBuiltInTowerCount) {
        return kNoVoltageMessage;
    }
    if (fields.workingCount.empty()) {
        return kNoWorkingConductorsMessage;
    }
    if (!storable(fields.series) || !storable(fields.type)) {
        return kNameNotStorableMessage;
    }
    if (lists.working.rows.size() + lists.ground.rows.size() > kTowerPositions) {
        return kTooManyTowerConductorsMessage;
    }
    return std::nullopt;
}

// A row the list lacks (it cannot, the lists are refilled from the tower after every edit)
// keeps the tower's own value rather than reading past the list.
double rowValue(const std::vector<ConductorRow>& rows, std::size_t i, bool height,
                double fallback) {
    if (i >= rows.size()) {
        return fallback;
    }
    return readListNumber(height ? rows[i].height : rows[i].distance);
}

} // namespace

AssembledTower assembleTower(const TowerEditorState& state, const TowerEditorFields& fields,
                             const TowerEditorLists& lists) {
    if (const auto message = refusal(fields, lists)) {
        return {std::nullopt, *message};
    }
    const TowerDefinition& edited = state.editorTower;
    TowerDefinition t;
    t.nominalVoltage = readDecimal(fields.voltageText);
    // The editor's three voltages are those of the built-in towers, in the same order.
    t.phaseVoltagePeak =
        builtInTowers()[static_cast<std::size_t>(fields.voltageChoice)].phaseVoltagePeak;
    t.phaseDiameter = edited.phaseDiameter;
    t.groundDiameter = edited.groundDiameter;
    t.phaseBundleSpacing = edited.phaseBundleSpacing;
    t.groundBundleSpacing = edited.groundBundleSpacing;
    t.phaseConductorCount = edited.phaseConductorCount;
    t.groundWireCount = edited.groundWireCount;
    t.phaseBundleSize = edited.phaseBundleSize;
    t.groundBundleSize = edited.groundBundleSize;
    const std::size_t working = std::min<std::size_t>(t.phaseConductorCount, kTowerPositions);
    const std::size_t all = std::min<std::size_t>(
        std::size_t{t.phaseConductorCount} + t.groundWireCount, kTowerPositions);
    const double groundHeight = readListNumber(fields.groundHeight);
    for (std::size_t i = 0; i < working; ++i) {
        const double relative = edited.conductorY[i] - state.editorAppliedWorkingHeight;
        t.conductorX[i] = rowValue(lists.working.rows, i, false, edited.conductorX[i]);
        t.conductorY[i] = rowValue(lists.working.rows, i, true, relative);
    }
    for (std::size_t i = working; i < all; ++i) {
        t.conductorX[i] = rowValue(lists.ground.rows, i - working, false, edited.conductorX[i]);
        t.conductorY[i] = groundHeight;
    }
    t.towerSeries = utf8Prefix(fields.series, kSeriesChars);
    t.towerType = utf8Prefix(fields.type, kTypeChars);
    if (!isUsableTower(t)) {
        return {std::nullopt, kBadTowerMessage};
    }
    return {t, {}};
}

void keepTestTower(TowerEditorState& state, TowerDefinition tower) {
    tower.towerSeries += "*";
    state.testTower = std::move(tower);
}

std::optional<std::string> newRowRefusal(std::size_t workingRows, std::size_t groundRows) {
    if (workingRows + groundRows >= static_cast<std::size_t>(kTowerPositions)) {
        return kTooManyTowerConductorsMessage;
    }
    return std::nullopt;
}

} // namespace velt
