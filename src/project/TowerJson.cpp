#include "project/TowerJson.h"

#include "model/Cp1250.h"
#include "model/TextSlots.h"
#include "project/ProjectSchema.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

namespace velt {
namespace {

using nlohmann::json;

// Bundles beyond this many sub-conductors exist on no line; the record refuses them too.
constexpr std::uint32_t kMaxBundleSize = 16;

std::string keyText(std::string_view key) {
    // Not "\"" + std::string(key): GCC 12 reports a false overlap (-Wrestrict) there.
    std::string text = "\"";
    text.append(key).append("\"");
    return text;
}

// A refusal naming the key, completed with the key's unit and range from the schema.
std::string keyMessage(std::string_view key, std::string_view what) {
    std::string path = "tower.";
    path.append(key);
    std::string text = "Tower key ";
    text.append(keyText(key)).append(": ").append(what).append(projectKeyNote(path));
    return text;
}

class Reader {
  public:
    Reader(const json& object, std::string& message) : object_(object), message_(message) {}

    bool failed() const { return failed_; }

    const json* need(std::string_view key) {
        if (failed_)
            return nullptr;
        const auto it = object_.find(std::string(key));
        if (it == object_.end())
            return fail("Missing tower key " + keyText(key) +
                        projectKeyNote(std::string("tower.").append(key)));
        return &*it;
    }

    std::optional<double> number(std::string_view key, const json& value, bool nonNegative) {
        if (!value.is_number())
            return failOpt(keyMessage(key, "a number is expected"));
        const double x = value.get<double>();
        if (!std::isfinite(x))
            return failOpt(keyMessage(key, "the number is out of range"));
        if (nonNegative && x < 0.0)
            return failOpt(keyMessage(key, "the number must not be negative"));
        return x;
    }

    double number(std::string_view key, bool nonNegative) {
        const json* value = need(key);
        if (value == nullptr)
            return 0.0;
        return number(key, *value, nonNegative).value_or(0.0);
    }

    /// `least` is 1 for a class with conductors, 0 for an empty one.
    std::uint32_t bundleSize(std::string_view key, std::int64_t least) {
        const json* value = need(key);
        if (value == nullptr)
            return 0;
        if (!value->is_number_integer() || value->get<std::int64_t>() < least ||
            value->get<std::int64_t>() > kMaxBundleSize) {
            fail(keyMessage(key,
                            "a whole number from " + std::to_string(least) + " to 16 is expected"));
            return 0;
        }
        return static_cast<std::uint32_t>(value->get<std::int64_t>());
    }

    std::string text(std::string_view key, std::size_t maxChars, std::string_view forbidden) {
        const json* value = need(key);
        if (value == nullptr)
            return {};
        if (!value->is_string()) {
            fail(keyMessage(key, "a text is expected"));
            return {};
        }
        const auto& s = value->get_ref<const std::string&>();
        if (s.empty() || s.front() == ' ' || s.back() == ' ') {
            fail(keyMessage(key, "the text must not be empty or begin or end with a blank"));
            return {};
        }
        for (const char c : s) {
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f ||
                forbidden.find(c) != std::string_view::npos) {
                fail(keyMessage(key, "the text may not hold control characters or " +
                                         std::string(forbidden)));
                return {};
            }
        }
        if (fromCp1250(toCp1250(s)) != s) {
            fail(keyMessage(key, "the text holds a character without a Windows-1250 form"));
            return {};
        }
        if (utf8Length(s) > maxChars) {
            fail(keyMessage(key, "at most " + std::to_string(maxChars) + " characters"));
            return {};
        }
        return s;
    }

    std::nullopt_t failOpt(const std::string& text) {
        fail(text);
        return std::nullopt;
    }

    const json* fail(const std::string& text) {
        if (!failed_)
            message_ = text;
        failed_ = true;
        return nullptr;
    }

