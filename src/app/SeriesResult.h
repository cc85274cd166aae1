#pragma once
// A series the user asked for in the desktop program, and what its run gave.

#include "series/HeightTarget.h"
#include "series/SeriesRun.h"

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace velt {

struct SeriesRequest {
    SeriesPlan plan;                   ///< one varied key
    std::optional<std::size_t> level;  ///< the chosen level among the plan's
    std::optional<TargetQuery> target; ///< the height that meets it at a distance
};

struct SeriesResult {
    SeriesRequest request;
    std::vector<SeriesRow> rows; ///< one a combination
    bool cancelled = false;      ///< some combination was left out
    /// The target's answer or refusal; none when none was asked or the run was cancelled.
    std::optional<std::variant<TargetAnswer, std::string>> target;
};

/// Runs every combination of the request, then its height target unless cancelled.
SeriesResult computeSeries(const SeriesRequest& request, const SeriesRunOptions& options);

} // namespace velt
