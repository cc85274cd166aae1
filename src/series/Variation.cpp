#include "series/Variation.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace velt {
namespace {

// TO is reached when the last step lands this close to it (relative to the step).
constexpr double kReachedTolerance = 1e-9;

using Parsed = std::variant<Variation, std::string>;

// The whole of `text` as a finite number; a leading '+' is allowed.
std::optional<double> numberOf(std::string text) {
    if (!text.empty() && text.front() == '+') {
        text.erase(0, 1);
    }
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos;
         at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::optional<std::string> ruleRefusal(const SeriesKey& key, double value) {
    if (key.rule == KeyRule::Positive && !(value > 0.0)) {
        return key.name + " must be more than 0";
    }
    if (key.rule == KeyRule::NotNegative && !(value >= 0.0)) {
        return key.name + " must be 0 or more";
    }
    return std::nullopt;
}

// The values of FROM:TO:STEP, or what is wrong with them.
std::variant<std::vector<SeriesValue>, std::string> rangeValues(const SeriesKey& key,
                                                                const std::string& range) {
    const std::vector<std::string> parts = split(range, ':');
    if (parts.size() != 3) {
        return std::string("FROM:TO:STEP is expected");
    }
    const auto from = numberOf(parts[0]);
    const auto to = numberOf(parts[1]);
    const auto step = numberOf(parts[2]);
    if (!from || !to || !step) {
        return std::string("FROM, TO and STEP must be numbers");
    }
    if (*step == 0.0) {
        return std::string("the step must not be 0");
    }
    const double steps = (*to - *from) / *step;
    if (steps < 0.0) {
        return std::string("the step leads away from TO");
    }
    if (!(steps < static_cast<double>(kMaxCombinations))) {
        return "more than " + std::to_string(kMaxCombinations) + " values";
    }
    const auto count = static_cast<std::size_t>(std::floor(steps + kReachedTolerance)) + 1;
    std::vector<SeriesValue> values;
    for (std::size_t i = 0; i < count; ++i) {
        const double value =
            i + 1 == count && std::fabs(steps - static_cast<double>(i)) <= kReachedTolerance
                ? *to
                : *from + static_cast<double>(i) * *step;
        if (auto refusal = ruleRefusal(key, value)) {
            return *refusal;
        }
        values.emplace_back(value);
    }
    return values;
}

Parsed valuesOf(Variation variation, const std::string& range) {
    if (variation.key.rule == KeyRule::Choice) {
        if (range != "all") {
            return variationMessage(variation.argument, variation.key.name + " takes \"all\"");
        }
        variation.values = choicesOf(variation.key);
        return variation;
    }
    auto values = rangeValues(variation.key, range);
    if (auto* what = std::get_if<std::string>(&values)) {
        return variationMessage(variation.argument, *what);
    }
    variation.values = std::move(std::get<std::vector<SeriesValue>>(values));
    return variation;
}

} // namespace

std::string variationMessage(const std::string& argument, const std::string& what) {
    return "--vary " + argument + ": " + what;
}

Parsed parseVariation(const std::string& argument) {
    const std::size_t equals = argument.find('=');
    if (equals == std::string::npos) {
        return variationMessage(argument, "KEY=FROM:TO:STEP is expected");
    }
    const std::string name = argument.substr(0, equals);
    auto key = seriesKeyOf(name);
    if (!key) {
        return variationMessage(argument, "no series varies the key \"" + name + "\"");
    }
    return valuesOf(Variation{argument, std::move(*key), {}}, argument.substr(equals + 1));
}

} // namespace velt
