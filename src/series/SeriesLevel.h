#pragma once
// A series weighed against one exposure level: the level among those whose zones the rows
// give, the row whose value meets it, and the height target that answers it at a distance.

#include "series/HeightTarget.h"
#include "series/SeriesRow.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velt {

/// Puts `limit` among the plan's levels, after the project's own unless it is one of them;
/// its index there.
std::size_t addLevel(SeriesPlan& plan, const ExposureLimit& limit);

/// The computed row of the smallest value whose largest field is at or below `level` (in
/// the rows' quantity: kV/m, A/m peak); for a choice the first such row. The first varied
/// key decides. None when no computed row meets the level.
std::optional<std::size_t> lowestMeetingRow(const std::vector<SeriesRow>& rows, double level);

/// The target's key when a series of `key` can be answered by a height target: a height
/// varied in a project computed along a horizontal line.
std::optional<TargetKey> targetKeyOf(const ProjectFacts& facts, const std::string& key);

} // namespace velt
