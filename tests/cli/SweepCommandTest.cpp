#include "RunFolder.h"

#include "model/DecimalText.h"
#include "results/Report.h"
#include "series/ProjectCalculation.h"

#include <cmath>

namespace velt {
namespace {

using testing::csvCells;
using testing::fileBytes;
using testing::json;
using testing::samplePositions;

using Sweep = testing::RunFolder;

std::string full(double value) {
    return formatNumber("%.17g", value);
}

// Each row is the calculation of the project with its values written in: the same maximum
// to the last digit, the same place, the same report.
TEST_F(Sweep, RowsEqualSingleRunsOfTheProjectWithTheValuesWrittenIn) {
    const json project = example("z52-horizontal");
    const std::string path = write("z52.json", project).string();
    const std::vector<std::string> varied = {"workingHeight=10:14:0.8", "phaseOrder=all"};
    const auto r = run({"sweep", path, "--vary", varied[0], "--vary", varied[1]});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto rows = csvCells(r.out);
    ASSERT_EQ(rows.size(), 13u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"workingHeight", "phaseOrder", "max",
                                                 "maxPosition", "refused"}));
    const auto plan = std::get<SeriesPlan>(planSeries(*openSeriesProject(path).project, varied));
    for (const std::size_t i : {0u, 5u, 6u, 11u}) {
        const auto& cells = rows[i + 1];
        json written = project;
        written["workingHeight"] = std::stod(cells[0]);
        written["phaseOrder"] = cells[1];
        const auto s = single(written);
        ASSERT_EQ(s.status, 0);
        const int maxIndex = s.profile["resultMaxIndex"];
        EXPECT_EQ(cells[2], full(s.profile["resultMaxValue"])) << i;
        EXPECT_EQ(cells[3], full(samplePositions(s.profile)[maxIndex - 1])) << i;
        EXPECT_EQ(cells[4], "");

        const ProjectCalculation c = calculateWith(plan.project, combinationAt(plan, i));
        ASSERT_TRUE(writeReport((dir / "row.txt").string(), *c.profile, {}));
        EXPECT_EQ(fileBytes(dir / "row.txt"), s.report) << i;
    }
}

// Zone edges are bisected to 1 mm.
constexpr double kEdge = 1e-3;

// A zone holds every sample at or above the level (peak: a magnetic level x sqrt 2) and no
// other; a level never reached leaves its cells empty.
TEST_F(Sweep, ZonesHoldTheSamplesAtOrAboveTheLevel) {
    json project = example("h52-magnetic-building");
    project["limits"] = {{{"name", "Próg, \"własny\""}, {"electric", 1.0}, {"magnetic", 2.0}},
                         "pl-residential"};
    const auto r =
        run({"sweep", write("h52.json", project).string(), "--vary", "workingHeight=14:16:1"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string own = "\"zone:Próg, \"\"własny\"\":";
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
              "workingHeight,max,maxPosition," + own + "from\"," + own + "to\"," + own +
                  "width\",zone:pl-residential:from,zone:pl-residential:to,"
                  "zone:pl-residential:width,refused");
    const auto rows = csvCells(r.out.substr(r.out.find('\n') + 1));
    ASSERT_EQ(rows.size(), 3u);
    for (const auto& cells : rows) {
        ASSERT_EQ(cells.size(), 10u);
        const double from = std::stod(cells[3]);
        const double to = std::stod(cells[4]);
        EXPECT_NEAR(std::stod(cells[5]), to - from, 1e-9);
        EXPECT_EQ(cells[6] + cells[7] + cells[8], "");
        json written = project;
        written["workingHeight"] = std::stod(cells[0]);
        const auto s = single(written);
        const std::vector<double> at = samplePositions(s.profile);
        for (std::size_t k = 0; k < at.size(); ++k) {
            const bool above = s.profile["resultValue"][k].get<double>() >= 2.0 * std::sqrt(2.0);
            const bool inside = at[k] > from + kEdge && at[k] < to - kEdge;
            const bool near = at[k] >= from - kEdge && at[k] <= to + kEdge;
            EXPECT_TRUE(above ? near : !inside) << at[k];
        }
    }
}

TEST_F(Sweep, RowsKeepTheirOrderWithOneAndTwoThreads) {
    const std::string path = write("z52.json", example("z52-horizontal")).string();
    std::vector<std::string> csv;
    for (const char* threads : {"1", "2"}) {
        const std::string file = (dir / (std::string("s") + threads + ".csv")).string();
        const auto r = run({"sweep", path, "--vary", "workingHeight=10:14:0.25", "--vary",
                            "phaseOrder=all", "--threads", threads, "-o", file});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, file + "\n");
        csv.push_back(fileBytes(file));
    }
    EXPECT_EQ(csv[0], csv[1]);
    const auto rows = csvCells(csv[0]);
    ASSERT_EQ(rows.size(), 35u);
    EXPECT_EQ(rows[1][0] + " " + rows[1][1], "10 RST-RST");
    EXPECT_EQ(rows[2][0] + " " + rows[2][1], "10 RST-TRS");
    EXPECT_EQ(rows[34][0] + " " + rows[34][1], "14 RST-TRS");
}

