// velt-calc towers, in-process: exit status, standard output and standard error.
#include "cli/TowerCommands.h"
#include "CapturedRun.h"
#include "project/CatalogueTower.h"
#include "project/TowerJson.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>

namespace velt {
namespace {
namespace fs = std::filesystem;
using nlohmann::json;

const char* const kZ52 = R"({
  "series": "Z52", "type": "Łęg 2", "nominalVoltage": 400, "phaseVoltagePeak": 342.92856,
  "phaseDiameter": 0.032, "groundDiameter": 0.013, "phaseBundleSize": 2,
  "phaseBundleSpacing": 0.30000000000000004, "groundBundleSize": 1, "groundBundleSpacing": 1.0,
  "phase": [[-9.1, 0.0], [-9.1, 7.9], [-9.1, 15.8], [9.1, 0.0], [9.1, 7.9], [9.1, 15.8]],
  "groundX": [-6.9, 6.9], "groundWireHeight": 31.5})";

using Outcome = testing::CapturedRun;
using testing::fileBytes;

struct Towers : ::testing::Test {
    fs::path dir;
    std::string catalogue;
    fs::path data;
    fs::path index;

    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("velt-towers-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        catalogue = (dir / "linie").string(); // no extension
        data = dir / "linie.VELT_data";
        index = dir / "linie.VELT_index";
    }
    void TearDown() override { fs::remove_all(dir); }

    Outcome run(const std::vector<std::string>& args) {
        return testing::runCaptured(runTowerCommand, args);
    }

    std::string file(const std::string& name, const std::string& text) {
        const fs::path p = dir / name;
        std::ofstream(p, std::ios::binary) << text;
        return p.string();
    }

    std::string s12File() {
        json s12 = json::parse(kZ52);
        s12["series"] = "S12";
        s12["type"] = "P";
        s12["phaseBundleSize"] = 1;
        s12["phase"] = json::parse("[[-2.6, 0.0], [3.4, 0.0], [2.6, 3.2]]");
        s12["groundX"] = json::array({0.0});
        s12.erase("groundWireHeight");
        return file("s12.json", s12.dump());
    }
};

