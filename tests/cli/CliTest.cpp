#include "CapturedRun.h"
#include "ReportFormat.h"
#include "RunFolder.h"

#include "cli/BatchRun.h"
#include "model/BuiltInTowers.h"
#include "model/Cp1250.h"
#include "model/DecimalText.h"
#include "project/ProjectSchema.h"
#include "project/TowerJson.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

namespace velt {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using testing::fileBytes;
using testing::ParsedReport;
using testing::parseReport;

using CliRun = testing::CapturedRun;

struct Cli : testing::RunFolder {
    // Computes `project` and returns the report, its JSON profile and the CSV rows.
    struct Output {
        CliRun run;
        std::string report;
        json profile;
        std::vector<std::string> csv;
    };
    Output compute(const json& project) const {
        const fs::path path = write("projekt.json", project);
        Output o;
        o.run = run({path.string(), "--json", (dir / "p.json").string(), "--csv",
                     (dir / "p.csv").string()});
        if (o.run.status == 0) {
            o.report = fileBytes(dir / "projekt.txt");
            o.profile = json::parse(fileBytes(dir / "p.json"));
            std::istringstream csv(fileBytes(dir / "p.csv"));
            for (std::string line; std::getline(csv, line);) {
                o.csv.push_back(line);
            }
        }
        return o;
    }
    // Files the run left in the folder besides the project file.
    std::vector<std::string> written() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) {
            if (entry.path().filename() != "projekt.json") {
                names.push_back(entry.path().filename().string());
            }
        }
        return names;
    }
};

json base(const std::string& tower) {
    return {{"tower", tower}, {"workingHeight", 12.0}, {"groundWireHeight", 30.0}, {"range", 50.0}};
}

// A 110 kV tower of single conductors with one ground wire on the axis, the working
// conductors at `phase` ([x, height above the lowest] pairs).
json towerOf(const std::string& series, const std::string& type, const json& phase) {
    return {{"series", series},        {"type", type},
            {"nominalVoltage", 110.0}, {"phaseVoltagePeak", 100.429},
            {"phaseDiameter", 0.016},  {"groundDiameter", 0.013},
            {"phaseBundleSize", 1},    {"phaseBundleSpacing", 1.0},
            {"groundBundleSize", 1},   {"groundBundleSpacing", 1.0},
            {"phase", phase},          {"groundX", {0.0}}};
}

// The printed table is the stored profile: positions relative to the axis as printed,
// values with the printed decimals, one row per point.
void expectReportMatchesProfile(const ParsedReport& report, const json& p) {
    const int count = p["profilePointCount"];
    ASSERT_EQ(static_cast<int>(report.rows.size()), count);
    const bool vertical = p["resultLineKind"];
    const bool magnetic = p["resultFieldKind"];
    const double axisX = p["resultAxisX"];
    const char* valueFormat = vertical ? "%.3lf" : "%.5lf";
    for (int i = 0; i < count; ++i) {
        const auto& row = report.rows[i];
        double position = p["resultPosition"][i];
        if (!vertical) {
            position = (magnetic ? p["resultPositionH"][i].get<double>() : position) - axisX;
        }
        EXPECT_EQ(formatNumber("%.1lf", row[0]), formatNumber("%.1lf", position)) << i;
        EXPECT_EQ(formatNumber(valueFormat, row.back()),
                  formatNumber(valueFormat, p["resultValue"][i].get<double>()))
            << i;
        if (magnetic) {
            EXPECT_EQ(formatNumber(valueFormat, row[1]),
                      formatNumber(valueFormat, p["resultValueX"][i].get<double>()));
            EXPECT_EQ(formatNumber(valueFormat, row[2]),
                      formatNumber(valueFormat, p["resultValueY"][i].get<double>()));
        }
    }
    const bool shifted = p["resultTowerShifted"];
    const double axis = shifted ? axisX : axisX - p["resultAxisOffset"].get<double>();
    ASSERT_TRUE(report.axis.has_value());
    EXPECT_EQ(formatNumber("%lf", *report.axis), formatNumber("%lf", axis));
}

