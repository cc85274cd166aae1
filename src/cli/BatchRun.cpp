#include "cli/BatchRun.h"

#include "analysis/CalculationExtras.h"
#include "calc/CalculationDriver.h"
#include "cli/CommandLine.h"
#include "cli/ExtrasJson.h"
#include "cli/GraphPicture.h"
#include "cli/MapOutputs.h"
#include "cli/OptionOverrides.h"
#include "cli/ProfileJson.h"
#include "cli/SweepCommand.h"
#include "cli/TargetCommand.h"
#include "cli/TowerCommands.h"
#include "model/FileNames.h"
#include "model/FileReplacement.h"
#include "project/BatchUi.h"
#include "project/ProjectFiles.h"
#include "project/ProjectSchema.h"
#include "results/ProfileCsv.h"
#include "results/Report.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <utility>
#include <variant>

namespace velt {
namespace {

struct Options {
    std::string project;
    std::string base;
    std::string jsonFile;
    std::string csvFile;
    std::string pngFile;
    std::string pngSize;
    std::string gifFile;
    std::string svgFile;
    std::string pdfFile;
    std::string zonesFile;
    OptionOverrides overrides;
    MapOptions map;
};

void addOptionOptions(CLI::App& app, Options& options) {
    app.add_option("--surface-method", options.overrides.surfaceMethod,
                   "how the largest surface field is found: specified (one charge at the "
                   "centre of every sub-conductor) or accurate (every surface an "
                   "equipotential); replaces the project's \"surfaceMethod\"")
        ->check(CLI::IsMember({"specified", "accurate"}));
    app.add_option("--limits", options.overrides.limits,
                   "exposure limits KEY[,KEY...] whose zones are found; replaces the project's "
                   "\"limits\"")
        ->check(CLI::Validator(checkLimitsOption, ""));
    app.add_option("--magnetic-unit", options.overrides.magneticUnit,
                   "unit of magnetic outputs beside the report: A/m or uT; replaces the "
                   "project's \"magneticUnit\"")
        ->check(CLI::IsMember({"A/m", "uT"}));
    app.add_option("--zones", options.zonesFile, "also write the limits' zones as CSV");
}

void addMapOptions(CLI::App& app, Options& options) {
    app.add_option("--map", options.map.csv,
                   "also write the field over the cross-section as CSV (x fastest)");
    app.add_option("--map-png", options.map.png, "also draw the map as a PNG image")
        ->check(CLI::Validator(checkPictureOption, ""));
    app.add_option("--map-svg", options.map.svg, "also draw the map as an SVG drawing")
        ->check(CLI::Validator(checkPictureOption, ""));
    app.add_option("--map-pdf", options.map.pdf, "also draw the map's printed page as PDF")
        ->check(CLI::Validator(checkPictureOption, ""));
    app.add_option("--map-grid", options.map.grid,
                   "the map's grid XSTEP,YSTEP[,TOP] in metres (default 201 x 101 points up "
                   "to 5 m above the highest conductor)")
        ->check(CLI::Validator(checkMapGridOption, ""));
}

// Parses the options; returns an exit status when the run ends here (help or bad usage).
std::optional<int> parseOptions(const std::vector<std::string>& args, Options& options,
                                std::ostream& out, std::ostream& err) {
    CLI::App app{"Computes the electric or magnetic field of a line project and writes its "
                 "report.\n  velt-calc towers ...   maintains tower catalogues\n"
                 "  velt-calc --schema     prints the JSON Schema of the project file",
                 "velt-calc"};
    app.add_option("PROJECT", options.project, "line project file (JSON)")->required();
    app.add_option("-o", options.base,
                   "base name of the written files (default: the project file without its "
                   "extension); the report is BASE.txt");
    app.add_option("--json", options.jsonFile, "also write the field profile as JSON");
    app.add_option("--csv", options.csvFile, "also write the profile as CSV");
    app.add_option("--png", options.pngFile, "also write the graph as a PNG image")
        ->check(CLI::Validator(checkPictureOption, ""));
    app.add_option("--gif", options.gifFile,
                   "also write the graph as a GIF picture, as the desktop program saves it")
        ->check(CLI::Validator(checkPictureOption, ""));
    app.add_option("--svg", options.svgFile, "also write the graph as an SVG drawing")
        ->check(CLI::Validator(checkPictureOption, ""));
    app.add_option("--pdf", options.pdfFile,
                   "also write the printed page of the graph as a PDF file")
        ->check(CLI::Validator(checkPictureOption, ""));
    app.add_option("--size", options.pngSize,
                   "size of the PNG, GIF or SVG picture in pixels, WxH (default 1000x700)")
        ->check(CLI::Validator(checkPictureSize, ""));
    addOptionOptions(app, options);
    addMapOptions(app, options);
    if (const auto status = parseCommandLine(app, args, out, err)) {
        return status;
    }
    if (!options.pngSize.empty() && options.pngFile.empty() && options.gifFile.empty() &&
        options.svgFile.empty()) {
        err << "velt-calc: --size needs --png, --gif or --svg\n" << app.help();
        return kExitRefused;
    }
    if (!options.map.grid.empty() && !options.map.wanted()) {
        err << "velt-calc: --map-grid needs --map, --map-png, --map-svg or --map-pdf\n"
            << app.help();
        return kExitRefused;
    }
    return std::nullopt;
}

// Writes one output file through `write`, whole or not at all (an earlier file stays as it
// was); a file that cannot be written is reported.
bool writeOutput(const std::string& path, const std::function<void(std::ostream&)>& write,
                 std::ostream& out, std::ostream& err) {
    std::ostringstream text;
    write(text);
    if (replaceFile(path, text.str())) {
        out << path << '\n';
        return true;
    }
    err << kCannotCreateFileMessage << path << '\n';
    return false;
}

int calculateProject(const Options& options, std::ostream& out, std::ostream& err) {
    // The records are large; one of each, as in the desktop program.
    auto project = std::make_unique<LineProject>();
    auto profile = std::make_unique<FieldProfile>();
    auto loaded = std::make_unique<LoadedProject>();
    // The desktop program's reader: a folder or an oversized file is refused unread.
    const LoadResult load = openProjectFile(options.project, *project, *loaded);
    if (load.status != LoadStatus::Accepted) {
        err << load.message << '\n';
        return load.status == LoadStatus::FileError ? kExitFileError : kExitRefused;
    }

    applyOverrides(options.overrides, loaded->form.options);
    // A map's grid is refused before anything is computed.
    std::optional<FieldMapGrid> mapGrid;
    if (options.map.wanted()) {
        auto grid = mapGridOf(options.map, *project, loaded->form,
                              loaded->answers.range.value_or(kProposedRange));
        if (const auto* refusal = std::get_if<std::string>(&grid)) {
            err << *refusal << '\n';
            return kExitRefused;
        }
        mapGrid = std::get<FieldMapGrid>(grid);
    }

    BatchUi ui(loaded->answers, err);
    PassContext ctx{*project, *profile, loaded->form, ui};
    if (calculate(ctx) != CalculationOutcome::Done) {
        return kExitRefused;
    }
    const CalculationExtras extras = completeCalculation(*project, loaded->form, *profile);

    const std::string base =
        options.base.empty() ? replaceExtension(options.project, "") : options.base;
    const std::string reportFile = base + ".txt";
    if (!writeReport(
            reportFile, *profile, [&err](const std::string& message) { err << message << '\n'; },
            &extras)) {
        return kExitFileError;
    }
    out << reportFile << '\n';
    if (!options.jsonFile.empty() &&
        !writeOutput(
            options.jsonFile, [&](std::ostream& s) { writeProfileJson(s, *profile, &extras); }, out,
            err)) {
        return kExitFileError;
    }
    if (!options.csvFile.empty() && !writeOutput(
                                        options.csvFile,
                                        [&](std::ostream& s) {
                                            writeProfileCsv(s, *profile,
                                                            loaded->form.options.magneticUnit);
                                        },
                                        out, err)) {
        return kExitFileError;
    }
    const std::pair<const std::string&, GraphFormat> pictures[] = {
        {options.pngFile, GraphFormat::Png},
        {options.gifFile, GraphFormat::Gif},
        {options.svgFile, GraphFormat::Svg},
        {options.pdfFile, GraphFormat::Pdf},
    };
    for (const auto& [file, format] : pictures) {
        if (!file.empty() && !writeGraphPicture(file, format, options.pngSize, *profile,
                                                project->towerShifted, out, err, &extras)) {
            return kExitFileError;
        }
    }
    if (!options.zonesFile.empty() &&
        !writeOutput(
            options.zonesFile, [&](std::ostream& s) { writeZonesCsv(s, *profile, extras); }, out,
            err)) {
        return kExitFileError;
    }
    if (mapGrid && !writeMapOutputs(options.map, *mapGrid, *project, loaded->form, out, err)) {
        return kExitFileError;
    }
    return kExitDone;
}

} // namespace

int runVeltCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return runVeltCalcOn(args, out, err, false);
}

int runVeltCalcOn(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  bool errIsTerminal) {
    const std::string command = args.empty() ? std::string() : args.front();
    const std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
    if (command == "towers") {
        return runTowerCommand(rest, out, err);
    }
    if (command == "sweep") {
        return runSweepCommand(rest, out, err, errIsTerminal);
    }
    if (command == "target") {
        return runTargetCommand(rest, out, err);
    }
    if (args.size() == 1 && args.front() == "--schema") {
        out << projectSchemaText();
        return kExitDone;
    }
    Options options;
    if (const auto status = parseOptions(args, options, out, err)) {
        return *status;
    }
    return calculateProject(options, out, err);
}

} // namespace velt
