// Every range the project schema states is held at both edges: the value on the edge is taken,
// the next one beyond it refused, by the door that reads it (the project loader, the
// calculation that asks the ranges, or the tower reader). A range without a case fails.

#include "calc/CalculationDriver.h"
#include "model/BuiltInTowers.h"
#include "model/TowerCatalogue.h"
#include "project/ProjectFile.h"
#include "project/ProjectSchema.h"
#include "project/TowerJson.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>

#include <unistd.h>

namespace velt {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using Pointer = json::json_pointer;

// The calculation's questions answered from the file, declined when asked again.
class FileAnswers : public CalculationUi {
  public:
    explicit FileAnswers(const CalculationAnswers& answers) : answers_(answers) {}
    void setStatus(int, const std::string&) override {}
    void showMessage(const std::string&) override {}
    std::optional<std::string> askCalculationRange(const std::string& proposed) override {
        return ranges_++ > 0
                   ? std::nullopt
                   : std::optional(answers_.range ? numberText(*answers_.range) : proposed);
    }
    std::string askComment() override { return answers_.comment; }
    std::optional<std::string> askDrawingRange(const std::string& proposed) override {
        return draws_++ > 0
                   ? std::nullopt
                   : std::optional(answers_.drawRange ? numberText(*answers_.drawRange) : proposed);
    }