TEST_F(Cli, ExamplesGiveTheCheckedReports) {
    // The surface induction of two circuits with unequal currents in bundles divides each
    // circuit's current among its sub-conductors (3.25 mT, not 3.90 mT).
    for (const char* name : {"z52-horizontal", "h52-magnetic-building",
                             "s12-conductors-interference", "z52-conductors-induction"}) {
        SCOPED_TRACE(name);
        const CliRun r = run(
            {std::string(VELT_EXAMPLES_DIR) + "/" + name + ".json", "-o", (dir / name).string()});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, (dir / name).string() + ".txt\n");
        const std::string report = fileBytes(dir / (std::string(name) + ".txt"));
        EXPECT_EQ(parseReport(report).problem, "");
        EXPECT_EQ(report, fileBytes(fs::path(VELT_EXPECTED_DIR) / (std::string(name) + ".txt")));
    }
}

// The format check itself finds a broken line.
TEST_F(Cli, FormatCheckFindsBrokenLines) {
    const std::string good = fileBytes(fs::path(VELT_EXPECTED_DIR) / "h52-magnetic-building.txt");
    ASSERT_EQ(parseReport(good).problem, "");
    const std::vector<std::pair<std::string, std::string>> breaks = {
        {"[A]\r\n", "[A]\n"},
        {" 14.0   14.0  ", " 14.0  14.0  "},
        {"   0.53315\r\n", "   0.5331\r\n"},
        {"lpe = 22", "lpe = 21"},
        {"Wysokosci przewodow odgromowych", "Wysokosci przewodow roboczych"},
        {"     650.00 [A]", "     650.0 [A]"},
    };
    for (const auto& [from, to] : breaks) {
        SCOPED_TRACE(from);
        std::string broken = good;
        const auto at = broken.find(from);
        ASSERT_NE(at, std::string::npos);
        broken.replace(at, from.size(), to);
        EXPECT_NE(parseReport(broken).problem, "");
    }
    EXPECT_NE(parseReport(good + "\r\n").problem, "");
}

// Every tower in every mode: each report line follows its format and the table is the
// stored profile.
TEST_F(Cli, EveryModeWritesWellFormedReports) {
    struct Mode {
        const char* name;
        json settings;
    };
    const std::vector<Mode> modes = {
        {"horizontal", json::object()},
        {"shifted", {{"towerShift", 4.0}}},
        {"vertical", {{"line", {{"kind", "vertical"}, {"x", 20.0}}}}},
        {"conductors", {{"mode", "conductors"}}},
        {"building and shield wires",
         {{"building", {{"frontX", 25.0}, {"frontY", 6.0}, {"roofX", 35.0}, {"roofY", 9.0}}},
          {"shieldWires", {{"diameter", 0.02}, {"positions", {{-15.0, 8.0}, {15.0, 8.5}}}}}}},
    };
    for (const char* tower : {"S12", "H52", "Z52"}) {
        for (const char* field : {"electric", "magnetic"}) {
            for (const Mode& mode : modes) {
                SCOPED_TRACE(std::string(tower) + " " + field + " " + mode.name);
                json project = base(tower);
                project["field"] = field;
                project["currents"] = {500.0, 400.0};
                project.update(mode.settings);
                const Output o = compute(project);
                ASSERT_EQ(o.run.status, 0) << o.run.err;
                const ParsedReport report = parseReport(o.report);
                ASSERT_EQ(report.problem, "");
                EXPECT_EQ(report.magnetic, std::string(field) == "magnetic");
                EXPECT_EQ(report.twoCurrents,
                          std::string(tower) == "Z52" && report.magnetic && !report.onConductors);
                EXPECT_EQ(report.lpe, mode.settings.contains("building") ? 22u : 0u);
                if (report.onConductors) {
                    EXPECT_GT(o.profile["maxSurfaceGradient"].get<double>(), 0.0);
                    EXPECT_EQ(o.csv.size(), 2u);
                    continue;
                }
                EXPECT_EQ(report.rows.size(), 201u);
                EXPECT_EQ(o.csv.size(), 202u);
                expectReportMatchesProfile(report, o.profile);
            }
        }
    }
}

TEST_F(Cli, InterferenceOnTheConductors) {
    json project = base("H52");
    project["mode"] = "conductors";
    project["interference"] = {{"distance", 20.0}, {"frequencyMHz", 0.5}};
    const Output o = compute(project);
    ASSERT_EQ(o.run.status, 0) << o.run.err;
    const ParsedReport report = parseReport(o.report);
    EXPECT_EQ(report.problem, "");
    EXPECT_TRUE(report.interference);
    EXPECT_TRUE(o.profile["interferenceComputed"].get<bool>());
    ASSERT_EQ(o.csv.size(), 2u);
    EXPECT_EQ(o.csv[0], "Emx(kV/cm),L1(dB),L2(dB),L3(dB),L4(dB),L5(dB)");
}

