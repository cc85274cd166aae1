#include "cli/TargetCommand.h"

#include "analysis/ExposureLimits.h"
#include "cli/BatchRun.h"
#include "cli/CommandLine.h"
#include "model/DecimalText.h"
#include "series/HeightTarget.h"

#include <nlohmann/json.hpp>

namespace velt {
namespace {

struct TargetOptions {
    std::string project;
    std::string limit;
    double at = 0.0;
    bool beyond = false;
    std::string key = targetKeyName(TargetKey::WorkingHeight);
    std::string jsonFile;
};

void describe(CLI::App& app, TargetOptions& o) {
    app.add_option("PROJECT", o.project, "line project file (JSON) along a horizontal line")
        ->required();
    app.add_option("--limit", o.limit,
                   "the level: one of the project's \"limits\" (a level of your own by its "
                   "name) or a built-in key")
        ->required();
    app.add_option("--at", o.at, "distance X from the tower axis [m], on both sides")->required();
    app.add_flag("--beyond", o.beyond,
                 "also everywhere beyond X (|x| >= X) within the computed range");
    app.add_option("--vary", o.key,
                   "workingHeight (default; the ground wires keep their distance above the "
                   "working conductors) or groundWireHeight")
        ->check(CLI::IsMember(
            {targetKeyName(TargetKey::WorkingHeight), targetKeyName(TargetKey::GroundWireHeight)}));
    app.add_option("--json", o.jsonFile,
                   "also write {\"key\", \"value\", \"field\", \"unit\"} to FILE");
    app.footer("Searches heights up to 100 m on a 1 cm grid: the answer meets the level and 1 cm "
               "lower does not. The field is RMS (kV/m; A/m, or µT when the project's "
               "magneticUnit is \"uT\"), compared with the level as stated.\n"
               "Prints KEY=VALUE m, FIELD UNIT. Exit status: 0 found, 1 a file cannot be "
               "read or written, 2 refused (no height up to 100 m meets the level) or bad "
               "arguments.");
}

std::string answerJson(const TargetQuery& query, const TargetAnswer& answer) {
    nlohmann::ordered_json json;
    json["key"] = targetKeyName(query.key);
    json["value"] = answer.value;
    json["field"] = answer.field;
    json["unit"] = answer.unit;
    return json.dump(2) + '\n';
}

int report(const TargetOptions& o, const TargetQuery& query, const TargetAnswer& answer,
           std::ostream& out, std::ostream& err) {
    if (answer.lowest) {
        err << "velt-calc: the field stays at or below " << query.limit.name << " from the lowest "
            << targetKeyName(query.key) << " the project takes; 1 cm lower: " << answer.lowerRefusal
            << '\n';
    }
    if (!o.jsonFile.empty() && !writeWholeFile(o.jsonFile, answerJson(query, answer), err)) {
        return kExitFileError;
    }
    out << targetKeyName(query.key) << '=' << formatNumber("%.2f", answer.value) << " m, "
        << formatNumber("%.3f", answer.field) << ' ' << answer.unit << '\n';
    return kExitDone;
}

} // namespace

int runTargetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    TargetOptions o;
    const SeriesCommand target{"Finds the lowest suspension height at which the field at a "
                               "distance from the tower axis stays at or below an exposure level.",
                               "velt-calc target", [&o](CLI::App& app) { describe(app, o); }};
    std::optional<SeriesProject> project;
    if (const auto status = openCommandProject(target, args, o.project, project, out, err)) {
        return *status;
    }
    const ExposureLimit* limit = findTargetLimit(*project, o.limit);
    if (limit == nullptr) {
        err << "velt-calc: --limit " << o.limit << ": no such level in the project or built in\n";
        return kExitRefused;
    }
    const TargetKey key = o.key == targetKeyName(TargetKey::GroundWireHeight)
                              ? TargetKey::GroundWireHeight
                              : TargetKey::WorkingHeight;
    const TargetQuery query{*limit, o.at, o.beyond, key};
    const auto found = findTarget(*project, query);
    if (const auto* message = std::get_if<std::string>(&found)) {
        err << "velt-calc: " << *message << '\n';
        return kExitRefused;
    }
    return report(o, query, std::get<TargetAnswer>(found), out, err);
}

} // namespace velt
