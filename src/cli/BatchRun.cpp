#include "cli/BatchRun.h"

#include "calc/CalculationDriver.h"
#include "cli/CommandLine.h"
#include "cli/GraphPicture.h"
#include "cli/ProfileJson.h"
#include "cli/SweepCommand.h"
#include "cli/TargetCommand.h"
#include "cli/TowerCommands.h"
#include "model/FileNames.h"
#include "project/BatchUi.h"
#include "project/ProjectFiles.h"
#include "project/ProjectSchema.h"
#include "results/ProfileCsv.h"
#include "results/Report.h"

#include <CLI/CLI.hpp>

#include <fstream>
#include <functional>
#include <memory>
#include <utility>

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
};

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
    if (const auto status = parseCommandLine(app, args, out, err)) {
        return status;
    }
    if (!options.pngSize.empty() && options.pngFile.empty() && options.gifFile.empty() &&
        options.svgFile.empty()) {
        err << "velt-calc: --size needs --png, --gif or --svg\n" << app.help();
        return kExitRefused;
    }
    return std::nullopt;
}

// Writes one output file through `write`; a file that cannot be written is reported.
bool writeOutput(const std::string& path, const std::function<void(std::ostream&)>& write,
                 std::ostream& out, std::ostream& err) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file.is_open()) {
        write(file);
        file.close();
        if (!file.fail()) {
            out << path << '\n';
            return true;
        }
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

    BatchUi ui(loaded->answers, err);
    PassContext ctx{*project, *profile, loaded->form, ui};
    if (calculate(ctx) != CalculationOutcome::Done) {
        return kExitRefused;
    }

    const std::string base =
        options.base.empty() ? replaceExtension(options.project, "") : options.base;
    const std::string reportFile = base + ".txt";
    if (!writeReport(reportFile, *profile,
                     [&err](const std::string& message) { err << message << '\n'; })) {
        return kExitFileError;
    }
    out << reportFile << '\n';
    if (!options.jsonFile.empty() &&
        !writeOutput(
            options.jsonFile, [&](std::ostream& s) { writeProfileJson(s, *profile); }, out, err)) {
        return kExitFileError;
    }
    if (!options.csvFile.empty() &&
        !writeOutput(
            options.csvFile, [&](std::ostream& s) { writeProfileCsv(s, *profile); }, out, err)) {
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
                                                project->towerShifted, out, err)) {
            return kExitFileError;
        }
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
