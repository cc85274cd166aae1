#pragma once
// Runs every combination of a series, shared among the cores; the rows come out in the
// combinations' order whatever order the threads finish in.

#include "series/SeriesRow.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <vector>

namespace velt {

struct SeriesRunOptions {
    /// Threads the combinations are shared among; 0: as many as the machine has cores.
    int threads = 0;
    /// Called after each combination with the number done so far; from the worker threads,
    /// one call at a time, the count rising by one each call.
    std::function<void(std::size_t done)> progress;
    /// Set from any thread to stop: combinations not yet started are left NotRun.
    const std::atomic<bool>* cancel = nullptr;
};

struct SeriesOutcome {
    std::vector<SeriesRow> rows; ///< one per combination, in combination order
    bool cancelled = false;      ///< some combination was left NotRun
};

/// Calculates every combination of `plan` (computeRow). A refused combination keeps its
/// row with the message; the others go on.
SeriesOutcome runSeries(const SeriesPlan& plan, const SeriesRunOptions& options = {});

/// The threads runSeries uses for `requested` (0: the number of cores).
int seriesThreads(int requested);

} // namespace velt
