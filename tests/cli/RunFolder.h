#pragma once
// A folder of its own for each test of velt-calc, and single velt-calc runs of a project
// in it, to hold the other commands' answers against.

#include "CapturedRun.h"

#include "cli/BatchRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace velt::testing {

namespace fs = std::filesystem;
using nlohmann::json;

struct RunFolder : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("velt-cli-" + std::to_string(::getpid()));

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    static CapturedRun run(const std::vector<std::string>& args, bool terminal = false) {
        return runCaptured([terminal](const auto& a, auto& out,
                                      auto& err) { return runVeltCalcOn(a, out, err, terminal); },
                           args);
    }
    fs::path write(const std::string& name, const json& project) const {
        const fs::path path = dir / name;
        std::ofstream(path) << project.dump(2);
        return path;
    }
    static json example(const std::string& name) {
        std::ifstream in(std::string(VELT_EXAMPLES_DIR) + "/" + name + ".json");
        return json::parse(in);
    }

    /// velt-calc run once on `project`: its status, report and JSON profile.
    struct Single {
        int status = -1;
        std::string report;
        json profile;
    };
    Single single(const json& project) const {
        const std::string path = write("single.json", project).string();
        Single s;
        s.status = run({path, "-o", (dir / "single").string(), "--json",
                        (dir / "single-profile.json").string()})
                       .status;
        if (s.status == 0) {
            s.report = fileBytes(dir / "single.txt");
            s.profile = json::parse(fileBytes(dir / "single-profile.json"));
        }
        return s;
    }
};

/// The cells of every line of a CSV without quoted cells.
inline std::vector<std::vector<std::string>> csvCells(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> cells;
        std::istringstream cellStream(line + ",");
        for (std::string cell; std::getline(cellStream, cell, ',');) {
            cells.push_back(cell);
        }
        rows.push_back(cells);
    }
    return rows;
}

/// Where the profile's samples lie from the tower axis, as the report prints them.
inline std::vector<double> samplePositions(const json& profile) {
    const bool magneticLine = profile["resultFieldKind"] && !profile["resultLineKind"];
    std::vector<double> at = profile[magneticLine ? "resultPositionH" : "resultPosition"];
    for (double& x : at) {
        x -= profile["resultAxisX"].get<double>();
    }
    return at;
}

} // namespace velt::testing
