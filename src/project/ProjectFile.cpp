#include "project/ProjectFile.h"

#include "calc/Computability.h"
#include "linedata/LineDataRules.h"
#include "model/BuiltInTowers.h"
#include "model/DecimalText.h"
#include "model/FileNames.h"
#include "model/TowerCatalogue.h"
#include "project/OptionsReader.h"
#include "project/PolishMessages.h"
#include "project/ProjectJson.h"
#include "project/ProjectSchema.h"
#include "project/TowerJson.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <vector>

namespace velt {
namespace {

using namespace projectjson;

ChosenTower towerOf(const json& project, const std::string& folder) {
    const json* value = find(project, "tower");
    if (value == nullptr) {
        // Nothing chosen in the tower list: the OK chain says so.
        return {TowerDefinition{}, -1, false};
    }
    return towerAt(*value, "tower", folder);
}

// A number key becomes the text of its dialog field; a missing one keeps the field's text.
void numberField(const json& object, const char* key, const std::string& context,
                 std::string& field) {
    if (const json* value = find(object, key)) {
        field = numberText(numberOf(*value, context + key));
    }
}

void readLine(const json& project, LineDataForm& form) {
    const json* line = sectionOf(project, "line");
    if (line == nullptr) {
        return;
    }
    form.lineChoice = choiceOf(*line, "kind", {"horizontal", "vertical"}, 0, "line");
    numberField(*line, "y", "line.", form.lineHeight);
    numberField(*line, "x", "line.", form.lineDistance);
}

void readBuilding(const json& project, LineDataForm& form, LineSetup& input) {
    const json* building = sectionOf(project, "building");
    if (building == nullptr) {
        return;
    }
    input.building = true;
    // A coordinate left out is an empty field, which the building check refuses.
    form.building = {"", "", "", ""};
    numberField(*building, "frontX", "building.", form.building.frontX);
    numberField(*building, "frontY", "building.", form.building.frontY);
    numberField(*building, "roofX", "building.", form.building.roofX);
    numberField(*building, "roofY", "building.", form.building.roofY);
}

void readShieldWires(const json& project, LineDataForm& form, LineSetup& input) {
    const json* shield = sectionOf(project, "shieldWires");
    if (shield == nullptr) {
        return;
    }
    input.shieldWires = true;
    numberField(*shield, "diameter", "shieldWires.", form.shieldWires.diameter);
    if (const json* positions = find(*shield, "positions")) {
        if (!positions->is_array()) {
            malformed("shieldWires.positions", "a list of [x, height] pairs is expected");
        }
        for (const json& pair : *positions) {
            if (!pair.is_array() || pair.size() != 2) {
                malformed("shieldWires.positions", "a list of [x, height] pairs is expected");
            }
            input.shieldRows.push_back({numberText(numberOf(pair[0], "shieldWires.positions")),
                                        numberText(numberOf(pair[1], "shieldWires.positions"))});
        }
    }
}

void readInterference(const json& project, LineDataForm& form, LineSetup& input) {
    const json* interference = sectionOf(project, "interference");
    if (interference == nullptr) {
        return;
    }
    if (!interferenceEnabled(form.magnetic(), form.onConductors())) {
        malformed("interference", "used only with \"field\": \"electric\" and \"mode\": "
                                  "\"conductors\"");
    }
    input.interference = true;
    numberField(*interference, "distance", "interference.", form.interference.distance);
    numberField(*interference, "frequencyMHz", "interference.", form.interference.frequency);
}

void readCurrents(const json& project, LineDataForm& form, LineSetup& input) {
    const json* currents = find(project, "currents");
    if (currents == nullptr) {
        return;
    }
    if (!currents->is_array() || currents->empty() || currents->size() > 2) {
        malformed("currents", "a list of one or two currents [A] is expected");
    }
    input.currents = true;
    form.currents.firstCircuit = numberText(numberOf((*currents)[0], "currents"));
    if (currents->size() == 2) {
        form.currents.secondCircuit = numberText(numberOf((*currents)[1], "currents"));
    }
}

void readAnswers(const json& project, CalculationAnswers& answers) {
    if (const json* range = find(project, "range")) {
        answers.range = numberOf(*range, "range");
    }
    if (const json* drawRange = find(project, "drawRange")) {
        answers.drawRange = numberOf(*drawRange, "drawRange");
    }
    if (const json* comment = find(project, "comment")) {
        if (!comment->is_string()) {
            malformed("comment", "a text is expected");
        }
        answers.comment = comment->get<std::string>();
    }
}

LineSetup readInput(const json& project, LoadedProject& loaded) {
    checkKeys(project, "");
    LineDataForm& form = loaded.form;
    LineSetup input;
    numberField(project, "workingHeight", "", form.workingHeight);
    numberField(project, "groundWireHeight", "", form.groundHeight);
    // A tower without ground wires never reads the field; a height below ground is no height.
    if (const json* ground = find(project, "groundWireHeight");
        ground != nullptr && numberOf(*ground, "groundWireHeight") < 0.0) {
        malformed("groundWireHeight", "the number must not be negative");
    }
    form.fieldChoice = choiceOf(project, "field", {"electric", "magnetic"}, 0);
    form.modeChoice = choiceOf(project, "mode", {"conductors", "line"}, 1);
    readLine(project, form);
    numberField(project, "towerShift", "", form.towerShift);
    form.phaseOrderChoice = choiceOf(project, "phaseOrder", {"RST-RST", "RST-TRS"}, 0);
    readCurrents(project, form, input);
    readBuilding(project, form, input);
    readShieldWires(project, form, input);
    readInterference(project, form, input);
    readAnswers(project, loaded.answers);
    return input;
}

// The key of the file behind a refusal of the calculation's own checks, where one key is
// to blame; empty otherwise.
std::string blamedKey(const ComputabilityRefusal& refusal) {
    struct Blame {
        RefusedConductors conductors;
        const std::string& message;
        const char* key;
    };
    const Blame blames[] = {
        {RefusedConductors::Working, kPhaseCountMessage, "tower.phase"},
        {RefusedConductors::Working, kBundleOnConductorsMessage, "tower.phaseBundleSize"},
        {RefusedConductors::Working, kBundleSizeMessage, "tower.phaseBundleSize"},
        {RefusedConductors::Working, kRadiusMessage, "tower.phaseDiameter"},
        {RefusedConductors::Working, kSpacingMessage, "tower.phaseBundleSpacing"},
        {RefusedConductors::Ground, kBundleSizeMessage, "tower.groundBundleSize"},
        {RefusedConductors::Ground, kRadiusMessage, "tower.groundDiameter"},
        {RefusedConductors::Ground, kSpacingMessage, "tower.groundBundleSpacing"},
        {RefusedConductors::Shield, kRadiusMessage, "shieldWires.diameter"},
    };
    for (const Blame& blame : blames) {
        if (blame.conductors == refusal.conductors && blame.message == refusal.message) {
            return blame.key;
        }
    }
    return {};
}

} // namespace

std::string numberText(double value) {
    return formatNumber("%.17g", value);
}

namespace {

LoadResult loadWorded(const std::string& jsonText, const std::string& folder, LineProject& project,
                      LoadedProject& loaded) {
    try {
        json document;
        try {
            document = json::parse(jsonText);
        } catch (const json::exception& e) {
            return {LoadStatus::Refused, std::string("The project file is not JSON: ") + e.what()};
        }
        if (!document.is_object()) {
            return {LoadStatus::Refused, "The project file must hold one JSON object"};
        }
        LineSetup setup = readInput(document, loaded);
        readOptions(document, folder, loaded.form.magnetic(), loaded.form.options);
        ChosenTower chosen = towerOf(document, folder);
        if (chosen.listIndex >= 0) {
            setup.tower = std::move(chosen.tower);
            setup.listIndex = chosen.listIndex;
        }
        if (auto refusal = setUpLine(project, loaded, setup)) {
            return {LoadStatus::Refused, std::move(*refusal)};
        }
        // A line the calculation would refuse is refused now, before it replaces another.
        if (auto refusal = findComputabilityRefusal(project, loaded.form.onConductors())) {
            // Refused means not accepted, whichever check refused.
            project.lineDataAccepted = false;
            const std::string key = blamedKey(*refusal);
            return {LoadStatus::Refused, key.empty()
                                             ? refusal->message
                                             : "Project key \"" + key + "\": " + refusal->message};
        }
        return {LoadStatus::Accepted, {}};
    } catch (const Stop& stop) {
        return {stop.status, stop.message};
    }
}

} // namespace

LoadResult loadProject(const std::string& jsonText, const std::string& folder, LineProject& project,
                       LoadedProject& loaded) {
    LoadResult result = loadWorded(jsonText, folder, project, loaded);
    result.polishMessage = polishProjectMessage(result.message);
    return result;
}

} // namespace velt