// One-sided towers put the maximum left or right of the axis; the second pass computes that
// half, and the report prints positions relative to the axis either way.
TEST_F(Cli, TwoPassSideAndAxis) {
    for (const double side : {-1.0, 1.0}) {
        SCOPED_TRACE(side);
        json project = base("S12");
        project["tower"] = towerOf("T", "1", {{side * 6, 0.0}, {side * 9, 0.0}, {side * 12, 0.0}});
        const Output o = compute(project);
        ASSERT_EQ(o.run.status, 0) << o.run.err;
        const ParsedReport report = parseReport(o.report);
        ASSERT_EQ(report.problem, "");
        const bool left = side < 0;
        EXPECT_EQ(o.profile["resultAxisX"], left ? 50.0 : 0.0);
        EXPECT_EQ(o.profile["resultAxisOffsetSet"], left);
        EXPECT_EQ(o.profile["resultStep"], 0.25);
        EXPECT_EQ(o.profile["drawRange"], 50.0); // the proposal, read back
        EXPECT_EQ(*report.axis, 0.0);
        EXPECT_EQ(report.rows.front()[0], left ? -50.0 : 0.0);
        EXPECT_EQ(report.rows.back()[0], left ? 0.0 : 50.0);
        EXPECT_LT(side * o.profile["maxPosition"].get<double>() - (left ? -50.0 : 0.0), 50.0);
        expectReportMatchesProfile(report, o.profile);
    }
}

TEST_F(Cli, ShiftedTowerAndVerticalLineAxes) {
    json project = base("H52");
    project["towerShift"] = 10.0;
    project["range"] = 70.0; // 70 / 0.35 comes out a little below 200
    Output o = compute(project);
    ASSERT_EQ(o.run.status, 0) << o.run.err;
    ParsedReport report = parseReport(o.report);
    ASSERT_EQ(report.problem, "");
    EXPECT_EQ(*report.axis, 10.0);
    ASSERT_EQ(report.rows.size(), 201u);
    EXPECT_EQ(report.rows.front()[0], -10.0);
    EXPECT_EQ(report.rows.back()[0], 60.0);
    EXPECT_EQ(o.profile["drawRange"], 70.0);

    project = base("Z52");
    project["line"] = {{"kind", "vertical"}, {"x", 15.0}};
    project["range"] = 20.0;
    o = compute(project);
    ASSERT_EQ(o.run.status, 0) << o.run.err;
    report = parseReport(o.report);
    ASSERT_EQ(report.problem, "");
    EXPECT_TRUE(report.vertical);
    EXPECT_EQ(*report.axis, 0.0);
    EXPECT_EQ(report.rows.front()[0], 0.0);
    EXPECT_EQ(report.rows.back()[0], 40.0); // the doubled range: heights 0 to 2R
    EXPECT_EQ(o.csv[0], "y(m),ks(kV/m)");
}

TEST_F(Cli, JsonHoldsTheWholeProfileAtFullPrecision) {
    json project = base("Z52");
    project["field"] = "magnetic";
    project["currents"] = {650.0, 400.0};
    project["comment"] = "Zażółć gęślą jaźń";
    const Output o = compute(project);
    ASSERT_EQ(o.run.status, 0) << o.run.err;
    const json& p = o.profile;
    EXPECT_EQ(p.size(), 61u); // every field but the two window handles
    EXPECT_FALSE(p.contains("variantWindow"));
    EXPECT_EQ(p["resultComment"], "Zażółć gęślą jaźń");
    EXPECT_EQ(p["resultTowerSeries"], "Z52");
    EXPECT_EQ(p["resultConductorX"].size(), 8u);
    EXPECT_EQ(p["resultPositionH"].size(), 201u);
    EXPECT_EQ(p["interferenceLevel"].size(), 5u);
    EXPECT_EQ(p["resultMaxCurrent2"], 400.0);
    EXPECT_EQ(p["variantNumber"], 1);
    // The CSV carries the same numbers in full: 201 rows, position from the tower axis.
    ASSERT_EQ(o.csv.size(), 202u);
    EXPECT_EQ(o.csv[0], "x(m),kx(A/m),ky(A/m),kw(A/m)");
    const double axis = p["resultAxisX"].get<double>();
    for (std::size_t i = 0; i < 201; ++i) {
        std::istringstream row(o.csv[i + 1]);
        std::string cell;
        std::vector<double> cells;
        while (std::getline(row, cell, ',')) {
            cells.push_back(std::stod(cell));
        }
        ASSERT_EQ(cells.size(), 4u) << o.csv[i + 1];
        EXPECT_EQ(cells[0], p["resultPositionH"][i].get<double>() - axis) << i;
        EXPECT_EQ(cells[1], p["resultValueX"][i].get<double>()) << i;
        EXPECT_EQ(cells[2], p["resultValueY"][i].get<double>()) << i;
        EXPECT_EQ(cells[3], p["resultValue"][i].get<double>()) << i;
    }
    // The comment reaches the report in Windows-1250.
    EXPECT_NE(o.report.find(toCp1250("Komentarz: Zażółć gęślą jaźń\r\n")), std::string::npos);
}

