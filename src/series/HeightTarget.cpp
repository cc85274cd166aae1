#include "series/HeightTarget.h"

#include "analysis/ExposureLimits.h"
#include "analysis/ExposureZone.h"
#include "analysis/MagneticUnits.h"
#include "model/DecimalText.h"
#include "series/TargetField.h"

#include <cmath>

namespace velt {
namespace {

using Answer = std::variant<TargetAnswer, std::string>;

// Heights are whole centimetres from 1 cm up.
constexpr long kLowestCentimetres = 1;

// One height tried: taken by the project or not, and its field against the level.
struct Probe {
    bool taken = false;
    bool meets = false;
    double field = 0.0; ///< the profile's quantity
    std::string refusal;
};

class Search {
  public:
    Search(const SeriesProject& project, const TargetQuery& query)
        : project_(project), query_(query) {
        const nlohmann::json& d = project.document;
        // The tower's ground wires keep their distance above the working conductors.
        if (query.key == TargetKey::WorkingHeight && project.facts.groundWires &&
            d.contains("groundWireHeight") && d.contains("workingHeight")) {
            groundAbove_ = d["groundWireHeight"].get<double>() - d["workingHeight"].get<double>();
        }
    }

    /// The highest height tried: the ground wires, when they follow, at the highest too.
    long highestCentimetres() const {
        const double highest = kHighestTarget - groundAbove_.value_or(0.0);
        return static_cast<long>(std::floor(highest / kTargetGrid + 1e-9));
    }

    Probe probe(long centimetres) const {
        const double height = static_cast<double>(centimetres) * kTargetGrid;
        std::vector<KeyValue> values{{targetKeyName(query_.key), height}};
        if (groundAbove_) {
            values.push_back({"groundWireHeight", height + *groundAbove_});
        }
        const ProjectCalculation c = calculateWith(project_, values);
        Probe p;
        p.taken = c.computed;
        p.refusal = c.refused;
        const auto field =
            c.computed ? largestTargetField(c, query_.at, query_.beyond) : std::optional<double>{};
        if (field) {
            p.field = *field;
            p.meets = *field <= profileLevelOf(levelOf(*c.profile), *c.profile);
        } else if (c.computed) {
            p.refusal =
                "the distance " + formatGeneral(query_.at) + " m lies outside the computed range";
        }
        return p;
    }

  private:
    double levelOf(const FieldProfile& f) const {
        return limitLevel(query_.limit, f).value_or(0.0);
    }

    const SeriesProject& project_;
    const TargetQuery& query_;
    std::optional<double> groundAbove_;
};

std::string unitOf(const ProjectFacts& facts) {
    if (!facts.magnetic) {
        return "kV/m";
    }
    return facts.magneticUnit == MagneticUnit::Microtesla ? "µT" : "A/m";
}

// The field as the project states it: RMS, in its unit.
double statedField(const ProjectFacts& facts, double profileField) {
    if (!facts.magnetic) {
        return profileField;
    }
    return inMagneticUnit(profileField / std::sqrt(2.0), facts.magneticUnit);
}

std::optional<std::string> queryRefusal(const SeriesProject& project, const TargetQuery& query) {
    const ProjectFacts& facts = project.facts;
    if (facts.onConductors || facts.verticalLine) {
        return "a height target needs a project computed along a horizontal line";
    }
    if (query.key == TargetKey::GroundWireHeight && !facts.groundWires) {
        return "the tower has no ground wires";
    }
    if (!(query.at >= 0.0) || !std::isfinite(query.at)) {
        return "the distance from the tower axis must be 0 or more";
    }
    return std::nullopt;
}

std::string notMetMessage(const TargetQuery& query, const Probe& highest) {
    if (highest.taken && !highest.refusal.empty()) {
        // Computed, but the distance is not on the line: no height changes that.
        return highest.refusal;
    }
    std::string message = std::string("no ") + targetKeyName(query.key) + " up to " +
                          formatGeneral(kHighestTarget) + " m keeps the field at or below " +
                          query.limit.name;
    if (!highest.refusal.empty()) {
        message += ": " + highest.refusal;
    }
    return message;
}

TargetAnswer answerOf(const SeriesProject& project, long centimetres, const Probe& at,
                      const Probe& below) {
    TargetAnswer answer;
    answer.value = static_cast<double>(centimetres) * kTargetGrid;
    answer.field = statedField(project.facts, at.field);
    answer.unit = unitOf(project.facts);
    answer.lowest = !below.taken;
    answer.lowerRefusal = below.refusal;
    return answer;
}

} // namespace

const char* targetKeyName(TargetKey key) {
    return key == TargetKey::WorkingHeight ? "workingHeight" : "groundWireHeight";
}

const ExposureLimit* findTargetLimit(const SeriesProject& project, const std::string& key) {
    for (const ExposureLimit& limit : project.facts.limits) {
        if (limit.key.empty() ? limit.name == key : limit.key == key) {
            return &limit;
        }
    }
    return findBuiltInLimit(key);
}

Answer findTarget(const SeriesProject& project, const TargetQuery& query) {
    if (auto refusal = queryRefusal(project, query)) {
        return *refusal;
    }
    const Search search(project, query);
    long hi = search.highestCentimetres();
    Probe high = search.probe(hi);
    if (hi < kLowestCentimetres || !high.meets) {
        return notMetMessage(query, high);
    }
    Probe low = search.probe(kLowestCentimetres);
    if (low.meets) {
        // Nothing lower is a height at all.
        Probe none;
        none.refusal = std::string(targetKeyName(query.key)) + " must be more than 0";
        return answerOf(project, kLowestCentimetres, low, none);
    }
    // The level is not met at `lo` and met at `hi`; halve until they are 1 cm apart.
    long lo = kLowestCentimetres;
    while (hi - lo > 1) {
        const long mid = lo + (hi - lo) / 2;
        Probe p = search.probe(mid);
        (p.meets ? hi : lo) = mid;
        (p.meets ? high : low) = std::move(p);
    }
    return answerOf(project, hi, high, low);
}

} // namespace velt
