#pragma once
// The keys of a project file that a series of calculations varies, and the rule each key's
// own values follow.

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace velt {

/// A varied value: a number, or the text of a choice (a phase order).
using SeriesValue = std::variant<double, std::string>;

/// What a key's own rule lets through.
enum class KeyRule {
    Positive,    ///< a height: more than 0
    NotNegative, ///< the tower shift: 0 or more
    Any,         ///< a distance from the tower axis, either side
    Choice       ///< one of the key's choices, all of them in a series
};

/// A key a series may vary, named as in the project file.
struct SeriesKey {
    std::string name; ///< "workingHeight", "currents[1]", "neighbours[2].offset"
    KeyRule rule = KeyRule::Any;
};

/// The key `name` names; none for a key no series varies.
std::optional<SeriesKey> seriesKeyOf(const std::string& name);

/// The keys a series varies, as the help lists them ("neighbours[i].offset" for any i).
const std::vector<std::string>& seriesKeyNames();

/// Every choice of a Choice key, in the order a series takes them.
std::vector<SeriesValue> choicesOf(const SeriesKey& key);

/// The neighbouring line a key belongs to ("neighbours[2].offset": 2); none for the others.
std::optional<std::size_t> neighbourIndexOf(const SeriesKey& key);

/// Writes `value` under `key` into the project `document`, creating the key's object when
/// the document leaves it out ("line" of the default horizontal line).
void writeSeriesValue(nlohmann::json& document, const std::string& key, const SeriesValue& value);

} // namespace velt
