// velt-calc with the options beyond the line: the command-line options that replace the
// project's, the JSON keys and files of their results, the report's lines after the
// specified report, and the field map.

#include "CapturedRun.h"

#include "cli/BatchRun.h"
#include "model/Cp1250.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace velt {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using testing::fileBytes;

struct OptionsCli : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("velt-options-" + std::to_string(::getpid()));

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    testing::CapturedRun run(std::vector<std::string> args, const json& project) const {
        const fs::path path = dir / "projekt.json";
        std::ofstream(path) << project.dump(2);
        args.insert(args.begin(), path.string());
        return testing::runCaptured(runVeltCalc, args);
    }
    json jsonOf(const std::string& name) const {
        std::ifstream in(dir / name);
        return json::parse(in);
    }
    std::string report() const { return fromCp1250(fileBytes(dir / "projekt.txt")); }
    std::string path(const std::string& name) const { return (dir / name).string(); }
};

json z52() {
    return {
        {"tower", "Z52"},      {"workingHeight", 12}, {"groundWireHeight", 30},
        {"field", "electric"}, {"mode", "line"},      {"line", {{"kind", "horizontal"}, {"y", 2}}},
        {"range", 50}};
}

json z52OnConductors() {
    json p = z52();
    p["mode"] = "conductors";
    p["interference"] = {{"distance", 20}, {"frequencyMHz", 0.5}};
    return p;
}

// Without options the report is byte for byte the one a project without them gives; the
// accurate method adds one line and raises the surface field and the interference.
TEST_F(OptionsCli, AccurateSurfaceMethod) {
    ASSERT_EQ(run({}, z52OnConductors()).status, 0);
    const std::string specified = report();
    ASSERT_EQ(run({"--json", path("s.json")}, z52OnConductors()).status, 0);
    EXPECT_EQ(report(), specified);
    const json s = jsonOf("s.json");
    // Every bundle is listed: six phase bundles and two ground wires of Z52.
    ASSERT_EQ(s["bundleGradients"].size(), 8u);
    EXPECT_EQ(s["bundleGradients"][0]["role"], "phase");
    EXPECT_EQ(s["bundleGradients"][6]["role"], "ground");
    EXPECT_EQ(s["bundleGradients"][6]["phase"], nullptr);
    EXPECT_GT(s["maxSurfaceGradientAccurate"].get<double>(), s["maxSurfaceGradient"].get<double>());
    EXPECT_NEAR(s["corona"]["surfaceFactor"].get<double>(), 0.82, 1e-15);

    ASSERT_EQ(
        run({"--surface-method", "accurate", "--json", path("a.json")}, z52OnConductors()).status,
        0);
    const json a = jsonOf("a.json");
    EXPECT_EQ(a["maxSurfaceGradient"], s["maxSurfaceGradientAccurate"]);
    EXPECT_EQ(a["surfaceMethod"], "accurate");
    const std::string accurate = report();
    EXPECT_EQ(accurate.rfind(specified.substr(0, 200), 0), 0u);
    EXPECT_NE(accurate.find("metoda dokladna"), std::string::npos);
    // Each level rises by its formula's factor times the gradient's rise.
    const double rise =
        a["maxSurfaceGradient"].get<double>() - s["maxSurfaceGradient"].get<double>();
    EXPECT_NEAR(a["interferenceLevel"][0].get<double>() - s["interferenceLevel"][0].get<double>(),
                3.25 * rise, 1e-9);
    // The project's own key does the same as the option.
    json project = z52OnConductors();
    project["surfaceMethod"] = "accurate";
    ASSERT_EQ(run({}, project).status, 0);
    EXPECT_EQ(report(), accurate);
}

TEST_F(OptionsCli, LimitsGiveZonesInTheJsonTheCsvAndTheReport) {
    json project = z52();
    project["limits"] = {"icnirp-2010-public"};
    ASSERT_EQ(
        run({"--limits", "pl-residential", "--json", path("z.json"), "--zones", path("zones.csv")},
            project)
            .status,
        0);
    const json zones = jsonOf("z.json")["zones"];
    ASSERT_EQ(zones.size(), 1u); // the option replaces the project's list
    EXPECT_EQ(zones[0]["limit"], "pl-residential");
    EXPECT_EQ(zones[0]["quantity"], "E");
    EXPECT_NEAR(zones[0]["from"].get<double>(), -zones[0]["to"].get<double>(), 0.01);
    EXPECT_NEAR(zones[0]["width"].get<double>(),
                zones[0]["to"].get<double>() - zones[0]["from"].get<double>(), 1e-9);
    EXPECT_EQ(zones[0]["buildingInside"], nullptr);
    const std::string csv = fileBytes(dir / "zones.csv");
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "limit,quantity,level(kV/m),from(m),to(m),width(m),openLeft,openRight,"
              "buildingInside,intervals");
    EXPECT_NE(csv.find("\npl-residential,E,1,"), std::string::npos);
    EXPECT_NE(report().find("Tereny zabudowy mieszkaniowej (PL): 1.000 kV/m"), std::string::npos);
}

