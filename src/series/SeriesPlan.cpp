#include "series/SeriesPlan.h"

#include <optional>

namespace velt {
namespace {

std::optional<std::string> heightRefusal(const SeriesKey& key, const ProjectFacts& facts) {
    if (key.name == "groundWireHeight" && !facts.groundWires) {
        return "the tower has no ground wires";
    }
    if (key.name == "line.y" && (facts.onConductors || facts.verticalLine)) {
        return "the project is not computed along a horizontal line";
    }
    if (key.name == "line.x" && (facts.onConductors || !facts.verticalLine)) {
        return "the project is not computed along a vertical line";
    }
    return std::nullopt;
}

std::optional<std::string> circuitRefusal(const SeriesKey& key, const ProjectFacts& facts) {
    const bool second = key.name == "currents[1]" || key.rule == KeyRule::Choice;
    if (second && !facts.twoCircuits) {
        return "the line has one circuit";
    }
    const std::size_t needed = key.name == "currents[0]" ? 1 : key.name == "currents[1]" ? 2 : 0;
    if (needed > 0 && !facts.magnetic) {
        return "the electric field takes no currents";
    }
    if (facts.currents < needed) {
        return "the project lists no " + key.name;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> keyRefusal(const SeriesKey& key, const ProjectFacts& facts) {
    if (auto refusal = heightRefusal(key, facts)) {
        return refusal;
    }
    if (auto refusal = circuitRefusal(key, facts)) {
        return refusal;
    }
    if (key.name == "building.frontX" && !facts.building) {
        return std::string("the project has no building");
    }
    if (const auto i = neighbourIndexOf(key); i && *i >= facts.neighbours) {
        return "the project lists no neighbours[" + std::to_string(*i) + "]";
    }
    return std::nullopt;
}

namespace {

std::optional<std::string> checkAgainst(const Variation& variation, const SeriesPlan& plan,
                                        std::size_t& combinations) {
    if (auto refusal = keyRefusal(variation.key, plan.project.facts)) {
        return variationMessage(variation.argument, *refusal);
    }
    for (const Variation& earlier : plan.variations) {
        if (earlier.key.name == variation.key.name) {
            return variationMessage(variation.argument, variation.key.name + " is varied twice");
        }
    }
    combinations *= variation.values.size();
    if (combinations > kMaxCombinations) {
        return variationMessage(variation.argument, "the series would have more than " +
                                                        std::to_string(kMaxCombinations) +
                                                        " combinations");
    }
    return std::nullopt;
}

} // namespace

std::variant<SeriesPlan, std::string> planSeries(SeriesProject project,
                                                 const std::vector<std::string>& arguments) {
    SeriesPlan plan{std::move(project), {}, {}};
    plan.limits = plan.project.facts.limits;
    std::size_t combinations = 1;
    for (const std::string& argument : arguments) {
        auto parsed = parseVariation(argument);
        if (auto* message = std::get_if<std::string>(&parsed)) {
            return std::move(*message);
        }
        Variation& variation = std::get<Variation>(parsed);
        if (auto refusal = checkAgainst(variation, plan, combinations)) {
            return std::move(*refusal);
        }
        plan.variations.push_back(std::move(variation));
    }
    return plan;
}

std::vector<SeriesKey> keysTakenBy(const ProjectFacts& facts) {
    std::vector<SeriesKey> keys;
    for (const std::string& name : seriesKeyNames()) {
        const auto key = seriesKeyOf(name);
        if (key && !keyRefusal(*key, facts)) {
            keys.push_back(*key);
        }
    }
    for (std::size_t i = 0; i < facts.neighbours; ++i) {
        keys.push_back(*seriesKeyOf("neighbours[" + std::to_string(i) + "].offset"));
    }
    return keys;
}

std::size_t combinationCount(const SeriesPlan& plan) {
    std::size_t count = 1;
    for (const Variation& variation : plan.variations) {
        count *= variation.values.size();
    }
    return count;
}

std::vector<KeyValue> combinationAt(const SeriesPlan& plan, std::size_t index) {
    std::vector<KeyValue> values(plan.variations.size());
    // Mixed radix, the last key the lowest digit.
    for (std::size_t k = plan.variations.size(); k-- > 0;) {
        const Variation& variation = plan.variations[k];
        const std::size_t n = variation.values.size();
        values[k] = {variation.key.name, variation.values[index % n]};
        index /= n;
    }
    return values;
}

} // namespace velt
