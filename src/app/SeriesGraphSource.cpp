#include "app/SeriesGraphSource.h"

#include "analysis/ExposureLimits.h"
#include "app/SeriesQuantities.h"
#include "series/SeriesLevel.h"

#include <algorithm>

namespace velt {
namespace {

// Where a row lies across the graph: its number, or its choice's place.
double placeOf(const Variation& variation, const SeriesValue& value) {
    if (const auto* number = std::get_if<double>(&value)) {
        return *number;
    }
    const auto found = std::find(variation.values.begin(), variation.values.end(), value);
    return static_cast<double>(found - variation.values.begin());
}

SeriesField fieldOf(const ProjectFacts& facts) {
    if (facts.onConductors) {
        return SeriesField::Surface;
    }
    return facts.magnetic ? SeriesField::Magnetic : SeriesField::Electric;
}

const ExposureLimit* chosenLimit(const SeriesRequest& request) {
    return request.level ? &request.plan.limits.at(*request.level) : nullptr;
}

SeriesGraphPoint pointOf(const SeriesRequest& request, const SeriesRow& row) {
    SeriesGraphPoint p;
    p.x = placeOf(request.plan.variations.front(), row.values.front().value);
    if (row.state != RowState::Computed) {
        return p;
    }
    p.max = row.max;
    if (request.level) {
        const auto& zone = row.zones.at(*request.level);
        p.zone = zone ? std::optional<double>(zone->width) : std::nullopt;
    }
    return p;
}

} // namespace

std::optional<double> markedValue(const SeriesResult& result) {
    const SeriesRequest& request = result.request;
    const ExposureLimit* limit = chosenLimit(request);
    if (limit == nullptr) {
        return std::nullopt;
    }
    if (request.target) {
        const auto* answer = result.target ? std::get_if<TargetAnswer>(&*result.target) : nullptr;
        return answer ? std::optional<double>(answer->value) : std::nullopt;
    }
    const bool magnetic = request.plan.project.facts.magnetic;
    const auto row = lowestMeetingRow(result.rows, fieldLevel(*limit, magnetic));
    if (!row) {
        return std::nullopt;
    }
    return placeOf(request.plan.variations.front(), result.rows[*row].values.front().value);
}

SeriesGraph seriesGraphOf(const SeriesResult& result) {
    const SeriesRequest& request = result.request;
    const Variation& variation = request.plan.variations.front();
    const ProjectFacts& facts = request.plan.project.facts;
    const SeriesQuantity quantity = seriesQuantityOf(variation.key.name);
    SeriesGraph graph;
    graph.field = fieldOf(facts);
    graph.quantity = quantity.name.toStdString();
    graph.unit = quantity.unit.toStdString();
    if (variation.key.rule == KeyRule::Choice) {
        for (const SeriesValue& value : variation.values) {
            graph.choices.push_back(std::get<std::string>(value));
        }
    }
    for (const SeriesRow& row : result.rows) {
        graph.points.push_back(pointOf(request, row));
    }
    if (const ExposureLimit* limit = chosenLimit(request)) {
        graph.level =
            SeriesGraphLevel{levelName(*limit).toStdString(), fieldLevel(*limit, facts.magnetic)};
        graph.marked = markedValue(result);
    }
    if (request.target) {
        graph.markedAt = request.target->at;
    }
    return graph;
}

} // namespace velt
