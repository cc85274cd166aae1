#pragma once
// A series of calculations: the project, its varied keys and the levels whose zones each
// calculation reports; the combinations are the product of the varied values.

#include "series/SeriesProject.h"
#include "series/Variation.h"

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace velt {

/// A value written into the project for one calculation.
struct KeyValue {
    std::string key;
    SeriesValue value;
};

struct SeriesPlan {
    SeriesProject project;
    std::vector<Variation> variations; ///< in the order given
    /// The levels whose zones every row gives: the project's own unless replaced.
    std::vector<ExposureLimit> limits;
};

/// Reads every argument (parseVariation) and checks it against the project: a key the
/// project cannot take (a neighbour it does not list, the second circuit's current of a
/// one-circuit line, ...), a key varied twice, more than kMaxCombinations combinations.
/// The first refusal's message names its argument; nothing is planned then.
std::variant<SeriesPlan, std::string> planSeries(SeriesProject project,
                                                 const std::vector<std::string>& arguments);

/// What keeps the project from taking `key` (a neighbour it does not list, the second
/// circuit's current of a one-circuit line, ...); none when it takes it.
std::optional<std::string> keyRefusal(const SeriesKey& key, const ProjectFacts& facts);

/// Every key the project takes, in the order seriesKeyNames lists them, a neighbouring
/// line's offset for each line the project lists.
std::vector<SeriesKey> keysTakenBy(const ProjectFacts& facts);

/// The number of combinations: the product of the varied values' counts.
std::size_t combinationCount(const SeriesPlan& plan);

/// Combination `index` (0-based): the first varied key changes slowest, the last fastest,
/// as nested loops in the order the keys were given.
std::vector<KeyValue> combinationAt(const SeriesPlan& plan, std::size_t index);

} // namespace velt
