#include "series/SeriesRun.h"

#include <tbb/blocked_range.h>
#include <tbb/enumerable_thread_specific.h>
#include <tbb/info.h>
#include <tbb/parallel_for.h>
#include <tbb/task_arena.h>

#include <mutex>

namespace velt {
namespace {

// Counts finished combinations and reports them one call at a time.
class ProgressCount {
  public:
    explicit ProgressCount(const std::function<void(std::size_t)>& report) : report_(report) {}
    void finished() {
        const std::lock_guard<std::mutex> lock(mutex_);
        ++done_;
        if (report_) {
            report_(done_);
        }
    }

  private:
    const std::function<void(std::size_t)>& report_;
    std::mutex mutex_;
    std::size_t done_ = 0;
};

bool cancelled(const SeriesRunOptions& options) {
    return options.cancel != nullptr && options.cancel->load(std::memory_order_relaxed);
}

} // namespace

int seriesThreads(int requested) {
    return requested > 0 ? requested : tbb::info::default_concurrency();
}

SeriesOutcome runSeries(const SeriesPlan& plan, const SeriesRunOptions& options) {
    SeriesOutcome outcome;
    outcome.rows.resize(combinationCount(plan));
    ProgressCount progress(options.progress);
    // One set of records a thread: the records are large, and allocating them for every
    // combination costs more than some calculations.
    tbb::enumerable_thread_specific<ProjectCalculation> records;
    tbb::task_arena arena(seriesThreads(options.threads));
    arena.execute([&] {
        // One combination a task: each is a whole calculation, far larger than a task.
        tbb::parallel_for(
            tbb::blocked_range<std::size_t>(0, outcome.rows.size(), 1),
            [&](const tbb::blocked_range<std::size_t>& range) {
                for (std::size_t i = range.begin(); i != range.end(); ++i) {
                    if (cancelled(options)) {
                        return;
                    }
                    outcome.rows[i] = computeRow(plan, i, records.local());
                    progress.finished();
                }
            },
            tbb::simple_partitioner());
    });
    for (std::size_t i = 0; i < outcome.rows.size(); ++i) {
        if (outcome.rows[i].state == RowState::NotRun) {
            outcome.rows[i].values = combinationAt(plan, i);
            outcome.cancelled = true;
        }
    }
    return outcome;
}

} // namespace velt
