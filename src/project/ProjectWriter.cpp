#include "project/ProjectWriter.h"

#include "linedata/LineDataRules.h"
#include "model/BuiltInTowers.h"
#include "model/DecimalText.h"
#include "project/OptionsWriter.h"
#include "project/ProjectSchema.h"
#include "project/TowerJson.h"

#include <nlohmann/json.hpp>

namespace velt {
namespace {

using json = nlohmann::ordered_json;

bool blank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

// A typed number as the dialog reads it; an empty field stays out of the file.
void putNumber(json& object, const char* key, const std::string& text) {
    if (!blank(text)) {
        object[key] = readDecimal(text);
    }
}

std::string scalarText(const json& value) {
    return value.dump(-1, ' ', false, json::error_handler_t::replace);
}

bool flat(const json& array) {
    for (const json& item : array) {
        if (item.is_structured()) {
            return false;
        }
    }
    return true;
}

// Two-blank indents, and a list of numbers on one line: a position reads "[-12.0, 10.0]".
void layOut(const json& value, const std::string& indent, std::string& out) {
    if (!value.is_structured() || value.empty()) {
        out += value.is_structured() ? (value.is_array() ? "[]" : "{}") : scalarText(value);
        return;
    }
    const bool object = value.is_object();
    if (!object && flat(value)) {
        out += '[';
        for (std::size_t i = 0; i < value.size(); ++i) {
            out.append(i == 0 ? "" : ", ").append(scalarText(value[i]));
        }
        out += ']';
        return;
    }
    const std::string inner = indent + "  ";
    out += object ? "{\n" : "[\n";
    bool first = true;
    for (const auto& item : value.items()) {
        out.append(first ? "" : ",\n").append(inner);
        if (object) {
            out.append(scalarText(json(item.key()))).append(": ");
        }
        layOut(item.value(), inner, out);
        first = false;
    }
    out.append("\n").append(indent).append(object ? "}" : "]");
}

json lineValue(const LineDataForm& form) {
    json line = json::object();
    line["kind"] = form.verticalLine() ? "vertical" : "horizontal";
    putNumber(line, "y", form.lineHeight);
    putNumber(line, "x", form.lineDistance);
    return line;
}

void putCurrents(json& project, const PhaseCurrentForm& currents) {
    // Values above zero only come from an answered dialog; the untouched form stays out.
    if (!(readDecimal(currents.firstCircuit) > 0.0)) {
        return;
    }
    json list = json::array({readDecimal(currents.firstCircuit)});
    if (currents.secondCircuitEnabled) {
        list.push_back(readDecimal(currents.secondCircuit));
    }
    project["currents"] = list;
}

void putCompanions(json& project, const LineDataForm& form) {
    if (form.buildingChecked) {
        json building = json::object();
        putNumber(building, "frontX", form.building.frontX);
        putNumber(building, "frontY", form.building.frontY);
        putNumber(building, "roofX", form.building.roofX);
        putNumber(building, "roofY", form.building.roofY);
        project["building"] = building;
    }
    if (form.shieldWiresChecked) {
        json shield = json::object();
        putNumber(shield, "diameter", form.shieldWires.diameter);
        json positions = json::array();
        for (const ConductorRow& row : form.shieldWires.rows) {
            positions.push_back({readDecimal(row.distance), readDecimal(row.height)});
        }
        shield["positions"] = positions;
        project["shieldWires"] = shield;
    }
    if (form.interferenceChecked && interferenceEnabled(form.magnetic(), form.onConductors())) {
        json interference = json::object();
        putNumber(interference, "distance", form.interference.distance);
        putNumber(interference, "frequencyMHz", form.interference.frequency);
        project["interference"] = interference;
    }
}

void putAnswers(json& project, const CalculationAnswers& answers) {
    if (answers.range) {
        project["range"] = *answers.range;
    }
    if (answers.drawRange) {
        project["drawRange"] = *answers.drawRange;
    }
    if (!answers.comment.empty()) {
        project["comment"] = answers.comment;
    }
}

} // namespace

std::optional<ProjectTower> chosenProjectTower(const LineProject& project,
                                               const LineDialogState& state) {
    if (!project.towerChosen || project.chosenTowerIndex < 0) {
        return std::nullopt;
    }
    // The built-in entries head the tower list.
    const bool builtIn = project.chosenTowerIndex < kBuiltInTowerCount &&
                         builtInTowerBySeries(state.choice.tower.towerSeries) != nullptr;
    return ProjectTower{state.choice.tower, builtIn, project.towerShift};
}

std::string projectText(const LineDialogState& state, const std::optional<ProjectTower>& tower,
                        const CalculationAnswers& answers) {
    const LineDataForm& form = state.form;
    json project = json::object();
    if (tower) {
        project["tower"] = projectTowerJson(tower->tower, tower->builtIn);
    }
    putNumber(project, "workingHeight", form.workingHeight);
    putNumber(project, "groundWireHeight", form.groundHeight);
    project["field"] = form.magnetic() ? "magnetic" : "electric";
    project["mode"] = form.onConductors() ? "conductors" : "line";
    project["line"] = lineValue(form);
    if (tower && tower->shift != 0.0) {
        project["towerShift"] = tower->shift;
    }
    if (form.phaseOrderChoice == 1) {
        project["phaseOrder"] = "RST-TRS";
    }
    putCurrents(project, form.currents);
    putCompanions(project, form);
    putAnswers(project, answers);
    const json options = optionsJson(form.options);
    for (const auto& [key, value] : options.items()) {
        project[key] = value;
    }
    std::string text;
    layOut(project, "", text);
    return text + "\n";
}

} // namespace velt