  private:
    const json& object_;
    std::string& message_;
    bool failed_ = false;
};

// Working conductors: [x, height above the lowest working conductor] pairs.
void readPhases(Reader& reader, TowerDefinition& tower) {
    const json* phases = reader.need("phase");
    if (phases == nullptr)
        return;
    if (!phases->is_array() || phases->empty() ||
        phases->size() > static_cast<std::size_t>(kTowerPositions)) {
        reader.fail(keyMessage("phase", "a list of 1 to 64 [x, height] pairs is expected"));
        return;
    }
    std::size_t slot = 0;
    for (const json& pair : *phases) {
        if (!pair.is_array() || pair.size() != 2) {
            reader.fail(keyMessage("phase", "a list of 1 to 64 [x, height] pairs is expected"));
            return;
        }
        const auto x = reader.number("phase", pair[0], false);
        const auto y = reader.number("phase", pair[1], false);
        if (!x || !y)
            return;
        tower.conductorX[slot] = *x;
        tower.conductorY[slot] = *y;
        ++slot;
    }
    tower.phaseConductorCount = static_cast<std::uint32_t>(slot);
}

void readGroundWires(Reader& reader, TowerDefinition& tower) {
    const json* grounds = reader.need("groundX");
    if (grounds == nullptr)
        return;
    const std::size_t free = kTowerPositions - tower.phaseConductorCount;
    if (!grounds->is_array() || grounds->size() > free) {
        reader.fail(keyMessage("groundX", "a list of at most " + std::to_string(free) +
                                              " distances is expected"));
        return;
    }
    std::size_t slot = tower.phaseConductorCount;
    for (const json& value : *grounds) {
        const auto x = reader.number("groundX", value, false);
        if (!x)
            return;
        tower.conductorX[slot++] = *x;
    }
    tower.groundWireCount = static_cast<std::uint32_t>(grounds->size());
}

} // namespace

std::optional<TowerDefinition> towerFromJson(const json& object, std::string& message) {
    if (!object.is_object()) {
        message = "The tower must be a JSON object";
        return std::nullopt;
    }
    const std::vector<std::string> keys = projectSchemaKeys("tower", "series");
    for (const auto& item : object.items()) {
        if (std::find(keys.begin(), keys.end(), item.key()) == keys.end()) {
            message = "Unknown tower key " + keyText(item.key());
            return std::nullopt;
        }
    }
    Reader reader(object, message);
    TowerDefinition tower{};
    // The index line brackets the series with <> and the type with {}.
    tower.towerSeries = reader.text("series", 8, ">{}");
    tower.towerType = reader.text("type", 15, "{}");
    tower.nominalVoltage = reader.number("nominalVoltage", false);
    tower.phaseVoltagePeak = reader.number("phaseVoltagePeak", false);
    tower.phaseDiameter = reader.number("phaseDiameter", true);
    tower.groundDiameter = reader.number("groundDiameter", true);
    tower.phaseBundleSize = reader.bundleSize("phaseBundleSize", 1);
    tower.phaseBundleSpacing = reader.number("phaseBundleSpacing", true);
    readPhases(reader, tower);
    readGroundWires(reader, tower);
    // A tower without ground wires has no ground-wire bundle to size.
    tower.groundBundleSize = reader.bundleSize("groundBundleSize", tower.groundWireCount > 0);
    tower.groundBundleSpacing = reader.number("groundBundleSpacing", true);
    double groundHeight = 0.0;
    if (!reader.failed() && object.contains("groundWireHeight")) {
        if (const auto h = reader.number("groundWireHeight", object["groundWireHeight"], false))
            groundHeight = *h;
    }
    if (reader.failed())
        return std::nullopt;
    for (std::uint32_t k = 0; k < tower.groundWireCount; ++k)
        tower.conductorY[tower.phaseConductorCount + k] = groundHeight;
    return tower;
}

json towerToJson(const TowerDefinition& tower) {
    const std::uint32_t phases =
        std::min<std::uint32_t>(tower.phaseConductorCount, kTowerPositions);
    const std::uint32_t grounds =
        std::min<std::uint32_t>(tower.groundWireCount, kTowerPositions - phases);
    json phase = json::array();
    for (std::uint32_t i = 0; i < phases; ++i)
        phase.push_back(json::array({tower.conductorX[i], tower.conductorY[i]}));
    json groundX = json::array();
    for (std::uint32_t k = 0; k < grounds; ++k)
        groundX.push_back(tower.conductorX[phases + k]);
    return json{{"series", tower.towerSeries},
                {"type", tower.towerType},
                {"nominalVoltage", tower.nominalVoltage},
                {"phaseVoltagePeak", tower.phaseVoltagePeak},
                {"phaseDiameter", tower.phaseDiameter},
                {"groundDiameter", tower.groundDiameter},
                {"phaseBundleSize", tower.phaseBundleSize},
                {"phaseBundleSpacing", tower.phaseBundleSpacing},
                {"groundBundleSize", tower.groundBundleSize},
                {"groundBundleSpacing", tower.groundBundleSpacing},
                {"phase", phase},
                {"groundX", groundX},
                {"groundWireHeight", grounds > 0 ? tower.conductorY[phases] : 0.0}};
}

} // namespace velt
