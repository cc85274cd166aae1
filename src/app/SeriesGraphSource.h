#pragma once
// What the graph of a series variant shows, from the series' rows.

#include "app/SeriesResult.h"
#include "render/SeriesGraphLayout.h"

#include <optional>

namespace velt {

/// The value the graph marks: with a distance the target's height, else the smallest value
/// whose largest field meets the chosen level (a choice's place for a choice). None without
/// a level, or when nothing meets it.
std::optional<double> markedValue(const SeriesResult& result);

/// The graph of `result` in the user's language.
SeriesGraph seriesGraphOf(const SeriesResult& result);

} // namespace velt
