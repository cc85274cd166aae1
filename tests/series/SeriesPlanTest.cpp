#include "SeriesTestProjects.h"

#include "series/SeriesPlan.h"

#include <gtest/gtest.h>

namespace velt {
namespace {

using testing::exampleDocument;
using testing::seriesProject;

struct Refusal {
    const char* example;
    std::vector<std::string> arguments;
    const char* refused; ///< the argument the message names
    const char* reason;
};

TEST(SeriesPlan, RefusesKeysTheProjectCannotTake) {
    const Refusal cases[] = {
        {"z52-horizontal", {"neighbours[0].offset=1:2:1"}, nullptr, "lists no neighbours[0]"},
        {"z52-horizontal", {"currents[0]=100:200:50"}, nullptr, "takes no currents"},
        {"z52-horizontal", {"line.x=1:2:1"}, nullptr, "not computed along a vertical line"},
        {"z52-horizontal", {"building.frontX=1:2:1"}, nullptr, "has no building"},
        {"h52-magnetic-building", {"currents[1]=100:200:50"}, nullptr, "has one circuit"},
        {"h52-magnetic-building", {"phaseOrder=all"}, nullptr, "has one circuit"},
        {"s12-conductors-interference", {"line.y=1:2:1"}, nullptr, "not computed along a horiz"},
        {"z52-horizontal",
         {"workingHeight=10:11:1", "phaseOrder=all", "workingHeight=12:13:1"},
         "workingHeight=12:13:1",
         "workingHeight is varied twice"},
        {"z52-horizontal",
         {"workingHeight=10:19.99:0.01", "groundWireHeight=30:31.99:0.01"},
         "groundWireHeight=30:31.99:0.01",
         "more than 100000 combinations"},
        {"z52-horizontal", {"phaseOrder=all", "towerShift=1:0:1"}, "towerShift=1:0:1", "leads"},
    };
    for (const Refusal& c : cases) {
        const auto planned = planSeries(seriesProject(exampleDocument(c.example)), c.arguments);
        const auto* message = std::get_if<std::string>(&planned);
        ASSERT_NE(message, nullptr) << c.reason;
        const std::string named =
            "--vary " + (c.refused ? std::string(c.refused) : c.arguments.front()) + ": ";
        EXPECT_EQ(message->rfind(named, 0), 0u) << *message;
        EXPECT_NE(message->find(c.reason), std::string::npos) << *message;
    }
}

TEST(SeriesPlan, TakesKeysTheProjectHas) {
    nlohmann::json h52 = exampleDocument("h52-magnetic-building");
    h52["neighbours"] = {{{"tower", "S12"},
                          {"workingHeight", 10.0},
                          {"groundWireHeight", 14.0},
                          {"offset", -40.0},
                          {"currents", {300.0}}}};
    const auto planned =
        planSeries(seriesProject(h52), {"currents[0]=500:700:100", "building.frontX=25:26:1",
                                        "neighbours[0].offset=-40:-30:10"});
    ASSERT_TRUE(std::holds_alternative<SeriesPlan>(planned)) << std::get<std::string>(planned);
    EXPECT_EQ(combinationCount(std::get<SeriesPlan>(planned)), 12u);
}

// The first key changes slowest, as nested loops in the order given.
TEST(SeriesPlan, CombinationsRunLikeNestedLoops) {
    const auto plan = std::get<SeriesPlan>(
        planSeries(seriesProject(exampleDocument("z52-horizontal")),
                   {"workingHeight=10:11:1", "phaseOrder=all", "line.y=1:3:2"}));
    ASSERT_EQ(combinationCount(plan), 8u);
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < 8; ++i) {
        const std::vector<KeyValue> values = combinationAt(plan, i);
        ASSERT_EQ(values.size(), 3u);
        EXPECT_EQ(values[0].key, "workingHeight");
        EXPECT_EQ(values[2].key, "line.y");
        seen.push_back(std::to_string(static_cast<int>(std::get<double>(values[0].value))) + " " +
                       std::get<std::string>(values[1].value) + " " +
                       std::to_string(static_cast<int>(std::get<double>(values[2].value))));
    }
    const std::vector<std::string> expected = {
        "10 RST-RST 1", "10 RST-RST 3", "10 RST-TRS 1", "10 RST-TRS 3",
        "11 RST-RST 1", "11 RST-RST 3", "11 RST-TRS 1", "11 RST-TRS 3",
    };
    EXPECT_EQ(seen, expected);
}

} // namespace
} // namespace velt
