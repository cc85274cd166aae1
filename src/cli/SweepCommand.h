#pragma once
// "velt-calc sweep": one calculation of a project per combination of varied values, the
// results as CSV.

#include <ostream>
#include <string>
#include <vector>

namespace velt {

/// `args` are the words after "sweep". The CSV goes to `out` unless -o names a file;
/// `progressBar`: `err` is a terminal, so the progress is drawn on it. Returns 0 when
/// every combination was computed, 2 when some was refused (the CSV is written all the
/// same) or the arguments are bad, 1 when a file cannot be read or written.
int runSweepCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    bool progressBar);

} // namespace velt
