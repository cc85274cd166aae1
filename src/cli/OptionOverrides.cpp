#include "cli/OptionOverrides.h"

#include "analysis/ExposureLimits.h"

#include <sstream>

namespace velt {
namespace {

std::vector<std::string> keysOf(const std::string& text) {
    std::vector<std::string> keys;
    std::istringstream list(text);
    for (std::string key; std::getline(list, key, ',');) {
        keys.push_back(key);
    }
    return keys;
}

} // namespace

std::string checkLimitsOption(const std::string& text) {
    std::string known;
    for (const std::string& key : builtInLimitKeys()) {
        known.append(known.empty() ? "" : ", ").append(key);
    }
    std::vector<ExposureLimit> limits;
    for (const std::string& key : keysOf(text)) {
        const ExposureLimit* limit = findBuiltInLimit(key);
        if (limit == nullptr) {
            return "unknown limit \"" + key + "\" (known: " + known + ")";
        }
        limits.push_back(*limit);
    }
    if (limits.empty()) {
        return "one or more limits are expected (known: " + known + ")";
    }
    if (checkLimits(limits)) {
        return "a limit is named twice";
    }
    return {};
}

void applyOverrides(const OptionOverrides& o, CalculationOptions& options) {
    if (!o.surfaceMethod.empty()) {
        options.surfaceMethod =
            o.surfaceMethod == "accurate" ? SurfaceMethod::Accurate : SurfaceMethod::Specified;
    }
    if (!o.limits.empty()) {
        options.limits.clear();
        for (const std::string& key : keysOf(o.limits)) {
            options.limits.push_back(*findBuiltInLimit(key));
        }
    }
    if (!o.magneticUnit.empty()) {
        options.magneticUnit =
            o.magneticUnit == "uT" ? MagneticUnit::Microtesla : MagneticUnit::AmperesPerMetre;
    }
}

} // namespace velt
