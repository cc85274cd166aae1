#include "calc/CorridorChecks.h"

#include "calc/Computability.h"
#include "calc/NeighbourConductors.h"
#include "calc/NeighbourValues.h"
#include "model/DecimalText.h"
#include "model/Translatable.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <utility>

namespace velt {
namespace {

// The building as the model draws it: front wall at x = a up to (a, b), roof to (c, d),
// closed by the ground and the vertical under the roof's end.
struct BuildingOutline {
    double a, b, c, d;

    bool holds(double x, double y) const {
        if (x < std::min(a, c) || x > std::max(a, c)) {
            return false;
        }
        const double roof = a == c ? std::max(b, d) : b + (d - b) * (x - a) / (c - a);
        return y <= roof;
    }
};

std::optional<BuildingOutline> buildingOf(const LineProject& p, const LineDataForm& form) {
    if (!p.buildingOn) {
        return std::nullopt;
    }
    const double axis = mainTowerAxis(p);
    const BuildingForm& b = form.building;
    return BuildingOutline{readDecimal(b.frontX) + axis, readDecimal(b.frontY),
                           readDecimal(b.roofX) + axis, readDecimal(b.roofY)};
}

std::uint64_t subConductorCount(const LineProject& p, const LineDataForm& form) {
    std::uint64_t n = std::uint64_t{p.phaseConductorCount} * p.phaseBundleSize +
                      std::uint64_t{p.groundWireCount} * p.groundBundleSize +
                      std::uint64_t{p.shieldWireCount} * p.shieldBundleSize;
    for (const NeighbourLine& line : form.options.neighbours) {
        const TowerDefinition& t = line.tower;
        n += std::uint64_t{t.phaseConductorCount} * t.phaseBundleSize +
             std::uint64_t{t.groundWireCount} * t.groundBundleSize;
    }
    return n;
}

// The first neighbour conductor that hangs too low, on another or in the building.
std::optional<std::string> checkPlaces(const LineProject& p, const LineDataForm& form,
                                       bool onConductors) {
    const auto building = buildingOf(p, form);
    std::set<std::pair<double, double>> seen;
    for (const FieldConductor& c : corridorConductors(p, form, onConductors)) {
        const bool fresh = seen.insert({c.x, c.y}).second;
        if (c.line == kMainLine) {
            continue;
        }
        const std::string line = neighbourLinePrefix(static_cast<std::size_t>(c.line) - 1);
        if (!(c.y > 0.0)) {
            return line + kConductorBelowGroundMessage;
        }
        if (!fresh) {
            return line + kSamePlaceMessage;
        }
        if (building && building->holds(c.x, c.y)) {
            return line + kInsideBuildingMessage;
        }
    }
    return std::nullopt;
}

} // namespace

std::string neighbourLinePrefix(std::size_t index) {
    return filledIn(VELT_TRANSLATE_NOOP("velt", "Linia sąsiednia %1: "),
                    {std::to_string(index + 1)});
}

std::optional<std::string> checkCorridor(const LineProject& p, const LineDataForm& form,
                                         bool onConductors) {
    const auto& neighbours = form.options.neighbours;
    if (neighbours.empty()) {
        return std::nullopt;
    }
    if (neighbours.size() > static_cast<std::size_t>(kMaxNeighbourLines)) {
        return kTooManyLinesMessage;
    }
    for (std::size_t i = 0; i < neighbours.size(); ++i) {
        if (const auto bad = checkNeighbourLine(neighbours[i], form.magnetic())) {
            return neighbourLinePrefix(i) + bad->message;
        }
    }
    if (subConductorCount(p, form) > static_cast<std::uint64_t>(kMaxCorridorConductors)) {
        return kTooManyCorridorConductorsMessage;
    }
    return checkPlaces(p, form, onConductors);
}

} // namespace velt