  private:
    const CalculationAnswers& answers_;
    int ranges_ = 0;
    int draws_ = 0;
};

enum class Door { Load, Calculate, Tower };

bool taken(Door door, const json& document, const std::string& folder) {
    if (door == Door::Tower) {
        std::string message;
        return towerFromJson(document, message).has_value();
    }
    auto project = std::make_unique<LineProject>();
    auto profile = std::make_unique<FieldProfile>();
    LoadedProject loaded;
    if (loadProject(document.dump(), folder, *project, loaded).status != LoadStatus::Accepted) {
        return false;
    }
    if (door == Door::Load) {
        return true;
    }
    FileAnswers ui(loaded.answers);
    PassContext ctx{*project, *profile, loaded.form, ui};
    return calculate(ctx) == CalculationOutcome::Done;
}

struct Edge {
    std::string range; ///< the key as the schema walk names it, and the keyword
    Door door;
    json document;
    Pointer at;
    json edge;   ///< taken
    json beyond; ///< refused
};

json set(json document, const Pointer& at, const json& value) {
    document[at] = value;
    return document;
}

json line() {
    return {
        {"tower", "H52"},      {"workingHeight", 14}, {"groundWireHeight", 24},
        {"field", "electric"}, {"mode", "line"},      {"line", {{"kind", "horizontal"}, {"y", 2}}},
        {"range", 40}};
}

// A 110 kV tower without ground wires.
json bareTower() {
    TowerDefinition tower = builtInTowers()[0];
    tower.towerSeries = "B11";
    tower.groundWireCount = 0;
    tower.groundBundleSize = 0;
    return towerToJson(tower);
}

json neighbours(int count) {
    json lines = json::array();
    for (int i = 0; i < count; ++i) {
        lines.push_back({{"tower", "S12"},
                         {"workingHeight", 10},
                         {"groundWireHeight", 14},
                         {"offset", 40 + 20 * i},
                         {"currents", {300}}});
    }
    return lines;
}

json limits(int count) {
    json list = json::array();
    for (int i = 0; i < count; ++i) {
        list.push_back({{"name", "L" + std::to_string(i)}, {"electric", 1}, {"magnetic", 60}});
    }
    return list;
}

std::vector<Edge> edges() {
    const double tiny = 1e-6;
    const json l = line();
    const json vertical = set(l, Pointer("/line"), {{"kind", "vertical"}, {"x", 3}});
    const json magnetic = set(set(l, Pointer("/field"), "magnetic"), Pointer("/currents"), {500});
    const json z52 =
        set(set(set(magnetic, Pointer("/tower"), "Z52"), Pointer("/workingHeight"), 12),
            Pointer("/groundWireHeight"), 30);
    const json conductors = {{"tower", "S12"},
                             {"workingHeight", 10},
                             {"groundWireHeight", 14},
                             {"mode", "conductors"},
                             {"interference", {{"distance", 20}, {"frequencyMHz", 0.5}}}};
    const json bare = set(set(l, Pointer("/tower"), bareTower()), Pointer("/groundWireHeight"), 0);
    const json shield =
        set(l, Pointer("/shieldWires"), {{"diameter", 0.02}, {"positions", {{-15, 8}}}});
    const json withNeighbour = set(magnetic, Pointer("/neighbours"), neighbours(1));
    const json withLimit = set(l, Pointer("/limits"), limits(1));
    const json corona = set(l, Pointer("/corona"), {{"surfaceFactor", 0.8}, {"airDensity", 1}});
    const json catalogued = set(l, Pointer("/tower"), {{"catalogue", "k"}, {"key", "H52 <-> PS"}});
    const json tower = towerToJson(builtInTowers()[1]);
    const json sixtyFour(std::vector<json>(64, json::array({0.0, 0.0})));
    const json sixtyFive(std::vector<json>(65, json::array({0.0, 0.0})));
    const json oneWorking = set(tower, Pointer("/phase"), {{0.0, 0.0}});
    return {
        {"workingHeight exclusiveMinimum", Door::Load, l, Pointer("/workingHeight"), tiny, 0},
        {"groundWireHeight minimum", Door::Load, bare, Pointer("/groundWireHeight"), 0, -1},
        {"line.y exclusiveMinimum", Door::Load, l, Pointer("/line/y"), tiny, 0},
        {"line.x exclusiveMinimum", Door::Load, vertical, Pointer("/line/x"), tiny, 0},
        {"towerShift minimum", Door::Load, l, Pointer("/towerShift"), 0, -tiny},
        {"currents minItems", Door::Load, magnetic, Pointer("/currents"), {500}, json::array()},
        {"currents maxItems", Door::Load, z52, Pointer("/currents"), {500, 400}, {5, 4, 3}},
        {"currents[] exclusiveMinimum", Door::Load, magnetic, Pointer("/currents/0"), tiny, 0},
        {"shieldWires.diameter exclusiveMinimum", Door::Load, shield,
         Pointer("/shieldWires/diameter"), tiny, 0},
        {"interference.frequencyMHz exclusiveMinimum", Door::Load, conductors,
         Pointer("/interference/frequencyMHz"), tiny, 0},
        {"range exclusiveMinimum", Door::Calculate, l, Pointer("/range"), 0.01, 0},
        {"drawRange exclusiveMinimum", Door::Calculate, l, Pointer("/drawRange"), tiny, 0},
        {"corona.surfaceFactor exclusiveMinimum", Door::Load, corona,
         Pointer("/corona/surfaceFactor"), tiny, 0},
        {"corona.surfaceFactor maximum", Door::Load, corona, Pointer("/corona/surfaceFactor"), 1,
         1 + tiny},
        {"corona.airDensity exclusiveMinimum", Door::Load, corona, Pointer("/corona/airDensity"),
         tiny, 0},
        {"corona.airDensity maximum", Door::Load, corona, Pointer("/corona/airDensity"), 2,
         2 + tiny},
        {"limits maxItems", Door::Load, withLimit, Pointer("/limits"), limits(16), limits(17)},
        {"neighbours maxItems", Door::Load, withNeighbour, Pointer("/neighbours"), neighbours(8),
         neighbours(9)},
        {"$position minItems",
         Door::Load,
         shield,
         Pointer("/shieldWires/positions/0"),
         {-15, 8},
         {-15}},
        {"$position maxItems",
         Door::Load,
         shield,
         Pointer("/shieldWires/positions/0"),
         {-15, 8},
         {-15, 8, 1}},
        {"$catalogueTower.catalogue minLength", Door::Load, catalogued, Pointer("/tower/catalogue"),
         "k", ""},
        {"$catalogueTower.key minLength", Door::Load, catalogued, Pointer("/tower/key"),
         "H52 <-> PS", ""},
        {"$tower.series minLength", Door::Tower, tower, Pointer("/series"), "H", ""},
        {"$tower.series maxLength", Door::Tower, tower, Pointer("/series"), "H5234567",
         "H52345678"},
        {"$tower.type minLength", Door::Tower, tower, Pointer("/type"), "P", ""},
        {"$tower.type maxLength", Door::Tower, tower, Pointer("/type"), std::string(15, 'P'),
         std::string(16, 'P')},
        {"$tower.phaseDiameter minimum", Door::Tower, tower, Pointer("/phaseDiameter"), 0, -tiny},
        {"$tower.groundDiameter minimum", Door::Tower, tower, Pointer("/groundDiameter"), 0, -tiny},
        {"$tower.phaseBundleSize minimum", Door::Tower, tower, Pointer("/phaseBundleSize"), 1, 0},
        {"$tower.phaseBundleSize maximum", Door::Tower, tower, Pointer("/phaseBundleSize"), 16, 17},
        {"$tower.phaseBundleSpacing minimum", Door::Tower, tower, Pointer("/phaseBundleSpacing"), 0,
         -tiny},
        {"$tower.groundBundleSize minimum", Door::Tower, bareTower(), Pointer("/groundBundleSize"),
         0, -1},
        {"$tower.groundBundleSize maximum", Door::Tower, tower, Pointer("/groundBundleSize"), 16,
         17},
        {"$tower.groundBundleSpacing minimum", Door::Tower, tower, Pointer("/groundBundleSpacing"),
         0, -tiny},
        {"$tower.phase minItems",
         Door::Tower,
         tower,
         Pointer("/phase"),
         {{0.0, 0.0}},
         json::array()},
        {"$tower.phase maxItems", Door::Tower, set(tower, Pointer("/groundX"), json::array()),
         Pointer("/phase"), sixtyFour, sixtyFive},
        {"$tower.groundX maxItems", Door::Tower, oneWorking, Pointer("/groundX"),
         std::vector<double>(63, 1.0), std::vector<double>(64, 1.0)},
        {"$limit.name minLength", Door::Load, withLimit, Pointer("/limits/0/name"), "L", ""},
        {"$limit.name maxLength", Door::Load, withLimit, Pointer("/limits/0/name"),
         std::string(64, 'L'), std::string(65, 'L')},
        {"$limit.electric exclusiveMinimum", Door::Load, withLimit, Pointer("/limits/0/electric"),
         tiny, 0},
        {"$limit.magnetic exclusiveMinimum", Door::Load, withLimit, Pointer("/limits/0/magnetic"),
         tiny, 0},
        {"$neighbour.workingHeight exclusiveMinimum", Door::Load, withNeighbour,
         Pointer("/neighbours/0/workingHeight"), tiny, 0},
        {"$neighbour.groundWireHeight exclusiveMinimum", Door::Load, withNeighbour,
         Pointer("/neighbours/0/groundWireHeight"), 10 + tiny, 0},
        {"$neighbour.voltage exclusiveMinimum", Door::Load, withNeighbour,
         Pointer("/neighbours/0/voltage"), tiny, 0},
        {"$neighbour.voltage maximum", Door::Load, withNeighbour, Pointer("/neighbours/0/voltage"),
         1200, 1200 + tiny},
        {"$neighbour.currents minItems",
         Door::Load,
         withNeighbour,
         Pointer("/neighbours/0/currents"),
         {300},
         json::array()},
        {"$neighbour.currents maxItems",
         Door::Load,
         withNeighbour,
         Pointer("/neighbours/0/currents"),
         {300, 200},
         {300, 200, 100}},
        {"$neighbour.currents[] exclusiveMinimum", Door::Load, withNeighbour,
         Pointer("/neighbours/0/currents/0"), tiny, 0},
        {"$neighbour.label maxLength", Door::Load, withNeighbour, Pointer("/neighbours/0/label"),
         std::string(64, 'L'), std::string(65, 'L')},
    };
}

// The ranges of the schema, named as "key keyword" ("$tower.series maxLength" for $defs).
void collectRanges(const json& node, const std::string& path, std::set<std::string>& ranges) {
    for (const char* keyword : {"minimum", "exclusiveMinimum", "maximum", "minLength", "maxLength",
                                "minItems", "maxItems"}) {
        if (node.contains(keyword)) {
            ranges.insert(path + " " + keyword);
        }
    }
    if (node.contains("properties")) {
        for (const auto& [key, value] : node["properties"].items()) {
            collectRanges(value, path.empty() || path == "$" ? path + key : path + "." + key,
                          ranges);
        }
    }
    if (node.contains("items")) {
        collectRanges(node["items"], path + "[]", ranges);
    }
}

TEST(SchemaRanges, EveryRangeIsHeldAtBothEdges) {
    const fs::path folder =
        fs::temp_directory_path() / ("velt-ranges-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    struct Quiet : CatalogueUi {
        void showMessage(const std::string&) override {}
        bool confirm(const std::string&) override { return true; }
    } quiet;
    CreateCatalogue((folder / "k").string(), builtInTowers()[1], quiet);

    std::set<std::string> covered;
    for (const Edge& e : edges()) {
        SCOPED_TRACE(e.range);
        covered.insert(e.range);
        EXPECT_TRUE(taken(e.door, set(e.document, e.at, e.edge), folder.string()));
        EXPECT_FALSE(taken(e.door, set(e.document, e.at, e.beyond), folder.string()));
    }
    std::set<std::string> ranges;
    collectRanges(projectSchema(), "", ranges);
    for (const auto& [name, definition] : projectSchema()["$defs"].items()) {
        collectRanges(definition, "$" + name, ranges);
    }
    for (const std::string& range : ranges) {
        EXPECT_TRUE(covered.count(range)) << "no case for the range " << range;
    }
    fs::remove_all(folder);
}

} // namespace
} // namespace velt