TEST_F(OptionsCli, MagneticUnitChangesTheTableNotTheReport) {
    json project = z52();
    project["field"] = "magnetic";
    project["currents"] = {500, 400};
    ASSERT_EQ(run({"--csv", path("h.csv")}, project).status, 0);
    const std::string reportInAmperes = report();
    ASSERT_EQ(run({"--magnetic-unit", "uT", "--csv", path("b.csv")}, project).status, 0);
    EXPECT_EQ(report(), reportInAmperes);
    std::istringstream h(fileBytes(dir / "h.csv"));
    std::istringstream b(fileBytes(dir / "b.csv"));
    std::string hLine;
    std::string bLine;
    std::getline(h, hLine);
    std::getline(b, bLine);
    EXPECT_EQ(bLine, "x(m),kx(uT),ky(uT),kw(uT)");
    std::getline(h, hLine);
    std::getline(b, bLine);
    const double amperes = std::stod(hLine.substr(hLine.rfind(',') + 1));
    const double tesla = std::stod(bLine.substr(bLine.rfind(',') + 1));
    EXPECT_NEAR(tesla, amperes * 4e-7 * M_PI * 1e6, 1e-12 * tesla);
}

TEST_F(OptionsCli, NeighboursJoinTheFieldTheJsonAndTheReport) {
    json project = z52();
    ASSERT_EQ(run({"--json", path("alone.json")}, project).status, 0);
    project["neighbours"] = {{{"tower", "S12"},
                              {"workingHeight", 10},
                              {"groundWireHeight", 14},
                              {"offset", 40},
                              {"label", "Linia 110 kV"}}};
    ASSERT_EQ(run({"--json", path("with.json")}, project).status, 0);
    const json alone = jsonOf("alone.json");
    const json with = jsonOf("with.json");
    EXPECT_FALSE(alone.contains("neighbours"));
    ASSERT_EQ(with["neighbours"].size(), 1u);
    EXPECT_EQ(with["neighbours"][0]["label"], "Linia 110 kV");
    // S12's ground wire stands on its axis, 40 m right of the main tower's.
    EXPECT_NEAR(with["neighbours"][0]["ground"][0][0].get<double>(), 40.0, 1e-9);
    EXPECT_NE(with["resultValue"], alone["resultValue"]);
    EXPECT_NE(report().find("****** Linie sasiednie ******"), std::string::npos);
}

TEST_F(OptionsCli, FieldMapAsCsv) {
    ASSERT_EQ(run({"--map", path("map.csv"), "--map-grid", "1,0.5,20"}, z52()).status, 0);
    std::istringstream csv(fileBytes(dir / "map.csv"));
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(line, "x(m),y(m),value(kV/m)");
    int rows = 0;
    while (std::getline(csv, line)) {
        ++rows;
    }
    EXPECT_EQ(rows, 101 * 41); // -50..50 by 1 m, 0..20 by 0.5 m
}

// A bad option is refused before anything is computed, naming what is wrong.
TEST_F(OptionsCli, BadOptionsAreRefused) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--surface-method", "best"}, "--surface-method"},
        {{"--limits", "pl-everywhere"}, "known: pl-residential"},
        {{"--limits", "pl-residential,pl-residential"}, "twice"},
        {{"--magnetic-unit", "mT"}, "--magnetic-unit"},
        {{"--map", "m.csv", "--map-grid", "0,1"}, "Krok siatki"},
        {{"--map", "m.csv", "--map-grid", "1,x"}, "\"x\" is not a number"},
        {{"--map", "m.csv", "--map-grid", "0.01,0.01"}, "1000000"},
        {{"--map-grid", "1,1"}, "--map-grid needs"},
    };
    for (const auto& [args, expected] : cases) {
        SCOPED_TRACE(args.front() + " " + args.back());
        const auto r = run(args, z52());
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find(expected), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(dir / "projekt.txt"));
        EXPECT_FALSE(fs::exists(dir / "m.csv"));
    }
}

} // namespace
} // namespace velt
