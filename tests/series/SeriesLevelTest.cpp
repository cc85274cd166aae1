#include "SeriesTestProjects.h"

#include "analysis/ExposureLimits.h"
#include "series/SeriesLevel.h"

#include <gtest/gtest.h>

namespace velt {
namespace {

using testing::exampleDocument;
using testing::seriesProject;

SeriesRow row(SeriesValue value, double max, RowState state = RowState::Computed) {
    SeriesRow r;
    r.state = state;
    r.values = {{"key", std::move(value)}};
    r.max = max;
    return r;
}

TEST(SeriesLevel, TheLowestValueMeetingTheLevel) {
    const struct {
        const char* name;
        std::vector<SeriesRow> rows;
        std::optional<std::size_t> expected;
    } cases[] = {
        {"Rising", {row(8.0, 3.0), row(10.0, 2.0), row(12.0, 1.0), row(14.0, 0.5)}, 2},
        {"Falling", {row(14.0, 0.5), row(12.0, 1.0), row(10.0, 2.0)}, 1},
        {"AtTheLevel", {row(8.0, 1.5), row(10.0, 1.0)}, 1},
        {"RefusedAndNotRun",
         {row(8.0, 0.0, RowState::Refused), row(9.0, 0.0, RowState::NotRun), row(10.0, 0.9)},
         2},
        {"NeverMet", {row(8.0, 3.0), row(10.0, 2.0)}, std::nullopt},
        {"Choices", {row(std::string("RST-RST"), 0.8), row(std::string("RST-TRS"), 0.5)}, 0},
        {"Empty", {}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lowestMeetingRow(c.rows, 1.0), c.expected) << c.name;
    }
}

TEST(SeriesLevel, TheChosenLevelJoinsTheProjectsOwn) {
    SeriesPlan plan;
    const ExposureLimit own{"", "Własny", 2.0, 30.0};
    plan.limits = {*findBuiltInLimit("pl-accessible"), own};
    EXPECT_EQ(addLevel(plan, own), 1u);
    EXPECT_EQ(addLevel(plan, *findBuiltInLimit("pl-residential")), 2u);
    EXPECT_EQ(addLevel(plan, *findBuiltInLimit("pl-accessible")), 0u);
    EXPECT_EQ(plan.limits.size(), 3u);
}

std::vector<std::string> namesOf(const std::vector<SeriesKey>& keys) {
    std::vector<std::string> names;
    for (const SeriesKey& key : keys) {
        names.push_back(key.name);
    }
    return names;
}

TEST(SeriesLevel, KeysAndTargetsEachProjectTakes) {
    nlohmann::json neighbours = exampleDocument("h52-magnetic-building");
    neighbours["neighbours"] = {{{"tower", "S12"},
                                 {"workingHeight", 10.0},
                                 {"groundWireHeight", 14.0},
                                 {"offset", -40.0},
                                 {"currents", {300.0}}}};
    const struct {
        const char* name;
        nlohmann::json document;
        std::vector<std::string> keys;
        bool target;
    } cases[] = {
        {"z52-horizontal",
         exampleDocument("z52-horizontal"),
         {"workingHeight", "groundWireHeight", "towerShift", "line.y", "phaseOrder"},
         true},
        {"h52-magnetic-building",
         neighbours,
         {"workingHeight", "groundWireHeight", "towerShift", "line.y", "currents[0]",
          "building.frontX", "neighbours[0].offset"},
         true},
        {"s12-conductors-interference",
         exampleDocument("s12-conductors-interference"),
         {"workingHeight", "groundWireHeight", "towerShift"},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SeriesProject project = seriesProject(c.document);
        EXPECT_EQ(namesOf(keysTakenBy(project.facts)), c.keys);
        EXPECT_EQ(targetKeyOf(project.facts, "workingHeight").has_value(), c.target);
        EXPECT_EQ(targetKeyOf(project.facts, "groundWireHeight").has_value(), c.target);
        EXPECT_FALSE(targetKeyOf(project.facts, "towerShift"));
    }
}

} // namespace
} // namespace velt
