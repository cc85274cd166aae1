#include "calc/NeighbourValues.h"

#include "calc/Computability.h"
#include "calc/NeighbourConductors.h"

#include <cmath>
#include <string>
#include <utility>

namespace velt {
namespace {

using Refusal = std::optional<KeyedRefusal>;

Refusal refuse(std::string key, const std::string& message) {
    return KeyedRefusal{std::move(key), message};
}

Refusal checkPositions(const TowerDefinition& t) {
    const std::uint32_t all = t.phaseConductorCount + t.groundWireCount;
    if (all > static_cast<std::uint32_t>(kTowerPositions)) {
        return refuse("tower.groundX", kTooManyConductorsMessage);
    }
    for (std::uint32_t slot = 0; slot < all; ++slot) {
        const bool working = slot < t.phaseConductorCount;
        if (!std::isfinite(t.conductorX[slot]) || (working && !std::isfinite(t.conductorY[slot]))) {
            const std::uint32_t k = working ? slot : slot - t.phaseConductorCount;
            return refuse((working ? "tower.phase[" : "tower.groundX[") + std::to_string(k) + "]",
                          kBadNumberMessage);
        }
    }
    return std::nullopt;
}

// Diameter, bundle size and spacing of one conductor class that has members.
Refusal checkBundle(const std::string& kind, std::uint32_t count, double diameter,
                    std::uint32_t bundle, double spacing) {
    if (count == 0) {
        return std::nullopt;
    }
    if (!(diameter > 0.0) || !std::isfinite(diameter)) {
        return refuse("tower." + kind + "Diameter", kRadiusMessage);
    }
    if (bundle < 1) {
        return refuse("tower." + kind + "BundleSize", kBundleSizeMessage);
    }
    if (bundle > 1 && (!(spacing > 0.0) || !std::isfinite(spacing))) {
        return refuse("tower." + kind + "BundleSpacing", kSpacingMessage);
    }
    return std::nullopt;
}

Refusal checkTower(const TowerDefinition& t) {
    const std::uint32_t lpr = t.phaseConductorCount;
    if (lpr == 0 || lpr == 4 || lpr == 5 || lpr > 6) {
        return refuse("tower.phase", kPhaseCountMessage);
    }
    if (auto bad = checkPositions(t)) {
        return bad;
    }
    if (auto bad =
            checkBundle("phase", lpr, t.phaseDiameter, t.phaseBundleSize, t.phaseBundleSpacing)) {
        return bad;
    }
    return checkBundle("ground", t.groundWireCount, t.groundDiameter, t.groundBundleSize,
                       t.groundBundleSpacing);
}

Refusal checkPlacement(const NeighbourLine& n) {
    if (!(n.workingHeight > 0.0) || !std::isfinite(n.workingHeight)) {
        return refuse("workingHeight", kNeighbourHeightMessage);
    }
    if (n.tower.groundWireCount > 0 &&
        (!(n.groundWireHeight > 0.0) || !std::isfinite(n.groundWireHeight))) {
        return refuse("groundWireHeight", kNeighbourHeightMessage);
    }
    if (!std::isfinite(n.offset)) {
        return refuse("offset", kBadNumberMessage);
    }
    return std::nullopt;
}

Refusal checkSupply(const NeighbourLine& n, bool magnetic) {
    const double kV = n.voltage.value_or(n.tower.nominalVoltage);
    if (!(kV > 0.0 && kV <= kMaxNeighbourVoltage)) {
        return refuse(n.voltage ? "voltage" : "tower.nominalVoltage", kNeighbourVoltageMessage);
    }
    if (!std::isfinite(n.angle)) {
        return refuse("angle", kBadNumberMessage);
    }
    for (std::size_t k = 0; k < n.currents.size(); ++k) {
        if (!std::isfinite(n.currents[k]) || (magnetic && !(n.currents[k] > 0.0))) {
            return refuse("currents[" + std::to_string(k) + "]",
                          magnetic ? kNeighbourCurrentMessage : kBadNumberMessage);
        }
    }
    if (magnetic && n.currents.size() < static_cast<std::size_t>(neighbourCircuits(n))) {
        return refuse("currents", kNeighbourCurrentsMessage);
    }
    return std::nullopt;
}

} // namespace

std::optional<KeyedRefusal> checkNeighbourLine(const NeighbourLine& n, bool magnetic) {
    if (auto bad = checkTower(n.tower)) {
        return bad;
    }
    if (auto bad = checkPlacement(n)) {
        return bad;
    }
    return checkSupply(n, magnetic);
}

std::optional<KeyedRefusal> checkNeighbourValues(const std::vector<NeighbourLine>& neighbours,
                                                 bool magnetic) {
    for (std::size_t i = 0; i < neighbours.size(); ++i) {
        if (auto bad = checkNeighbourLine(neighbours[i], magnetic)) {
            bad->key = "neighbours[" + std::to_string(i) + "]." + bad->key;
            return bad;
        }
    }
    return std::nullopt;
}

} // namespace velt
