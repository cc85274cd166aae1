#include "series/SeriesLevel.h"

#include <algorithm>

namespace velt {
namespace {

// Texts (the phase orders) keep their order: an earlier one counts as the smaller.
bool before(const SeriesValue& a, const SeriesValue& b) {
    const auto* x = std::get_if<double>(&a);
    const auto* y = std::get_if<double>(&b);
    return x != nullptr && y != nullptr && *x < *y;
}

} // namespace

std::size_t addLevel(SeriesPlan& plan, const ExposureLimit& limit) {
    const auto found = std::find(plan.limits.begin(), plan.limits.end(), limit);
    if (found != plan.limits.end()) {
        return static_cast<std::size_t>(found - plan.limits.begin());
    }
    plan.limits.push_back(limit);
    return plan.limits.size() - 1;
}

std::optional<std::size_t> lowestMeetingRow(const std::vector<SeriesRow>& rows, double level) {
    std::optional<std::size_t> lowest;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const SeriesRow& row = rows[i];
        if (row.state != RowState::Computed || row.values.empty() || !(row.max <= level)) {
            continue;
        }
        if (!lowest || before(row.values.front().value, rows[*lowest].values.front().value)) {
            lowest = i;
        }
    }
    return lowest;
}

std::optional<TargetKey> targetKeyOf(const ProjectFacts& facts, const std::string& key) {
    if (facts.onConductors || facts.verticalLine) {
        return std::nullopt;
    }
    for (const TargetKey k : {TargetKey::WorkingHeight, TargetKey::GroundWireHeight}) {
        if (key == targetKeyName(k) && (k == TargetKey::WorkingHeight || facts.groundWires)) {
            return k;
        }
    }
    return std::nullopt;
}

} // namespace velt
