#pragma once
// What a series keeps of one combination's calculation: the largest value, where it lies,
// and the zone of every chosen level.

#include "analysis/ExposureZone.h"
#include "series/ProjectCalculation.h"

#include <optional>
#include <string>
#include <vector>

namespace velt {

enum class RowState {
    NotRun,   ///< the series was cancelled first
    Computed, ///< calculated
    Refused   ///< the loader or the calculation refused the combination
};

struct SeriesRow {
    RowState state = RowState::NotRun;
    std::vector<KeyValue> values; ///< the combination's values, one per varied key
    /// The profile's largest value (resultMaxValue: kV/m, or A/m peak for the magnetic
    /// field); on the conductors the largest surface field (maxSurfaceGradient).
    double max = 0.0;
    /// Where the largest value lies: from the tower axis (left < 0) on a horizontal line,
    /// the height on a vertical one [m]; none on the conductors.
    std::optional<double> maxPosition;
    /// The zone of every level of the plan, in order; none when the level does not apply
    /// (on the conductors) or the row was not computed. A zone may have no interval.
    std::vector<std::optional<ExposureZone>> zones;
    std::string refused; ///< the refusal's message
};

/// The row of a finished calculation of `values`, with the zones of `limits`.
SeriesRow rowOf(const ProjectCalculation& calculation, std::vector<KeyValue> values,
                const std::vector<ExposureLimit>& limits);

/// Calculates combination `index` of the plan in `records` (calculateInto) and keeps its row.
SeriesRow computeRow(const SeriesPlan& plan, std::size_t index, ProjectCalculation& records);

} // namespace velt