TEST_F(Towers, AddedTowerShowsTheSame) {
    const std::string z52 = file("z52.json", kZ52);
    Outcome r = run({"add", catalogue, z52});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "Zapisano słup...\n");
    EXPECT_EQ(fs::file_size(data), 1112u);
    EXPECT_EQ(fileBytes(index), "[0]<Z52>{\xA3\xEAg 2}\r\n"); // Windows-1250 on disk

    r = run({"show", catalogue + ".VELT_index", "Z52 <-> Łęg 2"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(json::parse(r.out), json::parse(kZ52));
    EXPECT_EQ(r.out.substr(0, 20), "{\n  \"series\": \"Z52\",");
    EXPECT_NE(r.out.find("0.30000000000000004"), std::string::npos);

    r = run({"add", catalogue, s12File()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "Słup dodany...\n");
    r = run({"show", catalogue, "S12 <-> P"});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(json::parse(r.out)["groundWireHeight"], 0.0);
    r = run({"list", catalogue + ".x"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Z52 <-> Łęg 2\nS12 <-> P\n");

    std::string message;
    const auto tower = readCatalogueTower(catalogue + ".VELT_data", "S12 <-> P", message);
    ASSERT_TRUE(tower);
    EXPECT_EQ(tower->phaseConductorCount, 3u);
    EXPECT_TRUE(message.empty());
    EXPECT_FALSE(readCatalogueTower(catalogue, "S12 <-> PS", message));
    EXPECT_EQ(message, "Podany słup nie istnieje w pliku!");
    EXPECT_FALSE(readCatalogueTower((dir / "brak").string(), "S12 <-> P", message));
    EXPECT_EQ(message, "Nie mogę otworzyć pliku!\n" + (dir / "brak.VELT_index").string());
}

TEST_F(Towers, ReplaceOnlyWhenAsked) {
    const std::string z52 = file("z52.json", kZ52);
    ASSERT_EQ(run({"add", catalogue, z52}).status, 0);
    json changed = json::parse(kZ52);
    changed["nominalVoltage"] = 150;
    const std::string other = file("other.json", changed.dump());
    const std::string before = fileBytes(data);

    Outcome r = run({"add", catalogue, other});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "Słup już istnieje!\nCzy chcesz go zastąpić?\n");
    EXPECT_EQ(fileBytes(data), before);

    r = run({"add", catalogue, other, "--replace"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "Słup w pliku zastąpiony...\n");
    EXPECT_EQ(fs::file_size(data), 1112u);
    EXPECT_EQ(json::parse(run({"show", catalogue, "Z52 <-> Łęg 2"}).out)["nominalVoltage"], 150.0);
}

TEST_F(Towers, DeleteAndConvert) {
    ASSERT_EQ(run({"add", catalogue, s12File()}).status, 0);
    ASSERT_EQ(run({"add", catalogue, file("z52.json", kZ52)}).status, 0);
    Outcome r = run({"delete", catalogue, "S12 <-> P"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(run({"list", catalogue}).out, "Z52 <-> Łęg 2\n");
    EXPECT_EQ(fs::file_size(data), 2224u);
    r = run({"delete", catalogue, "S12 <-> P"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "Podany słup nie istnieje w pliku!\n");
    EXPECT_EQ(run({"delete", catalogue, "S12"}).status, 2);
    r = run({"delete", (dir / "brak").string(), "S12 <-> P"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Plik z danymi (lub indexem) nie istnieje\n");

    const std::string old = file("stare.lin", "#H52#\r\nPS\r\n220,200.04166,3,2\r\n"
                                              "1,1,0.032,1,1,0.013\r\n-7.7,0,7.7,-4.5,4.5\r\n"
                                              "0,0,0\r\n\r\n");
    r = run({"convert", old, (dir / "nowy").string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "Konwersja zakończona\n");
    EXPECT_EQ(run({"list", (dir / "nowy").string()}).out, "H52 <-> PS\n");
    r = run({"convert", (dir / "brak.lin").string(), (dir / "nowy").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Nie mogę otworzyć pliku!\n");
    EXPECT_EQ(run({"list", (dir / "nowy").string()}).out, "H52 <-> PS\n");
    // Garbage holds no tower: nothing is written.
    const std::string garbage =
        file("garbage.lin", std::string(3000, '#') + "\n1\n2\n3\n4\n5\n6\n");
    r = run({"convert", garbage, (dir / "nowy").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Błąd odczytu danych z pliku!\n" + garbage + "\n");
    EXPECT_EQ(run({"list", (dir / "nowy").string()}).out, "H52 <-> PS\n");
}

TEST_F(Towers, DamagedCataloguesFailWithTheirMessage) {
    ASSERT_EQ(run({"add", catalogue, file("z52.json", kZ52)}).status, 0);
    const std::string readError = "Błąd odczytu danych z pliku!\n" + data.string() + "\n";
    const std::string record = fileBytes(data);

    fs::resize_file(data, 1000); // truncated
    Outcome r = run({"show", catalogue, "Z52 <-> Łęg 2"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, readError);
    EXPECT_EQ(r.out, "");

    std::string garbage(1112, '\xff'); // every double NaN, every count huge
    std::ofstream(data, std::ios::binary) << garbage;
    r = run({"show", catalogue, "Z52 <-> Łęg 2"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, readError);

    std::ofstream(index, std::ios::binary) << "[99999999999]<Z52>{\xA3\xEAg 2}\r\n";
    std::ofstream(data, std::ios::binary) << record;
    r = run({"show", catalogue, "Z52 <-> Łęg 2"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, readError); // an offset past the end

    std::ofstream(index, std::ios::binary) << std::string(5000, '\x01') << "\n\x80\x81]{<";
    r = run({"list", catalogue});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Błąd w odczycie danych!\n" + index.string() + "\n");
    r = run({"show", catalogue, "Z52 <-> Łęg 2"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "Podany słup nie istnieje w pliku!\n");

    fs::remove(index);
    r = run({"list", catalogue});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Nie mogę otworzyć pliku!\n" + index.string() + "\n");
    r = run({"add", catalogue, s12File()}); // the data file exists: adding needs the index
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Nie mogę otworzyć pliku!\n" + index.string() + "\n");
}

TEST_F(Towers, TowerFilesAreCheckedKeyByKey) {
    const auto refusal = [&](const std::string& text) {
        const Outcome r = run({"add", catalogue, file("t.json", text)});
        EXPECT_EQ(r.status, 2) << text;
        EXPECT_FALSE(fs::exists(data)) << text;
        return r.err;
    };
    const auto changed = [&](const char* key, const json& value) {
        json t = json::parse(kZ52);
        t[key] = value;
        return refusal(t.dump());
    };
    EXPECT_EQ(refusal("{\"series\": "), "Not a JSON tower: " + (dir / "t.json").string() + "\n");
    EXPECT_EQ(changed("colour", "red"), "Unknown tower key \"colour\"\n");
    EXPECT_EQ(changed("phaseDiameter", "0.032"),
              "Tower key \"phaseDiameter\": a number is expected (diameter of one working "
              "sub-conductor [m], 0 or more)\n");
    EXPECT_NE(changed("phaseBundleSize", 0).find("\"phaseBundleSize\""), std::string::npos);
    EXPECT_NE(changed("groundBundleSize", 1.5).find("\"groundBundleSize\""), std::string::npos);
    EXPECT_NE(changed("groundDiameter", -1).find("\"groundDiameter\""), std::string::npos);
    EXPECT_NE(changed("series", "ABCDEFGHI").find("\"series\""), std::string::npos);
    EXPECT_NE(changed("series", "S>12").find("\"series\""), std::string::npos);
    EXPECT_NE(changed("type", "").find("\"type\""), std::string::npos);
    EXPECT_NE(changed("type", "P\x7f").find("\"type\""), std::string::npos);
    EXPECT_NE(changed("type", " P").find("\"type\""), std::string::npos);
    EXPECT_NE(changed("type", "日本").find("\"type\""), std::string::npos);
    EXPECT_NE(changed("phase", json::array()).find("\"phase\""), std::string::npos);
    EXPECT_NE(changed("phase", json::parse("[[1, 2, 3]]")).find("\"phase\""), std::string::npos);
    EXPECT_NE(changed("groundX", json::array({"a"})).find("\"groundX\""), std::string::npos);
    EXPECT_NE(changed("groundX", json(std::vector<double>(59, 1.0))).find("\"groundX\""),
              std::string::npos); // 6 + 59 > 64
    json t = json::parse(kZ52);
    t.erase("groundX");
    EXPECT_EQ(refusal(t.dump()).rfind("Missing tower key \"groundX\" (distances of the ground", 0),
              0u);
    EXPECT_EQ(refusal("[1, 2]"), "The tower must be a JSON object\n");

    const Outcome missing = run({"add", catalogue, (dir / "brak.json").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Nie mogę otworzyć pliku!\n" + (dir / "brak.json").string() + "\n");
    EXPECT_EQ(run({}).status, 2);
    EXPECT_EQ(run({"list"}).status, 2);
    EXPECT_EQ(run({"frobnicate", catalogue}).status, 2);
    EXPECT_EQ(run({"--help"}).status, 0);
}

} // namespace
} // namespace velt
