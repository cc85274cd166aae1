#include "calc/BundleExpansion.h"

#include <algorithm>
#include <cmath>

namespace velt {
namespace {

using Position = std::pair<double, double>;

} // namespace

Position subConductorPosition(double x, double y, double s, std::uint32_t n1, std::uint32_t k) {
    switch (n1) {
    case 2:
        return k == 1 ? Position{x + s / 2, y} : Position{x - s / 2, y};
    case 3: {
        const Position layout[] = {{x + s / 2, y}, {x, y + s * std::sqrt(3.0) / 2}, {x - s / 2, y}};
        return layout[k - 1];
    }
    default: {
        const Position layout[] = {
            {x + s / 2, y}, {x + s / 2, y + s}, {x - s / 2, y + s}, {x - s / 2, y}};
        return layout[k - 1];
    }
    }
}

std::vector<Position> expandedPositions(const LineProject& p) {
    const std::uint32_t lpr = p.phaseConductorCount;
    const std::uint32_t n = std::min<std::uint32_t>(p.conductorCount, kConductorSlots - 1);
    const std::uint32_t n1 = p.phaseBundleSize;
    std::vector<Position> out{{0.0, 0.0}};
    for (std::uint32_t d = 1; d <= std::min(lpr, n); ++d) {
        for (std::uint32_t k = 1; k <= n1; ++k) {
            out.push_back(subConductorPosition(p.conductorX[d], p.conductorY[d],
                                               p.phaseBundleSpacing, n1, k));
        }
    }
    for (std::uint32_t i = lpr + 1; i <= n; ++i) {
        out.push_back({p.conductorX[i], p.conductorY[i]});
    }
    return out;
}

BundleExpansion::BundleExpansion(LineProject& project, bool onConductors) : project_(project) {
    if (!onConductors || project.phaseBundleSize <= 1) {
        return;
    }
    const auto positions = expandedPositions(project);
    phaseCount_ = project.phaseConductorCount;
    conductorCount_ = project.conductorCount;
    std::copy(std::begin(project.conductorX), std::end(project.conductorX), x_.begin());
    std::copy(std::begin(project.conductorY), std::end(project.conductorY), y_.begin());
    for (std::size_t i = 1; i < positions.size() && i < kConductorSlots; ++i) {
        project.conductorX[i] = positions[i].first;
        project.conductorY[i] = positions[i].second;
        if (i <= static_cast<std::size_t>(phaseCount_) * project.phaseBundleSize) {
            project.conductorRadius[i] = project.phaseRadius;
        }
    }
    project.conductorCount += (project.phaseBundleSize - 1) * phaseCount_;
    project.phaseConductorCount = project.phaseBundleSize * phaseCount_;
    expanded_ = true;
}

BundleExpansion::~BundleExpansion() {
    undo();
}

void BundleExpansion::undo() {
    if (!expanded_) {
        return;
    }
    // The saved geometry is put back as it was, so no rounding creeps into the positions.
    std::copy(x_.begin(), x_.end(), std::begin(project_.conductorX));
    std::copy(y_.begin(), y_.end(), std::begin(project_.conductorY));
    project_.phaseConductorCount = phaseCount_;
    project_.conductorCount = conductorCount_;
    expanded_ = false;
}

} // namespace velt