TEST_F(Sweep, ARefusedCombinationKeepsItsRowAndTheSeriesGoesOn) {
    const std::string file = (dir / "s.csv").string();
    const auto r = run({"sweep", write("z52.json", example("z52-horizontal")).string(), "--vary",
                        "groundWireHeight=20:30:5", "-o", file});
    EXPECT_EQ(r.status, 2);
    const auto rows = csvCells(fileBytes(file));
    ASSERT_EQ(rows.size(), 4u);
    for (const std::size_t i : {1u, 2u}) {
        EXPECT_EQ(rows[i][1] + rows[i][2], "");
        EXPECT_EQ(rows[i][3], "Przewody odgromowe są umieszczone zbyt nisko!");
    }
    EXPECT_NE(rows[3][1], "");
    EXPECT_EQ(rows[3][3], "");
}

struct BadRun {
    const char* example;
    std::vector<std::string> args;
    const char* message;
};

// Nothing runs and nothing is written for bad arguments (exit status 2); the message names
// the argument.
TEST_F(Sweep, BadArgumentsAreRefusedNamingThem) {
    const std::string bad = (dir / "bad.csv").string();
    const BadRun cases[] = {
        {"z52-horizontal",
         {"--vary", "workingHeight=10:20:0"},
         "--vary workingHeight=10:20:0: the step must not be 0"},
        {"z52-horizontal",
         {"--vary", "neighbours[3].offset=1:2:1"},
         "--vary neighbours[3].offset=1:2:1: the project lists no neighbours[3]"},
        {"h52-magnetic-building",
         {"--vary", "currents[1]=100:200:100"},
         "--vary currents[1]=100:200:100: the line has one circuit"},
        {"z52-horizontal",
         {"--vary", "workingHeight=1:2:1", "--limits", "pl-residential,x"},
         "--limits: unknown level \"x\""},
        {"z52-horizontal", {"--vary", "workingHeight=1:2:1", "--threads", "0"}, "--threads"},
        {"z52-horizontal", {}, "--vary is required"},
    };
    for (const BadRun& c : cases) {
        std::vector<std::string> args = {"sweep", write("p.json", example(c.example)).string(),
                                         "-o", bad};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = run(args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(testing::fs::exists(bad));
    }
}

TEST_F(Sweep, FilesThatCannotBeReadOrWrittenEndWithStatusOne) {
    const std::string project = write("z52.json", example("z52-horizontal")).string();
    const std::string missing = (dir / "none.json").string();
    const std::string unwritable = (dir / "none" / "s.csv").string();
    const std::vector<std::vector<std::string>> cases = {
        {"sweep", missing, "--vary", "workingHeight=10:11:1"},
        {"sweep", project, "--vary", "workingHeight=10:11:1", "-o", unwritable},
    };
    for (const auto& args : cases) {
        const auto r = run(args);
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_NE(r.err, "");
    }
}

TEST_F(Sweep, ProgressIsDrawnOnATerminalOnly) {
    const std::string path = write("z52.json", example("z52-horizontal")).string();
    const std::vector<std::string> args = {"sweep", path, "--vary", "workingHeight=10:12:1"};
    const auto terminal = run(args, true);
    EXPECT_NE(terminal.err.find("] 3/3\n"), std::string::npos) << terminal.err;
    EXPECT_EQ(run(args, false).err, "");
}

} // namespace
} // namespace velt
