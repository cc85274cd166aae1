#pragma once
// velt-calc's options that replace the project file's: --surface-method, --limits and
// --magnetic-unit.

#include "model/CalculationOptions.h"

#include <optional>
#include <string>

namespace velt {

struct OptionOverrides {
    std::string surfaceMethod; ///< "specified" or "accurate"; empty: the project's
    std::string limits;        ///< built-in keys separated by commas; empty: the project's
    std::string magneticUnit;  ///< "A/m" or "uT"; empty: the project's
};

/// Empty when `text` names built-in limits only ("pl-residential,icnirp-2010-public"), else
/// what is wrong with it, listing the known keys.
std::string checkLimitsOption(const std::string& text);

/// Puts the overrides into `options`; the values were checked by the option parser.
void applyOverrides(const OptionOverrides& overrides, CalculationOptions& options);

} // namespace velt
