#include "app/SeriesResult.h"

namespace velt {

SeriesResult computeSeries(const SeriesRequest& request, const SeriesRunOptions& options) {
    SeriesOutcome outcome = runSeries(request.plan, options);
    SeriesResult result{request, std::move(outcome.rows), outcome.cancelled, {}};
    if (request.target && !result.cancelled) {
        result.target = findTarget(request.plan.project, *request.target);
    }
    return result;
}

} // namespace velt
