// The editor's catalogue commands on files in a temporary folder, and the tower of an
// accepted line.
#include "toweredit/CatalogueCommands.h"
#include "linedata/LineSetup.h"
#include "toweredit/LineTower.h"
#include "model/BuiltInTowers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include <unistd.h>

namespace velt {
namespace {
namespace fs = std::filesystem;

struct AnsweringUi : TowerCatalogueUi {
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    DialogAnswer fileAnswer = DialogAnswer::Yes;
    bool replace = true;
    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool confirm(const std::string& question) override {
        questions.push_back(question);
        return replace;
    }
    DialogAnswer askYesNoCancel(const std::string& question) override {
        questions.push_back(question);
        return fileAnswer;
    }
};

std::string bytes(const fs::path& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct EditorCatalogue : ::testing::Test {
    fs::path dir = fs::temp_directory_path() /
                   ("velt-editor-" +
                    std::to_string(::getpid())); // one per process: ctest runs them side by side
    AnsweringUi ui;
    TowerEditorState state;
    TowerDefinition s12 = builtInTowers()[0];
    TowerDefinition h52 = builtInTowers()[1];

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string name(const std::string& file) const { return (dir / file).string(); }
    std::vector<std::string> listed(const std::string& file) { return ListTowers(name(file), ui); }
};

TEST_F(EditorCatalogue, SaveAsCreatesAddsOrStartsAnew) {
    EXPECT_EQ(storeInChosenCatalogue(name("wieze.txt"), s12, ui), CatalogueResult::Done);
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(ui.messages.back(), "Zapisano słup...");
    EXPECT_EQ(storeInChosenCatalogue(name("wieze"), h52, ui), CatalogueResult::Done);
    EXPECT_EQ(ui.questions.back(), kAddToFileQuestion);
    EXPECT_EQ(listed("wieze"), (std::vector<std::string>{"S12 <-> P", "H52 <-> PS"}));

    // Yes, then No to the replace question: both files stay as they were.
    const std::string data = bytes(dir / "wieze.VELT_data");
    const std::string index = bytes(dir / "wieze.VELT_index");
    ui.replace = false;
    EXPECT_EQ(storeInChosenCatalogue(name("wieze.VELT_data"), s12, ui), CatalogueResult::Kept);
    EXPECT_EQ(ui.questions.back(), "Słup już istnieje!\nCzy chcesz go zastąpić?");
    ui.fileAnswer = DialogAnswer::Cancel;
    EXPECT_EQ(storeInChosenCatalogue(name("wieze.VELT_data"), s12, ui), CatalogueResult::Kept);
    EXPECT_EQ(bytes(dir / "wieze.VELT_data"), data);
    EXPECT_EQ(bytes(dir / "wieze.VELT_index"), index);

    // No: a catalogue of this tower alone.
    ui.fileAnswer = DialogAnswer::No;
    EXPECT_EQ(storeInChosenCatalogue(name("wieze"), h52, ui), CatalogueResult::Done);
    EXPECT_EQ(listed("wieze"), (std::vector<std::string>{"H52 <-> PS"}));
    EXPECT_EQ(fs::file_size(dir / "wieze.VELT_data"), 1112u);
}

TEST_F(EditorCatalogue, OpeningAMissingCatalogueOnlyForgetsTheNames) {
    storeInChosenCatalogue(name("a.b.VELT_data"), s12, ui);
    const OpenedCatalogue opened = openCatalogue(state, name("a.b.VELT_data"), ui);
    EXPECT_TRUE(opened.listed);
    EXPECT_EQ(opened.keys, (std::vector<std::string>{"S12 <-> P"}));
    ASSERT_TRUE(opened.shownPath);
    EXPECT_EQ(*opened.shownPath, name("a.b"));
    EXPECT_EQ(state.catalogueDataName, name("a.b.VELT_data"));

    // "Zapisz" writes into the catalogue shown, not into one named after a shorter stem.
    EXPECT_EQ(storeInShownCatalogue(*opened.shownPath, h52, ui), CatalogueResult::Done);
    EXPECT_FALSE(fs::exists(dir / "a.VELT_data"));
    EXPECT_EQ(listed("a.b.VELT_data").size(), 2u);

    const std::size_t shown = ui.messages.size();
    const OpenedCatalogue missing = openCatalogue(state, name("nic.VELT_data"), ui);
    EXPECT_FALSE(missing.listed);
    EXPECT_FALSE(missing.shownPath);
    EXPECT_TRUE(state.catalogueDataName.empty());
    EXPECT_TRUE(state.catalogueIndexName.empty());
    EXPECT_EQ(ui.messages.size(), shown);
    EXPECT_EQ(deleteTowerReadLast(state, ui), CatalogueResult::FileError);
    EXPECT_EQ(ui.messages.back(), "Plik z danymi (lub indexem) nie istnieje");

    // An empty index is listed as nothing, with the reader's message.
    std::ofstream(dir / "pusty.VELT_data").put('x');
    std::ofstream(dir / "pusty.VELT_index").flush();
    const OpenedCatalogue empty = openCatalogue(state, name("pusty"), ui);
    EXPECT_TRUE(empty.listed);
    EXPECT_TRUE(empty.keys.empty());
    EXPECT_FALSE(empty.shownPath);
    EXPECT_EQ(ui.messages.back(), "Błąd w odczycie danych!\n" + name("pusty.VELT_index"));
}

TEST_F(EditorCatalogue, DeletionTakesTheTowerReadLast) {
    EXPECT_EQ(deletionRefusal("", true), kNothingToDeleteMessage);
    EXPECT_EQ(deletionRefusal(name("k"), false), kNothingToDeleteMessage);
    EXPECT_EQ(deletionRefusal(name("k"), true), std::nullopt);

    storeInChosenCatalogue(name("k"), s12, ui);
    storeInChosenCatalogue(name("k"), h52, ui);
    const std::string shown = *openCatalogue(state, name("k"), ui).shownPath;

    // Nothing read from this catalogue yet: the empty key is not there.
    EXPECT_EQ(deleteTowerReadLast(state, ui), CatalogueResult::NotFound);
    EXPECT_EQ(ui.messages.back(), "Podany słup nie istnieje w pliku!");

    ASSERT_TRUE(readChosenTower(state, shown, "H52 <-> PS", 2, ui));
    EXPECT_TRUE(state.editorHeightsFresh);
    // A later choice that finds nothing leaves the tower read before.
    EXPECT_FALSE(readChosenTower(state, shown, "X <-> Y", 2, ui));
    EXPECT_EQ(deleteTowerReadLast(state, ui), CatalogueResult::Done);
    EXPECT_EQ(listed("k"), (std::vector<std::string>{"S12 <-> P"}));
}

TEST(LineTower, TheAcceptedLineGivesBackItsTower) {
    auto project = std::make_unique<LineProject>();
    EXPECT_EQ(towerOfLine(*project, {}), std::nullopt);

    LineDialogState dialog;
    dialog.form.workingHeight = "10.3";
    dialog.form.groundHeight = "27.1";
    dialog.form.towerShift = "0.7";
    LineSetup setup;
    setup.tower = builtInTowers()[2];
    setup.listIndex = 2;
    ASSERT_EQ(setUpLine(*project, dialog, setup), std::nullopt);
    const auto tower = towerOfLine(*project, dialog.choice);
    ASSERT_TRUE(tower);
    TowerDefinition expected = builtInTowers()[2];
    expected.conductorY[6] = expected.conductorY[7] = 27.1;
    EXPECT_EQ(*tower, expected);

    // Chosen again with the same heights, it sets up the same line.
    auto again = std::make_unique<LineProject>();
    LineDialogState second;
    second.form = dialog.form;
    setup.tower = *tower;
    ASSERT_EQ(setUpLine(*again, second, setup), std::nullopt);
    EXPECT_TRUE(std::equal(std::begin(project->conductorX), std::end(project->conductorX),
                           std::begin(again->conductorX)));
    EXPECT_TRUE(std::equal(std::begin(project->conductorY), std::end(project->conductorY),
                           std::begin(again->conductorY)));
    EXPECT_EQ(project->phaseRadius, again->phaseRadius);
}

} // namespace
} // namespace velt
