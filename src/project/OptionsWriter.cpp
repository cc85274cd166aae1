#include "project/OptionsWriter.h"

#include "project/ProjectSchema.h"
#include "project/TowerJson.h"

namespace velt {

using json = nlohmann::ordered_json;

namespace {

json limitValue(const ExposureLimit& limit) {
    if (!limit.key.empty()) {
        return limit.key;
    }
    json value = json::object();
    value["name"] = limit.name;
    value["electric"] = limit.electric;
    value["magnetic"] = limit.magnetic;
    return value;
}

json neighbourValue(const NeighbourLine& line) {
    json value = json::object();
    value["tower"] = projectTowerJson(line.tower, line.builtInTower);
    value["workingHeight"] = line.workingHeight;
    if (line.tower.groundWireCount > 0 || line.groundWireHeight != 0.0) {
        value["groundWireHeight"] = line.groundWireHeight;
    }
    value["offset"] = line.offset;
    if (line.phaseOrderSwapped) {
        value["phaseOrder"] = "RST-TRS";
    }
    if (line.voltage) {
        value["voltage"] = *line.voltage;
    }
    if (!line.currents.empty()) {
        value["currents"] = line.currents;
    }
    if (line.angle != 0.0) {
        value["angle"] = line.angle;
    }
    if (!line.label.empty()) {
        value["label"] = line.label;
    }
    return value;
}

} // namespace

json projectTowerJson(const TowerDefinition& tower, bool builtIn) {
    if (builtIn) {
        return tower.towerSeries;
    }
    // In full, so that the project does not need the catalogue it came from; the keys in
    // the schema's order (names first, then voltages, conductors and positions).
    const nlohmann::json whole = towerToJson(tower);
    json value = json::object();
    for (const auto& key : projectSchema().at("$defs").at("tower").at("required")) {
        value[key.get<std::string>()] = json::parse(whole.at(key.get<std::string>()).dump());
    }
    for (const auto& [key, item] : whole.items()) {
        if (!value.contains(key)) {
            value[key] = json::parse(item.dump());
        }
    }
    return value;
}

json optionsJson(const CalculationOptions& options) {
    json project = json::object();
    if (options.surfaceMethod == SurfaceMethod::Accurate) {
        project["surfaceMethod"] = "accurate";
    }
    if (options.coronaSurfaceFactor != kDefaultCoronaSurfaceFactor || options.relativeAirDensity) {
        json corona = json::object();
        corona["surfaceFactor"] = options.coronaSurfaceFactor;
        if (options.relativeAirDensity) {
            corona["airDensity"] = *options.relativeAirDensity;
        }
        project["corona"] = corona;
    }
    if (!options.limits.empty()) {
        json limits = json::array();
        for (const ExposureLimit& limit : options.limits) {
            limits.push_back(limitValue(limit));
        }
        project["limits"] = limits;
    }
    if (options.magneticUnit == MagneticUnit::Microtesla) {
        project["magneticUnit"] = "uT";
    }
    if (!options.neighbours.empty()) {
        json lines = json::array();
        for (const NeighbourLine& line : options.neighbours) {
            lines.push_back(neighbourValue(line));
        }
        project["neighbours"] = lines;
    }
    return project;
}

} // namespace velt