// A tower from a catalogue, named relative to the project file, computes as the built-in
// tower with the same data.
TEST_F(Cli, CatalogueTower) {
    const json tower = towerOf("S12k", "P", {{-2.6, 0.0}, {3.4, 0.0}, {2.6, 3.2}});
    const fs::path towerFile = write("wieza.json", tower);
    ASSERT_EQ(run({"towers", "add", (dir / "wieze").string(), towerFile.string()}).status, 0);

    const Output builtIn = compute(base("S12"));
    ASSERT_EQ(builtIn.run.status, 0) << builtIn.run.err;
    json project = base("S12");
    project["tower"] = {{"catalogue", "wieze.VELT_data"}, {"key", "S12k <-> P"}};
    const Output fromCatalogue = compute(project);
    ASSERT_EQ(fromCatalogue.run.status, 0) << fromCatalogue.run.err;
    EXPECT_EQ(fromCatalogue.profile["resultValue"], builtIn.profile["resultValue"]);
    const std::string table = "------------------------------";
    EXPECT_EQ(fromCatalogue.report.substr(fromCatalogue.report.find(table)),
              builtIn.report.substr(builtIn.report.find(table)));

    project["tower"]["key"] = "S12k <-> PS";
    const CliRun r = run({write("projekt.json", project).string()});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err, "");
}

struct Refusal {
    const char* what;
    json change; ///< merged into a valid S12 project; null values remove the key
    std::string message;
};

