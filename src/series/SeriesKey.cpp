#include "series/SeriesKey.h"

#include <cctype>

namespace velt {
namespace {

const char* const kNeighbourPrefix = "neighbours[";
const char* const kNeighbourSuffix = "].offset";

// No project holds more neighbouring lines than this.
constexpr std::size_t kMaxNeighbourDigits = 3;

struct FixedKey {
    const char* name;
    KeyRule rule;
};

constexpr FixedKey kFixedKeys[] = {
    {"workingHeight", KeyRule::Positive}, {"groundWireHeight", KeyRule::Positive},
    {"towerShift", KeyRule::NotNegative}, {"line.y", KeyRule::Positive},
    {"line.x", KeyRule::Positive},        {"currents[0]", KeyRule::Positive},
    {"currents[1]", KeyRule::Positive},   {"building.frontX", KeyRule::Any},
    {"phaseOrder", KeyRule::Choice},
};

// An index as a project file's key path writes it: digits, no leading zero.
bool indexText(const std::string& text) {
    if (text.empty() || text.size() > kMaxNeighbourDigits || (text.size() > 1 && text[0] == '0')) {
        return false;
    }
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

// The digits between "neighbours[" and "].offset"; empty when `name` is no such key.
std::string neighbourDigits(const std::string& name) {
    const std::string prefix = kNeighbourPrefix;
    const std::string suffix = kNeighbourSuffix;
    if (name.size() <= prefix.size() + suffix.size() || name.rfind(prefix, 0) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return {};
    }
    const std::string digits =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    return indexText(digits) ? digits : std::string{};
}

// "line.y" -> "/line/y", "currents[1]" -> "/currents/1".
nlohmann::json::json_pointer pointerOf(const std::string& key) {
    std::string path = "/";
    for (const char c : key) {
        if (c == '.' || c == '[') {
            path += '/';
        } else if (c != ']') {
            path += c;
        }
    }
    return nlohmann::json::json_pointer(path);
}

} // namespace

std::optional<SeriesKey> seriesKeyOf(const std::string& name) {
    for (const FixedKey& key : kFixedKeys) {
        if (name == key.name) {
            return SeriesKey{name, key.rule};
        }
    }
    if (!neighbourDigits(name).empty()) {
        return SeriesKey{name, KeyRule::Any};
    }
    return std::nullopt;
}

const std::vector<std::string>& seriesKeyNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const FixedKey& key : kFixedKeys) {
            list.emplace_back(key.name);
        }
        list.emplace_back(std::string(kNeighbourPrefix) + "i" + kNeighbourSuffix);
        return list;
    }();
    return names;
}

std::vector<SeriesValue> choicesOf(const SeriesKey& key) {
    if (key.rule != KeyRule::Choice) {
        return {};
    }
    // The project file's phase orders, as "phaseOrder" takes them.
    return {std::string("RST-RST"), std::string("RST-TRS")};
}

std::optional<std::size_t> neighbourIndexOf(const SeriesKey& key) {
    const std::string digits = neighbourDigits(key.name);
    if (digits.empty()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(std::stoul(digits));
}

void writeSeriesValue(nlohmann::json& document, const std::string& key, const SeriesValue& value) {
    nlohmann::json& slot = document[pointerOf(key)];
    std::visit([&slot](const auto& v) { slot = v; }, value);
}

} // namespace velt
