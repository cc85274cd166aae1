#include "series/SeriesRow.h"

#include "analysis/ProfileField.h"

namespace velt {
namespace {

std::optional<double> maxPositionOf(const FieldProfile& f) {
    if (f.resultOnConductors || f.profilePointCount < 1) {
        return std::nullopt;
    }
    return profilePositions(f)[f.resultMaxIndex] - zoneLineOf(f).axis;
}

std::vector<std::optional<ExposureZone>> zonesOf(const ProjectCalculation& c,
                                                 const std::vector<ExposureLimit>& limits) {
    std::vector<std::optional<ExposureZone>> zones(limits.size());
    if (limits.empty()) {
        return zones;
    }
    const auto field = ProfileField::of(*c.project, c.loaded->form, *c.profile);
    if (!field) {
        return zones;
    }
    std::vector<ExposureZone> found =
        exposureZones(limits, *c.profile, [&field](double at) { return field->at(at); });
    // A level applies to every limit or to none.
    for (std::size_t i = 0; i < found.size() && i < zones.size(); ++i) {
        zones[i] = std::move(found[i]);
    }
    return zones;
}

} // namespace

SeriesRow rowOf(const ProjectCalculation& c, std::vector<KeyValue> values,
                const std::vector<ExposureLimit>& limits) {
    SeriesRow row;
    row.values = std::move(values);
    row.zones.resize(limits.size());
    if (!c.computed) {
        row.state = RowState::Refused;
        row.refused = c.refused;
        return row;
    }
    const FieldProfile& f = *c.profile;
    row.state = RowState::Computed;
    row.max = f.resultOnConductors ? f.maxSurfaceGradient : f.resultMaxValue;
    row.maxPosition = maxPositionOf(f);
    row.zones = zonesOf(c, limits);
    return row;
}

SeriesRow computeRow(const SeriesPlan& plan, std::size_t index, ProjectCalculation& records) {
    std::vector<KeyValue> values = combinationAt(plan, index);
    calculateInto(records, plan.project, values);
    return rowOf(records, std::move(values), plan.limits);
}

} // namespace velt