// Every refusal writes nothing, says why on the error stream and ends with status 2.
TEST_F(Cli, RefusalsWriteNothing) {
    const std::vector<Refusal> refusals = {
        {"no tower", {{"tower", nullptr}}, "Nie wybrano serii i typu słupa!"},
        {"building before a tower",
         {{"tower", nullptr},
          {"building", {{"frontX", 20}, {"frontY", 5}, {"roofX", 30}, {"roofY", 8}}}},
         "Wybierz najpierw serię i typ słupa!"},
        {"no working height",
         {{"workingHeight", nullptr}},
         "Nie podano wysokości zawieszenia przewodów roboczych!"},
        {"no ground-wire height",
         {{"groundWireHeight", nullptr}},
         "Nie podano wysokości zawieszenia przewodów odgromowych!"},
        {"ground wires too low",
         {{"groundWireHeight", 14.0}},
         "Przewody odgromowe są umieszczone zbyt nisko!"},
        {"ground wires below the working conductors",
         {{"groundWireHeight", 10.0}},
         "Przewody odgromowe są umieszczone zbyt nisko!"},
        {"building coordinate missing",
         {{"building", {{"frontX", 20}, {"frontY", 5}, {"roofX", 30}}}},
         "Nie podano wszystkich współrzędnych domku!"},
        {"building points equal",
         {{"building", {{"frontX", 20}, {"frontY", 5}, {"roofX", 20}, {"roofY", 5}}}},
         "Współrzędne domku muszą być różne!"},
        {"building on a working conductor",
         {{"building", {{"frontX", -2.6}, {"frontY", 12}, {"roofX", 30}, {"roofY", 8}}}},
         "Współrzędne budynku muszą być różne\nod współrzędnych przewodów roboczych!"},
        {"shield wires repeated",
         {{"shieldWires", {{"diameter", 0.02}, {"positions", {{3, 12}, {3.0, 12}}}}}},
         "Błędne dane!\nWspółrzędne się powtarzają!"},
        {"shield-wire diameter",
         {{"shieldWires", {{"positions", {{3, 12}}}}}},
         "Nie podano średnicy przewodów ekranujących!"},
        {"shield wire on a working conductor",
         {{"shieldWires", {{"diameter", 0.02}, {"positions", {{3.4, 12}}}}}},
         "Współrzędne przewodów ekranujących muszą być różne\nod współrzędnych przewodów "
         "roboczych!"},
        {"shield wire on a ground wire",
         {{"shieldWires", {{"diameter", 0.02}, {"positions", {{0, 30}}}}}, {"line", {{"y", 3}}}},
         "Dwa przewody nie mogą leżeć w tym samym miejscu!"},
        {"interference frequency",
         {{"mode", "conductors"}, {"interference", {{"distance", 20}}}},
         "Częstotliwość musi być większa od 0.0!"},
        {"negative shift",
         {{"towerShift", -1.0}},
         "Przesunięcie słupa nie może być mniejsze "
         "od 0.0 [m]!"},
        {"current in the dialog",
         {{"field", "magnetic"}, {"currents", {0.0}}},
         "Wartość prądy fazowego musi być większa od 0.0!"},
        {"no current on OK",
         {{"field", "magnetic"}},
         "Wartość prądu fazowego musi być większa "
         "od 0.0!"},
        {"second circuit",
         {{"tower", "Z52"}, {"field", "magnetic"}, {"currents", {500.0}}},
         "Wartość prądy fazowego musi być większa od 0.0!"},
        {"horizontal line height", {{"line", {{"y", 0.0}}}}, "Nie podano współrzędnej prostej Y!"},
        {"horizontal line at the ground wires",
         {{"line", {{"y", 30.0}}}},
         "Współrzędna prostej Y musi być różna od\n\n1. Wsp. y przewodów odgromowych\n2. Wsp. y "
         "przewodów ekranujących\n3. Wsp. y budynku"},
        {"vertical line distance",
         {{"line", {{"kind", "vertical"}, {"x", -3.0}}}},
         "Nie podano współrzędnej prostej X!"},
        {"vertical line through a ground wire",
         {{"line", {{"kind", "vertical"}, {"x", 4.0}}}, {"towerShift", 4.0}},
         "Współrzędna prostej X musi być różna od\n\n1. Wsp. x przewodów odgromowych\n2. Wsp. x "
         "przewodów ekranujących\n3. Wsp. x budynku"},
        {"range", {{"range", 0.0}}, "Zakres obliczeń musi być większy od 0.0 [m]!"},
        {"range of a shifted tower",
         {{"range", -5.0}, {"towerShift", 2.0}},
         "Zakres obliczeń musi by większy od 0.0 [m]!"},
        {"drawing range zero", {{"drawRange", 0.0}}, "Zakres rysunku musi być większy od 0.0 [m]!"},
        {"drawing range beyond the profile",
         {{"drawRange", 50.5}, {"towerShift", 1.0}},
         "Zakres rysunku nie może być większy od zakresu obliczeń!"},
        {"proposed drawing range rounds to zero",
         {{"range", 0.004}},
         "Zakres rysunku musi być większy od 0.0 [m]!"},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        json project = base("S12");
        project.merge_patch(refusal.change);
        const fs::path path = write("projekt.json", project);
        const CliRun r = run({path.string(), "--json", (dir / "p.json").string()});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, refusal.message + "\n");
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(written().empty());
    }
}

