#include "project/ProjectFile.h"

#include "calc/Computability.h"
#include "linedata/LineDataRules.h"
#include "model/BuiltInTowers.h"
#include "model/DecimalText.h"
#include "model/FileNames.h"
#include "model/TowerCatalogue.h"
#include "project/CatalogueTower.h"
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

using json = nlohmann::json;

const char* const kFileErrorText = "Nie mogę otworzyć pliku!\n";

// Ends loading with a status and message.
struct Stop {
    LoadStatus status;
    std::string message;
};

// The message names the key and quotes its unit and range from the schema.
[[noreturn]] void malformed(const std::string& key, const std::string& what) {
    throw Stop{LoadStatus::Refused, "Project key \"" + key + "\": " + what + projectKeyNote(key)};
}

[[noreturn]] void refuse(const std::string& message) {
    throw Stop{LoadStatus::Refused, message};
}

std::string keyPath(const std::string& path, const std::string& key) {
    return path.empty() ? key : path + "." + key;
}

// The keys an object may hold are the schema's; `probe` picks the form of a choice.
void checkKeys(const json& object, const std::string& path, const char* probe = "") {
    const std::vector<std::string> known = projectSchemaKeys(path, probe);
    for (const auto& item : object.items()) {
        if (std::find(known.begin(), known.end(), item.key()) == known.end()) {
            std::string list;
            for (const std::string& key : known) {
                list.append(list.empty() ? "" : ", ").append(key);
            }
            throw Stop{LoadStatus::Refused, "Project key \"" + keyPath(path, item.key()) +
                                                "\": unknown key (known here: " + list + ")"};
        }
    }
}

const json* find(const json& object, const char* key) {
    const auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
}

double numberOf(const json& value, const std::string& key) {
    if (!value.is_number()) {
        malformed(key, "a number is expected");
    }
    return value.get<double>();
}

// A number key becomes the text of its dialog field; a missing one keeps the field's text.
void numberField(const json& object, const char* key, const std::string& context,
                 std::string& field) {
    if (const json* value = find(object, key)) {
        field = numberText(numberOf(*value, context + key));
    }
}

const json& objectOf(const json& value, const std::string& key) {
    if (!value.is_object()) {
        malformed(key, "an object is expected");
    }
    return value;
}

// The object under `key`, holding only the `known` keys; nothing when the project leaves
// it out.
const json* sectionOf(const json& project, const char* key) {
    const json* section = find(project, key);
    if (section != nullptr) {
        objectOf(*section, key);
        checkKeys(*section, key);
    }
    return section;
}

// Index of `value` among `options`; the key's default when missing.
int choiceOf(const json& object, const char* key, std::initializer_list<const char*> options,
             int missing, const std::string& path = "") {
    const json* value = find(object, key);
    if (value == nullptr) {
        return missing;
    }
    int index = 0;
    std::string list;
    for (const char* option : options) {
        if (value->is_string() && value->get<std::string>() == option) {
            return index;
        }
        list += (index == 0 ? "\"" : " or \"") + std::string(option) + "\"";
        ++index;
    }
    malformed(keyPath(path, key), list + " is expected");
}

std::string folderPath(const std::string& folder, const std::string& name) {
    const std::filesystem::path path(name);
    if (folder.empty() || path.is_absolute()) {
        return name;
    }
    return (std::filesystem::path(folder) / path).string();
}

struct ChosenTower {
    TowerDefinition tower;
    int listIndex = kBuiltInTowerCount; ///< an entry after the built-in ones
};

ChosenTower catalogueTower(const json& towerValue, const std::string& folder) {
    checkKeys(towerValue, "tower", "catalogue");
    const json* catalogue = find(towerValue, "catalogue");
    const json* key = find(towerValue, "key");
    if (catalogue == nullptr || !catalogue->is_string()) {
        malformed("tower.catalogue", "the catalogue file name is expected");
    }
    if (key == nullptr || !key->is_string()) {
        malformed("tower.key", "the tower's \"series <-> type\" key is expected");
    }
    const std::string path = folderPath(folder, catalogue->get<std::string>());
    const std::string dataFile = catalogueFiles(path).dataName;
    if (!std::ifstream(dataFile, std::ios::binary).is_open()) {
        throw Stop{LoadStatus::FileError, kFileErrorText + dataFile};
    }
    std::string message;
    auto tower = readCatalogueTower(path, key->get<std::string>(), message);
    if (!tower) {
        refuse(message);
    }
    return {std::move(*tower), kBuiltInTowerCount};
}

ChosenTower towerOf(const json& project, const std::string& folder) {
    const json* towerValue = find(project, "tower");
    if (towerValue == nullptr) {
        // Nothing chosen in the tower list: the OK chain says so.
        return {TowerDefinition{}, -1};
    }
    if (towerValue->is_string()) {
        const TowerDefinition* builtIn = builtInTowerBySeries(towerValue->get<std::string>());
        if (builtIn == nullptr) {
            malformed("tower", "\"S12\", \"H52\", \"Z52\" or a tower object is expected");
        }
        return {*builtIn, static_cast<int>(builtIn - builtInTowers().data())};
    }
    if (!towerValue->is_object()) {
        malformed("tower", "a series name or a tower object is expected");
    }
    if (towerValue->contains("catalogue")) {
        return catalogueTower(*towerValue, folder);
    }
    std::string message;
    auto tower = towerFromJson(*towerValue, message);
    if (!tower) {
        refuse(message);
    }
    return {std::move(*tower), kBuiltInTowerCount};
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

LoadResult loadProject(const std::string& jsonText, const std::string& folder, LineProject& project,
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

} // namespace velt
