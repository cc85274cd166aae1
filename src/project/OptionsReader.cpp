#include "project/OptionsReader.h"

#include "analysis/ExposureLimits.h"
#include "calc/NeighbourValues.h"
#include "model/TextSlots.h"
#include "project/ProjectJson.h"

#include <cmath>

namespace velt {
namespace {

using namespace projectjson;

// No environmental report compares a line with more levels than this.

std::string indexed(const char* array, std::size_t i) {
    return std::string(array) + "[" + std::to_string(i) + "]";
}

[[noreturn]] void refuseKeyed(const KeyedRefusal& refusal) {
    refuse("Project key \"" + refusal.key + "\": " + refusal.message);
}

// A number within (0, most]; the key's message otherwise.
double positiveAtMost(const json& value, const std::string& key, double most) {
    const double x = numberOf(value, key);
    if (!(x > 0.0 && x <= most)) {
        malformed(key, "the number is out of range");
    }
    return x;
}

void readCorona(const json& project, CalculationOptions& options) {
    const json* corona = sectionOf(project, "corona");
    if (corona == nullptr) {
        return;
    }
    if (const json* factor = find(*corona, "surfaceFactor")) {
        options.coronaSurfaceFactor = positiveAtMost(*factor, "corona.surfaceFactor", 1.0);
    }
    if (const json* density = find(*corona, "airDensity")) {
        options.relativeAirDensity = positiveAtMost(*density, "corona.airDensity", 2.0);
    }
}

std::string builtInKeyList() {
    std::string list;
    for (const std::string& key : builtInLimitKeys()) {
        list.append(list.empty() ? "" : ", ").append(key);
    }
    return list;
}

ExposureLimit limitOf(const json& item, const std::string& key) {
    if (item.is_string()) {
        const ExposureLimit* builtIn = findBuiltInLimit(item.get<std::string>());
        if (builtIn == nullptr) {
            malformed(key, "a built-in level is expected (known: " + builtInKeyList() + ")");
        }
        return *builtIn;
    }
    if (!item.is_object()) {
        malformed(key, "a built-in level's key or an object is expected");
    }
    checkKeys(item, key, "name");
    ExposureLimit limit;
    const json* name = find(item, "name");
    if (name == nullptr || !name->is_string()) {
        malformed(keyPath(key, "name"), "a text is expected");
    }
    limit.name = name->get<std::string>();
    for (const auto& [field, level] :
         {std::pair{"electric", &limit.electric}, std::pair{"magnetic", &limit.magnetic}}) {
        const json* value = find(item, field);
        if (value == nullptr) {
            malformed(keyPath(key, field), "a number is expected");
        }
        *level = numberOf(*value, keyPath(key, field));
    }
    return limit;
}

void readLimits(const json& project, CalculationOptions& options) {
    const json* limits = find(project, "limits");
    if (limits == nullptr) {
        return;
    }
    if (!limits->is_array() || limits->size() > kMaxExposureLimits) {
        malformed("limits", "a list of at most 16 levels is expected");
    }
    for (std::size_t i = 0; i < limits->size(); ++i) {
        options.limits.push_back(limitOf((*limits)[i], indexed("limits", i)));
    }
    if (auto refusal = checkLimits(options.limits)) {
        refuseKeyed(*refusal);
    }
}

double neighbourNumber(const json& line, const char* field, const std::string& key,
                       double missing) {
    const json* value = find(line, field);
    return value == nullptr ? missing : numberOf(*value, keyPath(key, field));
}

std::vector<double> neighbourCurrents(const json& line, const std::string& key) {
    std::vector<double> currents;
    const json* list = find(line, "currents");
    if (list == nullptr) {
        return currents;
    }
    const std::string at = keyPath(key, "currents");
    if (!list->is_array() || list->empty() || list->size() > 2) {
        malformed(at, "a list of one or two currents [A] is expected");
    }
    for (const json& current : *list) {
        currents.push_back(numberOf(current, at));
    }
    return currents;
}

NeighbourLine neighbourOf(const json& line, const std::string& key, const std::string& folder) {
    objectOf(line, key);
    checkKeys(line, key);
    const json* tower = find(line, "tower");
    if (tower == nullptr) {
        malformed(keyPath(key, "tower"), "the line's tower is expected");
    }
    NeighbourLine neighbour;
    const ChosenTower chosen = towerAt(*tower, keyPath(key, "tower"), folder);
    neighbour.tower = chosen.tower;
    neighbour.builtInTower = chosen.builtIn;
    if (find(line, "workingHeight") == nullptr || find(line, "offset") == nullptr) {
        malformed(keyPath(key, find(line, "offset") == nullptr ? "offset" : "workingHeight"),
                  "a number is expected");
    }
    neighbour.workingHeight = neighbourNumber(line, "workingHeight", key, 0.0);
    neighbour.groundWireHeight = neighbourNumber(line, "groundWireHeight", key, 0.0);
    neighbour.offset = neighbourNumber(line, "offset", key, 0.0);
    neighbour.phaseOrderSwapped = choiceOf(line, "phaseOrder", {"RST-RST", "RST-TRS"}, 0, key) == 1;
    if (find(line, "voltage") != nullptr) {
        neighbour.voltage = neighbourNumber(line, "voltage", key, 0.0);
    }
    neighbour.currents = neighbourCurrents(line, key);
    neighbour.angle = neighbourNumber(line, "angle", key, 0.0);
    if (const json* label = find(line, "label")) {
        if (!label->is_string()) {
            malformed(keyPath(key, "label"), "a text is expected");
        }
        neighbour.label = label->get<std::string>();
        if (utf8Length(neighbour.label) > kMaxNeighbourLabelLength) {
            malformed(keyPath(key, "label"), "at most 64 characters");
        }
    }
    return neighbour;
}

void readNeighbours(const json& project, const std::string& folder, bool magnetic,
                    CalculationOptions& options) {
    const json* lines = find(project, "neighbours");
    if (lines == nullptr) {
        return;
    }
    if (!lines->is_array() || lines->size() > 8) {
        malformed("neighbours", "a list of at most 8 lines is expected");
    }
    for (std::size_t i = 0; i < lines->size(); ++i) {
        options.neighbours.push_back(neighbourOf((*lines)[i], indexed("neighbours", i), folder));
    }
    if (auto refusal = checkNeighbourValues(options.neighbours, magnetic)) {
        refuseKeyed(*refusal);
    }
}

} // namespace

void readOptions(const json& project, const std::string& folder, bool magnetic,
                 CalculationOptions& options) {
    options.surfaceMethod = choiceOf(project, "surfaceMethod", {"specified", "accurate"}, 0) == 1
                                ? SurfaceMethod::Accurate
                                : SurfaceMethod::Specified;
    readCorona(project, options);
    readLimits(project, options);
    options.magneticUnit = choiceOf(project, "magneticUnit", {"A/m", "uT"}, 0) == 1
                               ? MagneticUnit::Microtesla
                               : MagneticUnit::AmperesPerMetre;
    readNeighbours(project, folder, magnetic, options);
}

} // namespace velt