TEST_F(Cli, MalformedProjectsNameTheKey) {
    std::vector<std::pair<std::string, std::string>> cases = {
        {"{\"tower\": \"S12\",", "not JSON"},
        // A number no double holds is refused like broken JSON, never a crash.
        {R"({"tower": "S12", "workingHeight": 4e4444})", "not JSON"},
        {"[1, 2]", "one JSON object"},
        {R"({"tower": "S12", "workingHeight": "12"})", "\"workingHeight\""},
        {R"({"tower": "S12", "colour": "red"})", "\"colour\""},
        {R"({"tower": "S12", "field": "gravity"})", "\"field\""},
        {R"({"tower": "S12", "line": {"kind": "horizontal", "z": 1}})", "\"line.z\""},
        {R"({"tower": "S99"})", "\"tower\""},
        {R"({"tower": "S12", "currents": [1, 2, 3]})", "\"currents\""},
        {R"({"tower": "S12", "shieldWires": {"positions": [[1]]}})", "\"shieldWires.positions\""},
        {R"({"tower": "S12", "building": {"frontX": true}})", "\"building.frontX\""},
        {R"({"tower": "S12", "comment": 5})", "\"comment\""},
        {R"({"tower": "S12", "interference": {"frequencyMHz": 1}})", "\"interference\""},
        {R"({"tower": {"catalogue": "t.VELT_data"}})", "\"tower.key\""},
    };
    // A tower the calculation cannot compute is refused on loading, by its key.
    nlohmann::json tower = towerToJson(builtInTowers()[1]);
    tower["phaseDiameter"] = 0.0;
    cases.emplace_back(
        nlohmann::json{{"tower", tower}, {"workingHeight", 14}, {"groundWireHeight", 24}}.dump(),
        "Project key \"tower.phaseDiameter\": Promień przewodów musi być większy od 0.0!");
    tower["phaseDiameter"] = 0.032;
    tower["phase"] = {{-7.7, 0.0}, {0.0, 0.0}, {7.7, 0.0}, {0.0, 5.0}};
    cases.emplace_back(
        nlohmann::json{{"tower", tower}, {"workingHeight", 14}, {"groundWireHeight", 24}}.dump(),
        "\"tower.phase\"");
    for (const auto& [text, key] : cases) {
        SCOPED_TRACE(text);
        const fs::path path = dir / "projekt.json";
        std::ofstream(path) << text;
        const CliRun r = run({path.string()});
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find(key), std::string::npos) << r.err;
        EXPECT_TRUE(written().empty());
    }
}

TEST_F(Cli, FileErrors) {
    CliRun r = run({(dir / "brak.json").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Nie mogę otworzyć pliku!\n" + (dir / "brak.json").string() + "\n");

    const fs::path project = write("projekt.json", base("S12"));
    r = run({project.string(), "-o", (dir / "nie" / "ma").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "NIE MOGE UTWORZYC PLIKU: " + (dir / "nie" / "ma.txt").string() + "\n");

    // The report is written before the profile fails.
    r = run({project.string(), "--csv", (dir / "nie" / "p.csv").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "NIE MOGE UTWORZYC PLIKU: " + (dir / "nie" / "p.csv").string() + "\n");
    EXPECT_TRUE(fs::exists(dir / "projekt.txt"));

    json catalogue = base("S12");
    catalogue["tower"] = {{"catalogue", "wieze.VELT_data"}, {"key", "S12 <-> P"}};
    const fs::path other = write("katalog.json", catalogue);
    r = run({other.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Nie mogę otworzyć pliku!\n" + (dir / "wieze.VELT_data").string() + "\n");
}

TEST_F(Cli, Usage) {
    CliRun r = run({});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("PROJECT"), std::string::npos);
    r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("--json"), std::string::npos);
    r = run({"a.json", "--bogus"});
    EXPECT_EQ(r.status, 2);
    // The schema as shipped, whole.
    r = run({"--schema"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, projectSchemaText());
    EXPECT_EQ(json::parse(r.out)["title"], "VELT line project");
}

// The program itself: exit status and the exact error stream.
TEST_F(Cli, ProgramEndToEnd) {
    json project = base("S12");
    project["range"] = 0.0;
    const fs::path path = write("projekt.json", project);
    const std::string command = std::string("'") + VELT_CALC_BINARY + "' '" + path.string() +
                                "' 2> '" + (dir / "err").string() + "'";
    int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_EQ(fileBytes(dir / "err"), "Zakres obliczeń musi być większy od 0.0 [m]!\n");

    const std::string example = std::string("'") + VELT_CALC_BINARY + "' '" + VELT_EXAMPLES_DIR +
                                "/z52-horizontal.json' -o '" + (dir / "z52").string() + "' > '" +
                                (dir / "out").string() + "'";
    status = std::system(example.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(fileBytes(dir / "out"), (dir / "z52.txt").string() + "\n");
    EXPECT_EQ(fileBytes(dir / "z52.txt"),
              fileBytes(fs::path(VELT_EXPECTED_DIR) / "z52-horizontal.txt"));
}

} // namespace
} // namespace velt
