#include "calc/AccurateGradient.h"

#include "calc/SurfaceGradient.h"

#include <algorithm>

namespace velt {

std::optional<AccurateGradients> accurateGradients(const LineCircles& line,
                                                   const CircleChargeOptions& options) {
    const auto solution = solveCircleCharges(line.circles, options);
    if (!solution || !solution->converged) {
        return std::nullopt;
    }
    const std::vector<double> circleGradients = surfaceGradients(line.circles, *solution);
    AccurateGradients out;
    for (const LineBundle& bundle : line.bundles) {
        const auto first =
            circleGradients.begin() + static_cast<std::ptrdiff_t>(bundle.firstCircle);
        const double gradient =
            *std::max_element(first, first + static_cast<std::ptrdiff_t>(bundle.circleCount));
        out.bundles.push_back({bundle, gradient});
        if (bundle.role == ConductorRole::Working && bundle.line == kMainLine) {
            out.maxWorkingGradient = std::max(out.maxWorkingGradient, gradient);
        }
    }
    return out;
}

std::optional<AccurateGradients> accurateGradients(const LineProject& project) {
    const auto line = lineCircles(project);
    if (!line) {
        return std::nullopt;
    }
    return accurateGradients(*line);
}

} // namespace velt
