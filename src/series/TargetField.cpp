#include "series/TargetField.h"

#include "analysis/ExposureZone.h"
#include "analysis/ProfileField.h"

#include <algorithm>
#include <cmath>

namespace velt {
namespace {

// A position this close outside the stretch is still on it [m].
constexpr double kEdgeTolerance = 1e-9;

bool within(const ZoneLine& line, double x) {
    return x >= line.from - kEdgeTolerance && x <= line.to + kEdgeTolerance;
}

} // namespace

std::vector<double> targetPositions(const FieldProfile& profile, double at, bool beyond) {
    const ZoneLine line = zoneLineOf(profile);
    std::vector<double> positions;
    for (const double x : {-at, at}) {
        if (within(line, x) && (positions.empty() || positions.back() != x)) {
            positions.push_back(x);
        }
    }
    if (!beyond || !(line.step > 0.0)) {
        return positions;
    }
    const auto n = static_cast<long>(std::lround((line.to - line.from) / line.step));
    for (long i = 0; i <= n; ++i) {
        const double x = i == n ? line.to : line.from + static_cast<double>(i) * line.step;
        if (std::fabs(x) >= at) {
            positions.push_back(x);
        }
    }
    return positions;
}

std::optional<double> largestTargetField(const ProjectCalculation& c, double at, bool beyond) {
    const auto field = ProfileField::of(*c.project, c.loaded->form, *c.profile);
    const std::vector<double> positions = targetPositions(*c.profile, at, beyond);
    if (!field || positions.empty()) {
        return std::nullopt;
    }
    const double axis = zoneLineOf(*c.profile).axis;
    double largest = 0.0;
    for (const double x : positions) {
        largest = std::max(largest, field->at(x + axis));
    }
    return largest;
}

} // namespace velt
