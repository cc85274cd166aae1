#pragma once
// "velt-calc target": the lowest suspension height at which the field at a distance from
// the tower axis stays at or below an exposure level.

#include <ostream>
#include <string>
#include <vector>

namespace velt {

/// `args` are the words after "target". Prints "KEY=VALUE m, FIELD UNIT" on `out`.
/// Returns 0 with an answer, 2 when refused or the arguments are bad, 1 when a file
/// cannot be read or written.
int runTargetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace velt
