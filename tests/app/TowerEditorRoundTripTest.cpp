// A tower typed into the editor, saved, read back and tested gives the report velt-calc gives
// for the same tower written into a project file.

#include "TowerEditorFixture.h"
#include "app/TW_Main.h"
#include "calc/CalculationDriver.h"
#include "cli/BatchRun.h"
#include "linedata/LineSetup.h"
#include "project/BatchUi.h"
#include "results/Report.h"

#include <QComboBox>
#include <QDialog>

#include <nlohmann/json.hpp>

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

namespace velt::test {
namespace {

std::string bytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using TowerEditorRoundTrip = TowerEditorFixture;

TEST_F(TowerEditorRoundTrip, TestedTowerComputesAsTheSameTowerInAProjectFile) {
    defineTower("E1", "P");
    prompter->expectFileName(QString::fromStdString(path("wieze")));
    child<QAbstractButton>(editor(), "BitBtn2").click();
    prompter->expectFileName(QString::fromStdString(path("wieze")));
    child<QAbstractButton>(editor(), "SpeedButton3").click();
    combo("ComboBox1").setCurrentIndex(0);
    editor().ComboBox1Change();
    prompter->expectClick("TW_New", "BitBtn3");
    ASSERT_EQ(prompter->exec(editor()), mrOk);
    ASSERT_TRUE(state().testTower);

    // The desktop program's line with the test tower, answered as velt-calc answers.
    auto project = std::make_unique<LineProject>();
    auto profile = std::make_unique<FieldProfile>();
    LineDialogState dialog;
    dialog.form.workingHeight = "10";
    dialog.form.groundHeight = "14";
    LineSetup setup;
    setup.tower = *state().testTower;
    setup.listIndex = 3;
    ASSERT_EQ(setUpLine(*project, dialog, setup), std::nullopt);
    CalculationAnswers answers;
    answers.range = 50.0;
    answers.comment = "Słup własny";
    std::ostringstream err;
    BatchUi ui(answers, err);
    PassContext ctx{*project, *profile, dialog.form, ui};
    ASSERT_EQ(calculate(ctx), CalculationOutcome::Done) << err.str();
    ASSERT_TRUE(writeReport(path("okno.txt"), *profile, [](const std::string&) {}));

    const nlohmann::json tower = {{"series", "E1*"},
                                  {"type", "P"},
                                  {"nominalVoltage", 110.0},
                                  {"phaseVoltagePeak", 100.429},
                                  {"phaseDiameter", 0.016},
                                  {"groundDiameter", 0.013},
                                  {"phaseBundleSize", 1},
                                  {"phaseBundleSpacing", 1.0},
                                  {"groundBundleSize", 1},
                                  {"groundBundleSpacing", 1.0},
                                  {"phase", {{-2.6, 0.0}, {3.4, 0.0}, {2.6, 3.2}}},
                                  {"groundX", {0.0}}};
    const nlohmann::json file = {{"tower", tower},
                                 {"workingHeight", 10.0},
                                 {"groundWireHeight", 14.0},
                                 {"field", "electric"},
                                 {"mode", "line"},
                                 {"line", {{"kind", "horizontal"}, {"y", 2.0}}},
                                 {"range", 50.0},
                                 {"comment", "Słup własny"}};
    std::ofstream(path("projekt.json")) << file.dump(2);
    std::ostringstream out;
    ASSERT_EQ(runVeltCalc({path("projekt.json")}, out, err), kExitDone) << err.str();

    const std::string desktop = bytes(path("okno.txt"));
    EXPECT_NE(desktop.find("seria E1*"), std::string::npos);
    EXPECT_EQ(desktop, bytes(path("projekt.txt")));
}

// "Testuj" from the main window: the line data dialog lists the tower once, however often it
// is shown, and choosing it sets the tower up as a built-in choice would.
TEST_F(TowerEditorRoundTrip, TheTestTowerReachesTheLineDataDialog) {
    defineTower("E1", "P");
    prompter->expectClick("TW_New", "BitBtn3");
    app->mainWindow().BitBtn4Click();
    for (int showing = 0; showing < 2; ++showing) {
        prompter->expect("TW_LoadS", [](QDialog& d) {
            auto& list = child<QComboBox>(d, "ComboBox1");
            EXPECT_EQ(list.findText("E1* <-> P"), list.count() - 1);
            int listed = 0;
            for (int i = 0; i < list.count(); ++i) {
                listed += list.itemText(i) == "E1* <-> P";
            }
            EXPECT_EQ(listed, 1);
            list.setCurrentIndex(list.count() - 1);
            emit list.activated(list.count() - 1);
            return mrCancel;
        });
        app->mainWindow().BitBtn3Click();
    }
    EXPECT_TRUE(app->project().towerChosen);
    EXPECT_STREQ(app->project().towerSeries, "E1*");
    EXPECT_EQ(app->project().phaseConductorCount, state().testTower->phaseConductorCount);
}

} // namespace
} // namespace velt::test
