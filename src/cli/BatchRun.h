#pragma once
// velt-calc: computes one line project file and writes its report (and on request the
// profile as JSON and CSV); `velt-calc towers ...` maintains tower catalogues, `sweep` and
// `target` calculate a project for many values of its keys.

#include <ostream>
#include <string>
#include <vector>

namespace velt {

/// Exit statuses of velt-calc.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitRefused = 2;

/// `args` are the command-line words after the program name. Written file names go to
/// `out`, messages to `err`.
int runVeltCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

/// runVeltCalc; `errIsTerminal`: `err` is a terminal, where a long run shows its progress.
int runVeltCalcOn(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  bool errIsTerminal);

} // namespace velt
