#pragma once
// The "towers" commands of velt-calc: list, show, add, delete and convert tower catalogues.

#include <ostream>
#include <string>
#include <vector>

namespace velt {

/// args are the command-line words after "towers"; returns the exit status
/// (0 success, 1 file error, 2 refusal or invalid input).
int runTowerCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace velt
