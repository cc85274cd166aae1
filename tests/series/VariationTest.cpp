#include "series/Variation.h"

#include <gtest/gtest.h>

namespace velt {
namespace {

struct BadArgument {
    const char* argument;
    const char* reason;
};

// Every refusal names the argument as given, then what is wrong with it.
TEST(Variation, RefusesBadArgumentsNamingThem) {
    const BadArgument cases[] = {
        {"workingHeight", "KEY=FROM:TO:STEP is expected"},
        {"height=1:2:1", "no series varies the key \"height\""},
        {"neighbours[x].offset=1:2:1", "no series varies"},
        {"neighbours[01].offset=1:2:1", "no series varies"},
        {"workingHeight=10:20", "FROM:TO:STEP is expected"},
        {"workingHeight=10:20:1:2", "FROM:TO:STEP is expected"},
        {"workingHeight=ten:20:1", "must be numbers"},
        {"workingHeight=10:20:1x", "must be numbers"},
        {"workingHeight=10::1", "must be numbers"},
        {"workingHeight=nan:20:1", "must be numbers"},
        {"workingHeight=10:inf:1", "must be numbers"},
        {"workingHeight=10:20:0", "the step must not be 0"},
        {"workingHeight=10:20:-1", "the step leads away from TO"},
        {"workingHeight=20:10:1", "the step leads away from TO"},
        {"workingHeight=1:100001:1", "more than 100000 values"},
        {"workingHeight=0:10:1", "workingHeight must be more than 0"},
        {"line.y=2:-1:-1", "line.y must be more than 0"},
        {"towerShift=-5:5:1", "towerShift must be 0 or more"},
        {"phaseOrder=1:2:1", "phaseOrder takes \"all\""},
    };
    for (const BadArgument& c : cases) {
        const auto parsed = parseVariation(c.argument);
        const auto* message = std::get_if<std::string>(&parsed);
        ASSERT_NE(message, nullptr) << c.argument;
        const std::string named = std::string("--vary ") + c.argument + ": ";
        EXPECT_EQ(message->rfind(named, 0), 0u) << *message;
        EXPECT_NE(message->find(c.reason), std::string::npos) << *message;
    }
}

struct GoodArgument {
    const char* argument;
    std::vector<SeriesValue> values;
};

// TO is reached exactly when the steps land on it, whatever the rounding of the steps.
TEST(Variation, ReadsTheValuesFromFromToTo) {
    const GoodArgument cases[] = {
        {"workingHeight=10:12:0.5", {10.0, 10.5, 11.0, 11.5, 12.0}},
        {"towerShift=5:0:-2.5", {5.0, 2.5, 0.0}},
        {"line.y=0.1:0.3:0.1", {0.1, 0.2, 0.3}},
        {"building.frontX=-1:0:0.4", {-1.0, -0.6, -0.19999999999999996}},
        {"workingHeight=12:12:1", {12.0}},
        {"neighbours[2].offset=+1:2:1", {1.0, 2.0}},
        {"phaseOrder=all", {std::string("RST-RST"), std::string("RST-TRS")}},
    };
    for (const GoodArgument& c : cases) {
        const auto parsed = parseVariation(c.argument);
        const auto* variation = std::get_if<Variation>(&parsed);
        ASSERT_NE(variation, nullptr) << std::get<std::string>(parsed);
        EXPECT_EQ(variation->argument, c.argument);
        ASSERT_EQ(variation->values.size(), c.values.size()) << c.argument;
        for (std::size_t i = 0; i < c.values.size(); ++i) {
            if (const double* expected = std::get_if<double>(&c.values[i])) {
                EXPECT_DOUBLE_EQ(std::get<double>(variation->values[i]), *expected)
                    << c.argument << " [" << i << "]";
            } else {
                EXPECT_EQ(variation->values[i], c.values[i]) << c.argument;
            }
        }
    }
    // The last value is TO itself, not TO with the steps' rounding.
    const auto y = std::get<Variation>(parseVariation("line.y=0.1:0.3:0.1"));
    EXPECT_EQ(std::get<double>(y.values.back()), 0.3);
}

} // namespace
} // namespace velt
