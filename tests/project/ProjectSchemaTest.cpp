// The schema shipped with the program describes the files the reader takes and the writer
// writes, and the reader's messages quote it.

#include "project/ProjectSchema.h"
#include "SchemaCheck.h"
#include "model/BuiltInTowers.h"
#include "project/ProjectFile.h"
#include "project/ProjectWriter.h"
#include "project/TowerJson.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace velt {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct Loaded {
    std::unique_ptr<LineProject> project = std::make_unique<LineProject>();
    LoadedProject state;
    LoadResult result;
};

Loaded load(const json& document) {
    Loaded loaded;
    loaded.result = loadProject(document.dump(), {}, *loaded.project, loaded.state);
    return loaded;
}

json written(const Loaded& loaded) {
    return json::parse(projectText(loaded.state, chosenProjectTower(*loaded.project, loaded.state),
                                   loaded.state.answers));
}

json readJson(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return json::parse(in);
}

void expectValid(const json& document) {
    const auto errors = test::schemaErrors(projectSchema(), document);
    EXPECT_TRUE(errors.empty()) << document.dump() << "\n" << errors.front();
}

// A tower of the editor: written in full, with the other sections the examples lack.
json fullProject() {
    TowerDefinition tower = builtInTowers()[2];
    tower.towerSeries = "K52";
    tower.towerType = "ON150 ż";
    return {{"tower", towerToJson(tower)},
            {"workingHeight", 12.5},
            {"groundWireHeight", 31},
            {"field", "magnetic"},
            {"mode", "line"},
            {"line", {{"kind", "vertical"}, {"x", 4.5}, {"y", 1.8}}},
            {"towerShift", 2.5},
            {"phaseOrder", "RST-TRS"},
            {"currents", {500, 450}},
            {"building", {{"frontX", 25}, {"frontY", 6}, {"roofX", 35}, {"roofY", 9}}},
            {"shieldWires", {{"diameter", 0.02}, {"positions", {{-18, 6.5}, {18, 6.5}}}}},
            {"range", 70},
            {"drawRange", 40},
            {"comment", "Słup z edytora"}};
}

TEST(ProjectSchema, ExamplesAndWrittenProjectsValidate) {
    std::vector<json> documents = {fullProject()};
    for (const auto& entry : fs::directory_iterator(VELT_EXAMPLES_DIR)) {
        if (entry.path().extension() == ".json") {
            documents.push_back(readJson(entry.path()));
        }
    }
    ASSERT_GE(documents.size(), 4u);
    for (const json& document : documents) {
        SCOPED_TRACE(document.dump());
        expectValid(document);
        const Loaded loaded = load(document);
        ASSERT_EQ(loaded.result.status, LoadStatus::Accepted) << loaded.result.message;
        expectValid(written(loaded));
    }
    expectValid(json::parse(R"({"tower": {"catalogue": "slupy", "key": "K52 <-> ON150"},
        "mode": "conductors", "interference": {"distance": 20, "frequencyMHz": 0.5}})"));
}

// Where a file's shape is wrong, the schema and the reader refuse it alike.
TEST(ProjectSchema, TheSchemaRefusesWhatTheReaderRefuses) {
    const json tower = towerToJson(builtInTowers()[0]);
    const auto changed = [](json document, const std::string& key, const json& value) {
        document[key] = value;
        return document;
    };
    const json base = {{"tower", "S12"}, {"workingHeight", 10}, {"groundWireHeight", 14}};
    const std::vector<json> refused = {
        changed(base, "colour", "red"),
        changed(base, "workingHeight", "10"),
        changed(base, "field", "gravity"),
        changed(base, "line", {{"kind", "slanted"}}),
        changed(base, "line", {{"z", 1}}),
        changed(base, "currents", {1, 2, 3}),
        changed(base, "currents", json::array()),
        changed(base, "shieldWires", {{"positions", {{1}}}}),
        changed(base, "building", {{"frontX", true}}),
        changed(base, "comment", 5),
        changed(base, "tower", "S99"),
        changed(base, "tower", {{"catalogue", "slupy"}}),
        changed(base, "tower", changed(tower, "phaseBundleSize", 0)),
        changed(base, "tower", changed(tower, "phaseDiameter", -0.01)),
        changed(base, "tower", changed(tower, "series", "ABCDEFGHI")),
        changed(base, "tower", changed(tower, "phase", json::array())),
    };
    for (const json& document : refused) {
        SCOPED_TRACE(document.dump());
        EXPECT_FALSE(test::schemaErrors(projectSchema(), document).empty());
        EXPECT_EQ(load(document).result.status, LoadStatus::Refused);
    }
    expectValid(base);
}

void expectDescribed(const json& node, const std::string& path) {
    if (node.contains("properties")) {
        for (const auto& [key, value] : node["properties"].items()) {
            SCOPED_TRACE(path + key);
            ASSERT_TRUE(value.contains("description"));
            EXPECT_GE(value["description"].get<std::string>().size(), 10u);
            expectDescribed(value, path + key + ".");
        }
    }
}

TEST(ProjectSchema, EveryKeyIsDescribedAndTheMessagesQuoteIt) {
    expectDescribed(projectSchema(), "");
    for (const auto& [name, definition] : projectSchema()["$defs"].items()) {
        expectDescribed(definition, name + ".");
    }

    json document = {{"tower", "H52"}, {"line", {{"y", "2"}}}};
    EXPECT_EQ(load(document).result.message,
              "Project key \"line.y\": a number is expected (" +
                  projectSchemaAt("line.y")->at("description").get<std::string>() + ")");
    document["line"] = {{"kind", "slanted"}};
    EXPECT_EQ(load(document).result.message.rfind("Project key \"line.kind\": ", 0), 0u);
    document["line"] = {{"z", 1}};
    EXPECT_EQ(load(document).result.message,
              "Project key \"line.z\": unknown key (known here: kind, x, y)");

    json tower = towerToJson(builtInTowers()[1]);
    tower["phaseBundleSpacing"] = "0.4";
    document = {{"tower", tower}};
    EXPECT_EQ(load(document).result.message,
              "Tower key \"phaseBundleSpacing\": a number is expected (spacing of neighbouring "
              "sub-conductors of a working bundle [m], 0 or more)");
}

} // namespace
} // namespace velt
