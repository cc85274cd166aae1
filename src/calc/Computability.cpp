#include "calc/Computability.h"

#include "calc/BundleExpansion.h"

#include <cmath>
#include <set>
#include <utility>

namespace velt {
namespace {

bool finite(double v) {
    return std::isfinite(v);
}

std::optional<std::string> checkNumbers(const LineProject& p, std::uint32_t n) {
    const double values[] = {p.phaseVoltagePeak,   p.phaseRadius,         p.phaseBundleSpacing,
                             p.groundWireRadius,   p.groundBundleSpacing, p.shieldWireRadius,
                             p.shieldBundleSpacing};
    for (const double v : values) {
        if (!finite(v)) {
            return kBadNumberMessage;
        }
    }
    for (std::uint32_t i = 1; i <= n; ++i) {
        if (!finite(p.conductorX[i]) || !finite(p.conductorY[i])) {
            return kBadNumberMessage;
        }
    }
    return std::nullopt;
}

// Radius, bundle size and spacing of one conductor class that has members.
std::optional<std::string> checkGroup(std::uint32_t count, std::uint32_t bundle, double radius,
                                      double spacing) {
    if (count == 0) {
        return std::nullopt;
    }
    if (bundle < 1) {
        return kBundleSizeMessage;
    }
    if (!(radius > 0.0)) {
        return kRadiusMessage;
    }
    if (bundle > 1 && !(spacing > 0.0)) {
        return kSpacingMessage;
    }
    return std::nullopt;
}

std::optional<std::string> checkGeometry(const LineProject& p, bool onConductors) {
    const std::uint32_t lpr = p.phaseConductorCount;
    const bool expand = onConductors && p.phaseBundleSize > 1;
    if (expand && p.conductorCount + (p.phaseBundleSize - 1) * lpr >
                      static_cast<std::uint32_t>(kMaxMatrixConductors)) {
        return kTooManyConductorsMessage;
    }
    const auto positions = expandedPositions(p);
    const std::size_t last = expand ? positions.size() : p.conductorCount + 1;
    std::set<std::pair<double, double>> seen;
    for (std::size_t i = 1; i < last; ++i) {
        const std::pair<double, double> at =
            expand ? positions[i] : std::pair{p.conductorX[i], p.conductorY[i]};
        if (!(at.second > 0.0)) {
            return kConductorBelowGroundMessage;
        }
        if (!seen.insert(at).second) {
            return kSamePlaceMessage;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<ComputabilityRefusal> findComputabilityRefusal(const LineProject& p,
                                                             bool onConductors) {
    using Refusal = ComputabilityRefusal;
    const std::uint64_t n =
        std::uint64_t{p.phaseConductorCount} + p.groundWireCount + p.shieldWireCount;
    if (n != p.conductorCount || n > static_cast<std::uint64_t>(kMaxMatrixConductors)) {
        return Refusal{kTooManyConductorsMessage};
    }
    const std::uint32_t lpr = p.phaseConductorCount;
    if (lpr == 0 || lpr == 4 || lpr == 5 || lpr > 6) {
        return Refusal{kPhaseCountMessage, RefusedConductors::Working};
    }
    if (auto bad = checkNumbers(p, p.conductorCount)) {
        return Refusal{*bad};
    }
    if (onConductors && p.phaseBundleSize > 4) {
        return Refusal{kBundleOnConductorsMessage, RefusedConductors::Working};
    }
    const std::pair<RefusedConductors, std::optional<std::string>> groups[] = {
        {RefusedConductors::Working,
         checkGroup(lpr, p.phaseBundleSize, p.phaseRadius, p.phaseBundleSpacing)},
        {RefusedConductors::Ground, checkGroup(p.groundWireCount, p.groundBundleSize,
                                               p.groundWireRadius, p.groundBundleSpacing)},
        {RefusedConductors::Shield, checkGroup(p.shieldWireCount, p.shieldBundleSize,
                                               p.shieldWireRadius, p.shieldBundleSpacing)},
    };
    for (const auto& [conductors, problem] : groups) {
        if (problem) {
            return Refusal{*problem, conductors};
        }
    }
    if (auto geometry = checkGeometry(p, onConductors)) {
        return Refusal{*geometry};
    }
    return std::nullopt;
}

std::optional<std::string> checkComputable(const LineProject& p, bool onConductors) {
    if (auto refusal = findComputabilityRefusal(p, onConductors)) {
        return std::move(refusal->message);
    }
    return std::nullopt;
}

int profilePointCount(double calcRange, double calcStep) {
    if (!(calcStep > 0.0) || !(calcRange >= 0.0) || !std::isfinite(calcRange)) {
        return 0;
    }
    const double quotient = std::round(calcRange / calcStep);
    if (!(quotient + 1.0 < kProfileSlots)) {
        return 0;
    }
    return static_cast<int>(quotient + 1.0);
}

} // namespace velt
