#pragma once
// A line beside the main one as its dialogs show it: the texts of the edit dialog and the
// cells of the table, and back from the typed texts to the line.

#include "model/CalculationOptions.h"
#include "model/TowerDefinition.h"

#include <array>
#include <string>

namespace velt {

/// The fields of the neighbouring-line dialog as typed.
struct NeighbourTexts {
    std::string label;
    std::string offset;
    std::string workingHeight;
    std::string groundWireHeight;
    std::string voltage;                 ///< empty: the tower's nominal voltage
    std::array<std::string, 2> currents; ///< per circuit; empty: not given
    std::string angle;
    bool phaseOrderSwapped = false;
};

NeighbourTexts neighbourTexts(const NeighbourLine& line);

/// The fields a tower gives meaning to (none chosen: neither).
struct NeighbourFieldUse {
    bool groundWireHeight = false;
    bool secondCircuit = false; ///< its current and the phase order
};

NeighbourFieldUse neighbourFieldUse(const TowerDefinition* tower);

/// The line the texts describe on `tower`. Only what the tower has counts: the ground-wire
/// height with ground wires, the second current and the phase order with two circuits.
/// Currents are taken up to the last one given, so a missing one stays missing.
NeighbourLine neighbourOfTexts(const NeighbourTexts& texts, const TowerDefinition& tower,
                               bool builtInTower);

/// The field a refusal of checkNeighbourLine is about, so the dialog can point at it.
enum class NeighbourField {
    Tower,
    Offset,
    WorkingHeight,
    GroundWireHeight,
    Voltage,
    FirstCurrent,
    SecondCurrent,
    Angle
};

NeighbourField refusedField(const std::string& key, const NeighbourLine& line);

/// The columns of the table of neighbouring lines.
enum NeighbourColumn {
    kLabelColumn,
    kTowerColumn,
    kOffsetColumn,
    kWorkingHeightColumn,
    kGroundWireHeightColumn,
    kVoltageColumn,
    kCurrentsColumn,
    kAngleColumn,
    kPhaseOrderColumn,
    kNeighbourColumns
};

/// One row of that table. A voltage taken from the tower shows in parentheses; the phase
/// order only for two circuits.
std::array<std::string, kNeighbourColumns> neighbourRow(const NeighbourLine& line);

} // namespace velt
