#include "SeriesTestProjects.h"

#include "series/SeriesRun.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velt {
namespace {

SeriesPlan z52Plan() {
    return std::get<SeriesPlan>(
        planSeries(testing::seriesProject(testing::exampleDocument("z52-horizontal")),
                   {"workingHeight=10:13:1", "phaseOrder=all"}));
}

std::size_t rowsIn(const SeriesOutcome& outcome, RowState state) {
    return static_cast<std::size_t>(
        std::count_if(outcome.rows.begin(), outcome.rows.end(),
                      [state](const SeriesRow& row) { return row.state == state; }));
}

TEST(SeriesRun, ReportsEveryCombinationOnceInRisingCounts) {
    const SeriesPlan plan = z52Plan();
    std::vector<std::size_t> counts;
    SeriesRunOptions options;
    options.threads = 2;
    options.progress = [&counts](std::size_t done) { counts.push_back(done); };
    const SeriesOutcome outcome = runSeries(plan, options);
    EXPECT_FALSE(outcome.cancelled);
    EXPECT_EQ(rowsIn(outcome, RowState::Computed), 8u);
    std::vector<std::size_t> expected(8);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        expected[i] = i + 1;
    }
    EXPECT_EQ(counts, expected);
}

TEST(SeriesRun, CancelLeavesTheCombinationsNotStartedWithTheirValues) {
    const SeriesPlan plan = z52Plan();
    std::atomic<bool> cancel{false};
    SeriesRunOptions options;
    options.threads = 1;
    options.cancel = &cancel;
    options.progress = [&cancel](std::size_t done) { cancel = done == 3; };
    const SeriesOutcome outcome = runSeries(plan, options);
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(rowsIn(outcome, RowState::Computed), 3u);
    EXPECT_EQ(rowsIn(outcome, RowState::NotRun), 5u);
    for (std::size_t i = 0; i < outcome.rows.size(); ++i) {
        ASSERT_EQ(outcome.rows[i].values.size(), 2u);
        EXPECT_EQ(outcome.rows[i].values[1].value, combinationAt(plan, i)[1].value);
    }
}

} // namespace
} // namespace velt
