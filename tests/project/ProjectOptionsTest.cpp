// The options beyond the line in the project file: read, written back the same, refused by
// key, and the ranges the schema states held at both edges.

#include "SchemaCheck.h"
#include "model/BuiltInTowers.h"
#include "project/ProjectFile.h"
#include "project/ProjectSchema.h"
#include "project/ProjectWriter.h"
#include "project/TowerJson.h"

#include <gtest/gtest.h>

#include <memory>

namespace velt {
namespace {

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

json base() {
    return {{"tower", "Z52"},         {"workingHeight", 12},
            {"groundWireHeight", 30}, {"field", "electric"},
            {"mode", "line"},         {"line", {{"kind", "horizontal"}, {"y", 2}}}};
}

json withOptions() {
    json document = base();
    TowerDefinition tower = builtInTowers()[0];
    tower.towerSeries = "T11";
    tower.groundWireCount = 0;
    tower.groundBundleSize = 0;
    document["surfaceMethod"] = "accurate";
    document["corona"] = {{"surfaceFactor", 0.9}, {"airDensity", 0.95}};
    document["limits"] = {"pl-residential",
                          {{"name", "Mój poziom"}, {"electric", 2.5}, {"magnetic", 40}}};
    document["magneticUnit"] = "uT";
    document["neighbours"] = {{{"tower", "S12"},
                               {"workingHeight", 10},
                               {"groundWireHeight", 14},
                               {"offset", 40},
                               {"voltage", 110},
                               {"currents", {300}},
                               {"angle", 30},
                               {"label", "Linia 110 kV"}},
                              {{"tower", towerToJson(tower)},
                               {"workingHeight", 11},
                               {"offset", -45},
                               {"phaseOrder", "RST-TRS"}}};
    return document;
}

TEST(ProjectOptions, ReadAndWrittenBackTheSame) {
    const Loaded loaded = load(withOptions());
    ASSERT_EQ(loaded.result.status, LoadStatus::Accepted) << loaded.result.message;
    const CalculationOptions& options = loaded.state.form.options;
    EXPECT_EQ(options.surfaceMethod, SurfaceMethod::Accurate);
    EXPECT_EQ(options.coronaSurfaceFactor, 0.9);
    EXPECT_EQ(options.relativeAirDensity, 0.95);
    ASSERT_EQ(options.limits.size(), 2u);
    EXPECT_EQ(options.limits[0].key, "pl-residential");
    EXPECT_EQ(options.limits[1].name, "Mój poziom");
    EXPECT_EQ(options.magneticUnit, MagneticUnit::Microtesla);
    ASSERT_EQ(options.neighbours.size(), 2u);
    EXPECT_TRUE(options.neighbours[0].builtInTower);
    EXPECT_EQ(options.neighbours[1].tower.towerSeries, "T11");
    EXPECT_TRUE(options.neighbours[1].phaseOrderSwapped);

    const json again = written(loaded);
    for (const char* key : {"surfaceMethod", "corona", "limits", "magneticUnit", "neighbours"}) {
        EXPECT_EQ(again[key], withOptions()[key]) << key;
    }
    EXPECT_TRUE(test::schemaErrors(projectSchema(), again).empty());
    // Without options nothing of them is written.
    const json plain = written(load(base()));
    for (const char* key : {"surfaceMethod", "corona", "limits", "magneticUnit", "neighbours"}) {
        EXPECT_FALSE(plain.contains(key)) << key;
    }
}

// Each bad value is refused by the schema and the reader alike, the message naming its key.
TEST(ProjectOptions, BadValuesAreRefusedByTheirKey) {
    const auto with = [](const char* key, const json& value) {
        json document = withOptions();
        document[key] = value;
        return document;
    };
    const auto neighbour = [&](const char* key, const json& value) {
        json document = withOptions();
        document["neighbours"][1][key] = value;
        return document;
    };
    const json custom = {{"name", "X"}, {"electric", 1}, {"magnetic", 1}};
    const std::pair<json, std::string> cases[] = {
        {with("surfaceMethod", "best"), "\"surfaceMethod\""},
        {with("magneticUnit", "mT"), "\"magneticUnit\""},
        {with("corona", {{"surfaceFactor", 0}}), "\"corona.surfaceFactor\""},
        {with("limits", {"pl-everywhere"}), "known: pl-residential, pl-accessible"},
        {with("limits", {{{"name", "X"}, {"electric", 0}, {"magnetic", 1}}}),
         "\"limits[0].electric\""},
        {with("limits", {{{"name", "X"}, {"electric", 1}, {"magnetic", -5}}}),
         "\"limits[0].magnetic\""},
        {with("limits", {{{"name", "X"}, {"electric", "1"}, {"magnetic", 1}}}),
         "\"limits[0].electric\""},
        {with("limits", {{{"name", std::string(65, 'n')}, {"electric", 1}, {"magnetic", 1}}}),
         "\"limits[0].name\""},
        {with("limits", {"pl-residential", "pl-residential"}), "\"limits[1]"},
        {with("limits", {custom, custom}), "\"limits[1]"},
        {with("limits", {{{"name", "X"}, {"electric", 1}, {"magnetic", 1}, {"colour", 1}}}),
         "\"limits[0].colour\""},
        {neighbour("tower", "S99"), "\"neighbours[1].tower\""},
        {neighbour("workingHeight", 0), "\"neighbours[1].workingHeight\""},
        {neighbour("voltage", 0), "\"neighbours[1].voltage\""},
        {neighbour("voltage", 1200.5), "\"neighbours[1].voltage\""},
        {neighbour("angle", "30"), "\"neighbours[1].angle\""},
        {neighbour("currents", json::array()), "\"neighbours[1].currents\""},
        {neighbour("offset", nullptr), "\"neighbours[1].offset\""},
        {neighbour("colour", 1), "\"neighbours[1].colour\""},
        {with("neighbours",
              json::array({withOptions()["neighbours"][0], withOptions()["neighbours"][0],
                           withOptions()["neighbours"][0], withOptions()["neighbours"][0],
                           withOptions()["neighbours"][0], withOptions()["neighbours"][0],
                           withOptions()["neighbours"][0], withOptions()["neighbours"][0],
                           withOptions()["neighbours"][0]})),
         "\"neighbours\""},
    };
    for (const auto& [document, key] : cases) {
        SCOPED_TRACE(document.dump());
        const Loaded loaded = load(document);
        EXPECT_EQ(loaded.result.status, LoadStatus::Refused);
        EXPECT_NE(loaded.result.message.find(key), std::string::npos) << loaded.result.message;
        EXPECT_FALSE(loaded.project->lineDataAccepted);
        // The schema cannot say that a list holds no level twice.
        if (key != "\"limits[1]") {
            EXPECT_FALSE(test::schemaErrors(projectSchema(), document).empty());
        }
    }
    // A magnetic project needs every neighbour's currents.
    json magnetic = withOptions();
    magnetic["field"] = "magnetic";
    magnetic["currents"] = {500, 400};
    const Loaded refused = load(magnetic);
    EXPECT_NE(refused.result.message.find("\"neighbours[1].currents\""), std::string::npos)
        << refused.result.message;
}

// The loader refuses a corridor through the line-data dialog's OK chain, naming the line.
TEST(ProjectOptions, ANeighbourOnTheMainLineIsRefused) {
    json document = base();
    document["neighbours"] = {
        {{"tower", "Z52"}, {"workingHeight", 12}, {"groundWireHeight", 30}, {"offset", 0}}};
    const Loaded loaded = load(document);
    EXPECT_EQ(loaded.result.status, LoadStatus::Refused);
    EXPECT_EQ(loaded.result.message,
              "Linia sąsiednia 1: Dwa przewody nie mogą leżeć w tym samym miejscu!");
    EXPECT_FALSE(loaded.project->lineDataAccepted);
}

} // namespace
} // namespace velt
