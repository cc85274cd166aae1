#include "cli/CommandLine.h"

#include "cli/BatchRun.h"
#include "model/FileReplacement.h"
#include "results/Report.h"

namespace velt {

std::optional<int> parseCommandLine(CLI::App& app, const std::vector<std::string>& args,
                                    std::ostream& out, std::ostream& err) {
    // CLI11 takes the words last first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kExitDone;
    } catch (const CLI::ParseError& e) {
        err << "velt-calc: " << e.what() << "\n" << app.help();
        return kExitRefused;
    }
    return std::nullopt;
}

std::optional<int> openCommandProject(const SeriesCommand& command,
                                      const std::vector<std::string>& args, const std::string& path,
                                      std::optional<SeriesProject>& project, std::ostream& out,
                                      std::ostream& err) {
    CLI::App app{command.about, command.name};
    command.describe(app);
    if (const auto status = parseCommandLine(app, args, out, err)) {
        return status;
    }
    SeriesProjectLoad load = openSeriesProject(path);
    if (!load.project) {
        err << load.result.message << '\n';
        return load.result.status == LoadStatus::FileError ? kExitFileError : kExitRefused;
    }
    project = std::move(load.project);
    return std::nullopt;
}

bool writeWholeFile(const std::string& path, const std::string& bytes, std::ostream& err) {
    if (replaceFile(path, bytes)) {
        return true;
    }
    err << kCannotCreateFileMessage << path << '\n';
    return false;
}

} // namespace velt
