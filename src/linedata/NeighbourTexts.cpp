#include "linedata/NeighbourTexts.h"

#include "calc/NeighbourConductors.h"
#include "model/DecimalText.h"

#include <cstddef>

namespace velt {
namespace {

bool blank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

std::vector<double> currentsOf(const NeighbourTexts& texts, int circuits) {
    std::size_t given = 0;
    for (std::size_t k = 0; k < static_cast<std::size_t>(circuits); ++k) {
        if (!blank(texts.currents[k])) {
            given = k + 1;
        }
    }
    std::vector<double> currents;
    for (std::size_t k = 0; k < given; ++k) {
        currents.push_back(readDecimal(texts.currents[k]));
    }
    return currents;
}

std::string currentsText(const std::vector<double>& currents) {
    std::string text;
    for (const double current : currents) {
        text.append(text.empty() ? "" : " / ").append(formatGeneral(current));
    }
    return text;
}

} // namespace

NeighbourTexts neighbourTexts(const NeighbourLine& line) {
    NeighbourTexts texts;
    texts.label = line.label;
    texts.offset = formatGeneral(line.offset);
    texts.workingHeight = formatGeneral(line.workingHeight);
    if (line.tower.groundWireCount > 0) {
        texts.groundWireHeight = formatGeneral(line.groundWireHeight);
    }
    if (line.voltage) {
        texts.voltage = formatGeneral(*line.voltage);
    }
    for (std::size_t k = 0; k < line.currents.size() && k < texts.currents.size(); ++k) {
        texts.currents[k] = formatGeneral(line.currents[k]);
    }
    texts.angle = formatGeneral(line.angle);
    texts.phaseOrderSwapped = line.phaseOrderSwapped;
    return texts;
}

NeighbourFieldUse neighbourFieldUse(const TowerDefinition* tower) {
    if (tower == nullptr) {
        return {};
    }
    NeighbourLine line;
    line.tower = *tower;
    return {tower->groundWireCount > 0, neighbourCircuits(line) == 2};
}

NeighbourLine neighbourOfTexts(const NeighbourTexts& texts, const TowerDefinition& tower,
                               bool builtInTower) {
    NeighbourLine line;
    line.tower = tower;
    line.builtInTower = builtInTower;
    line.label = texts.label;
    line.offset = readDecimal(texts.offset);
    line.workingHeight = readDecimal(texts.workingHeight);
    if (neighbourFieldUse(&tower).groundWireHeight) {
        line.groundWireHeight = readDecimal(texts.groundWireHeight);
    }
    if (!blank(texts.voltage)) {
        line.voltage = readDecimal(texts.voltage);
    }
    const NeighbourFieldUse use = neighbourFieldUse(&tower);
    line.currents = currentsOf(texts, use.secondCircuit ? 2 : 1);
    line.angle = readDecimal(texts.angle);
    line.phaseOrderSwapped = use.secondCircuit && texts.phaseOrderSwapped;
    return line;
}

NeighbourField refusedField(const std::string& key, const NeighbourLine& line) {
    if (key == "offset") {
        return NeighbourField::Offset;
    }
    if (key == "workingHeight") {
        return NeighbourField::WorkingHeight;
    }
    if (key == "groundWireHeight") {
        return NeighbourField::GroundWireHeight;
    }
    if (key == "voltage" || key == "tower.nominalVoltage") {
        return NeighbourField::Voltage;
    }
    if (key == "angle") {
        return NeighbourField::Angle;
    }
    if (key == "currents[1]" || (key == "currents" && !line.currents.empty())) {
        return NeighbourField::SecondCurrent;
    }
    if (key.rfind("currents", 0) == 0) {
        return NeighbourField::FirstCurrent;
    }
    return NeighbourField::Tower;
}

std::array<std::string, kNeighbourColumns> neighbourRow(const NeighbourLine& line) {
    const TowerDefinition& t = line.tower;
    std::array<std::string, kNeighbourColumns> row;
    row[kLabelColumn] = line.label;
    row[kTowerColumn] = displayKey(t.towerSeries, t.towerType);
    row[kOffsetColumn] = formatGeneral(line.offset);
    row[kWorkingHeightColumn] = formatGeneral(line.workingHeight);
    if (t.groundWireCount > 0) {
        row[kGroundWireHeightColumn] = formatGeneral(line.groundWireHeight);
    }
    row[kVoltageColumn] =
        line.voltage ? formatGeneral(*line.voltage) : "(" + formatGeneral(t.nominalVoltage) + ")";
    row[kCurrentsColumn] = currentsText(line.currents);
    row[kAngleColumn] = formatGeneral(line.angle);
    if (neighbourCircuits(line) == 2) {
        row[kPhaseOrderColumn] = line.phaseOrderSwapped ? "RST-TRS" : "RST-RST";
    }
    return row;
}

} // namespace velt
