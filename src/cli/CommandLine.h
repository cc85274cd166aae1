#pragma once
// What the commands of velt-calc share: reading their words, opening the project a
// series works on, writing a result file whole.

#include "series/SeriesProject.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace velt {

/// Parses `args` with `app`. Returns an exit status when the run ends here: the help on
/// `out` (0), or bad usage with the help on `err` (2).
std::optional<int> parseCommandLine(CLI::App& app, const std::vector<std::string>& args,
                                    std::ostream& out, std::ostream& err);

/// A command of velt-calc that works on a project for a series: its help texts, and its
/// options described on the command's CLI::App.
struct SeriesCommand {
    std::string about;
    std::string name; ///< "velt-calc sweep"
    std::function<void(CLI::App&)> describe;
};

/// Reads `args` as `command` describes them (parseCommandLine), then opens the project file
/// `path` the words named. Returns an exit status when the run ends here: the loader's
/// message goes to `err` with 1 for a file error, 2 for a refusal.
std::optional<int> openCommandProject(const SeriesCommand& command,
                                      const std::vector<std::string>& args, const std::string& path,
                                      std::optional<SeriesProject>& project, std::ostream& out,
                                      std::ostream& err);

/// Writes `bytes` to `path` through a temporary file renamed over it; false, with the
/// message on `err`, when that fails.
bool writeWholeFile(const std::string& path, const std::string& bytes, std::ostream& err);

} // namespace velt
