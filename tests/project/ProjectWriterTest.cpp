// A project written from the dialogs' state loads back into the same line.

#include "project/ProjectWriter.h"
#include "model/BuiltInTowers.h"
#include "model/TowerCatalogue.h"
#include "project/ProjectFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include <unistd.h>

namespace velt {
namespace {

namespace fs = std::filesystem;

struct Loaded {
    std::unique_ptr<LineProject> project = std::make_unique<LineProject>();
    LoadedProject state;
    LoadResult result;
};

Loaded load(const std::string& text, const std::string& folder = {}) {
    Loaded loaded;
    loaded.result = loadProject(text, folder, *loaded.project, loaded.state);
    return loaded;
}

std::string written(const Loaded& loaded) {
    return projectText(loaded.state, chosenProjectTower(*loaded.project, loaded.state),
                       loaded.state.answers);
}

void expectSameLine(const Loaded& first, const Loaded& second) {
    ASSERT_EQ(second.result.status, LoadStatus::Accepted) << second.result.message;
    EXPECT_EQ(std::memcmp(first.project.get(), second.project.get(), sizeof(LineProject)), 0);
    EXPECT_EQ(first.state.answers.range, second.state.answers.range);
    EXPECT_EQ(first.state.answers.drawRange, second.state.answers.drawRange);
    EXPECT_EQ(first.state.answers.comment, second.state.answers.comment);
}

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class TempFolder {
  public:
    TempFolder()
        : path_(fs::temp_directory_path() / ("velt-project-" + std::to_string(::getpid()))) {
        fs::create_directories(path_);
    }
    ~TempFolder() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

TEST(ProjectWriterTest, EveryExampleWrittenLoadsBackIntoTheSameLine) {
    int files = 0;
    for (const auto& entry : fs::directory_iterator(VELT_EXAMPLES_DIR)) {
        if (entry.path().extension() != ".json") {
            continue;
        }
        SCOPED_TRACE(entry.path().filename().string());
        ++files;
        const Loaded first = load(readText(entry.path()));
        ASSERT_EQ(first.result.status, LoadStatus::Accepted) << first.result.message;
        const std::string text = written(first);
        const Loaded second = load(text);
        expectSameLine(first, second);
        // Writing again changes nothing: the window title's "*" compares these texts.
        EXPECT_EQ(written(second), text);
    }
    EXPECT_GE(files, 3);
}

TEST(ProjectWriterTest, ACatalogueTowerIsWrittenInFullAndNeedsNoCatalogue) {
    TempFolder folder;
    TowerDefinition tower = builtInTowers()[2];
    tower.towerSeries = "K52";
    tower.conductorX[3] = 9.6;
    struct Quiet : CatalogueUi {
        void showMessage(const std::string&) override {}
        bool confirm(const std::string&) override { return true; }
    } quiet;
    const std::string catalogue = (folder.path() / "slupy").string();
    ASSERT_EQ(CreateCatalogue(catalogue, tower, quiet), CatalogueResult::Done);
    const Loaded first = load(R"({"tower": {"catalogue": "slupy.VELT_data", "key": "K52 <-> ON150"},
                 "workingHeight": 12, "groundWireHeight": 31, "field": "magnetic",
                 "currents": [500, 450], "phaseOrder": "RST-TRS", "towerShift": 2.5,
                 "building": {"frontX": 25, "frontY": 6, "roofX": 35, "roofY": 9},
                 "comment": "Słup z katalogu"})",
                              folder.path().string());
    ASSERT_EQ(first.result.status, LoadStatus::Accepted) << first.result.message;
    EXPECT_EQ(
        written(first).rfind("{\n  \"tower\": {\n    \"series\": \"K52\",\n    \"type\": ", 0), 0u);
    const auto saved = folder.path() / "linia.json";
    ASSERT_FALSE(saveProjectFile(saved.string(), written(first)));
    fs::remove(catalogue + ".VELT_data");
    fs::remove(catalogue + ".VELT_index");

    Loaded second;
    second.result = openProjectFile(saved.string(), *second.project, second.state);
    expectSameLine(first, second);
}

TEST(ProjectWriterTest, ShieldWiresAndInterferenceAreWrittenAsEntered) {
    const Loaded shield = load(R"({"tower": "S12", "workingHeight": 10.5,
        "groundWireHeight": 14.25, "line": {"kind": "vertical", "x": 4.5},
        "shieldWires": {"diameter": 0.02, "positions": [[-8, 6.5], [8, 6.5], [0, 3]]}})");
    ASSERT_EQ(shield.result.status, LoadStatus::Accepted) << shield.result.message;
    expectSameLine(shield, load(written(shield)));
    // A position on one line, as a user reads and edits it.
    EXPECT_NE(
        written(shield).find("\n    \"positions\": [\n      [-8.0, 6.5],\n      [8.0, 6.5],\n"),
        std::string::npos)
        << written(shield);

    const Loaded interference = load(R"({"tower": "Z52", "workingHeight": 12,
        "groundWireHeight": 30, "mode": "conductors", "currents": [400, 300],
        "interference": {"distance": 20, "frequencyMHz": 0.5}, "range": 70})");
    ASSERT_EQ(interference.result.status, LoadStatus::Accepted) << interference.result.message;
    expectSameLine(interference, load(written(interference)));
}

TEST(ProjectWriterTest, AFailedSaveLeavesTheEarlierFileWhole) {
    TempFolder folder;
    const auto path = folder.path() / "linia.json";
    ASSERT_FALSE(saveProjectFile(path.string(), "{}\n"));
    const auto missing = folder.path() / "brak" / "linia.json";
    const auto message = saveProjectFile(missing.string(), "{}\n");
    ASSERT_TRUE(message);
    EXPECT_EQ(*message, "Nie mogę zapisać pliku!\n" + missing.string());
    EXPECT_EQ(readText(path), "{}\n");
}

TEST(ProjectWriterTest, OpeningRefusesWhatIsNoProjectFile) {
    TempFolder folder;
    LineProject project{};
    LoadedProject state;
    const std::string dir = folder.path().string();
    EXPECT_EQ(openProjectFile(dir, project, state).status, LoadStatus::FileError);
    EXPECT_EQ(openProjectFile(dir + "/brak.json", project, state).message,
              "Nie mogę otworzyć pliku!\n" + dir + "/brak.json");
    const auto empty = folder.path() / "pusty.json";
    std::ofstream(empty).close();
    EXPECT_EQ(openProjectFile(empty.string(), project, state).status, LoadStatus::Refused);
    const auto big = folder.path() / "duzy.json";
    std::ofstream(big) << std::string(kMaxProjectFileBytes + 1, ' ');
    EXPECT_EQ(openProjectFile(big.string(), project, state).status, LoadStatus::FileError);
}

// The dialogs accept a roof on the ground, the calculation does not: the load is refused and
// leaves no accepted line behind.
TEST(ProjectWriterTest, ALineTheCalculationRefusesIsNotLeftAccepted) {
    const Loaded loaded = load(R"({"tower": "H52", "workingHeight": 14, "groundWireHeight": 24,
        "field": "magnetic", "currents": [650], "line": {"kind": "horizontal", "y": 1.8},
        "building": {"frontX": 25, "frontY": 6, "roofX": 35, "roofY": 0}})");
    EXPECT_EQ(loaded.result.status, LoadStatus::Refused);
    EXPECT_EQ(loaded.result.message, "Wszystkie przewody muszą wisieć powyżej ziemi!");
    EXPECT_FALSE(loaded.project->lineDataAccepted);
}

} // namespace
} // namespace velt
