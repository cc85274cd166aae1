// The same line through two doors: set up by hand in the line-data dialog, and loaded from
// its project file as velt-calc loads it. The accepted line projects are the same bytes.

#include "LineDataTyping.h"
#include "cli/BatchRun.h"
#include "dialogs/TW_LoadS.h"
#include "model/BuiltInTowers.h"
#include "project/ProjectFile.h"
#include "widgets/ModalDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>
#include <QTemporaryDir>

#include <nlohmann/json.hpp>

#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

namespace velt::test {
namespace {

using json = nlohmann::json;

static_assert(std::is_trivially_copyable_v<LineProject>);

/// Works the dialog `d` and its companions as a user would to enter `project`.
class HandSetUp {
  public:
    /// `decimalCommas`: numbers are typed with a comma, as many users type them.
    /// `again`: the dialog was used before and keeps what was entered then, which the user
    /// sets right: every choice is made, unwanted boxes are unchecked, the shift is typed.
    HandSetUp(ScriptedPrompter& prompter, const json& project, const QString& folder,
              bool decimalCommas, bool again = false)
        : prompter_(prompter), project_(project), folder_(folder), commas_(decimalCommas),
          again_(again) {}

    int run(QDialog& d) {
        for (const auto& item : project_.items()) {
            const std::string& key = item.key();
            if (key != "tower" && key != "workingHeight" && key != "groundWireHeight" &&
                key != "field" && key != "mode" && key != "line" && key != "towerShift" &&
                key != "phaseOrder" && key != "currents" && key != "building" &&
                key != "shieldWires" && key != "interference" && key != "range" &&
                key != "drawRange" && key != "comment") {
                ADD_FAILURE() << "no hand set-up for \"" << key << "\"";
            }
        }
        chooseTower(d);
        type(d, "Edit1", typed(project_.value("workingHeight", json(""))));
        type(d, "Edit2", typed(project_.value("groundWireHeight", json(""))));
        if (project_.value("field", "") == "magnetic") {
            click(d, "RadioButton2");
        } else if (again_) {
            click(d, "RadioButton1");
        }
        if (project_.value("mode", "") == "conductors") {
            click(d, "RadioButton3");
        } else if (again_) {
            click(d, "RadioButton4");
        }
        enterLine(d);
        enterCompanions(d);
        return clickIn(d, "BitBtn1");
    }

  private:
    /// A number of the project file as the user types it.
    QString typed(const json& number) const {
        QString text =
            QString::fromStdString(number.is_string() ? number.get<std::string>() : number.dump());
        return commas_ ? text.replace(QLatin1Char('.'), QLatin1Char(',')) : text;
    }

    void chooseTower(QDialog& d) {
        const json& tower = project_.at("tower");
        if (tower.is_string()) {
            const TowerDefinition* builtIn = builtInTowerBySeries(tower.get<std::string>());
            ASSERT_NE(builtIn, nullptr);
            chooseEntry(d, static_cast<int>(builtIn - builtInTowers().data()));
            return;
        }
        ASSERT_TRUE(tower.contains("catalogue")) << "a tower the dialog cannot list";
        const QString path = QDir(folder_).filePath(
            QString::fromStdString(tower.at("catalogue").get<std::string>()));
        prompter_.expectFileName(path);
        prompter_.expect("CatalogueTowerDialog", [&](QDialog& picker) {
            const auto key = QString::fromStdString(tower.at("key").get<std::string>());
            auto& keys = child<QListWidget>(picker, "ListBox1");
            keys.setCurrentItem(keys.findItems(key, Qt::MatchExactly).value(0));
            return clickIn(picker, "BitBtn1");
        });
        click(d, "SpeedButton1");
    }

    void enterLine(QDialog& d) {
        const json line = project_.value("line", json::object());
        if (line.value("kind", "") == "vertical") {
            click(d, "RadioButton6");
        } else if (again_) {
            click(d, "RadioButton5");
        }
        if (line.contains("y")) {
            type(d, "Edit3", typed(line["y"]));
        }
        if (line.contains("x")) {
            type(d, "Edit4", typed(line["x"]));
        }
    }

    /// The dialog `name` gets the given fields typed and "&Tak" clicked.
    void answer(const char* name, std::vector<std::pair<const char*, QString>> fields,
                const char* accept = "BitBtn1") {
        prompter_.expect(name, [=](QDialog& dialog) {
            for (const auto& [field, text] : fields) {
                type(dialog, field, text);
            }
            return clickIn(dialog, accept);
        });
    }

    void uncheckUnwanted(QDialog& d) {
        const std::pair<const char*, const char*> boxes[] = {
            {"CheckBox2", "building"}, {"CheckBox1", "shieldWires"}, {"CheckBox3", "interference"}};
        for (const auto& [box, key] : boxes) {
            if (child<QAbstractButton>(d, box).isChecked() && !project_.contains(key)) {
                click(d, box);
            }
        }
    }

    void enterCompanions(QDialog& d) {
        if (again_) {
            uncheckUnwanted(d);
        }
        if (project_.contains("towerShift") || again_) {
            answer("TW_PrzesSlup", {{"Edit1", typed(project_.value("towerShift", json(0)))}});
            click(d, "BitBtn7");
        }
        if (project_.value("phaseOrder", "") == "RST-TRS") {
            prompter_.expect("TW_ZFaz", [](QDialog& z) {
                click(z, "RadioButton2");
                return clickIn(z, "BitBtn1");
            });
            click(d, "BitBtn4");
        }
        if (project_.contains("currents")) {
            const json& currents = project_["currents"];
            std::vector<std::pair<const char*, QString>> fields{{"Edit1", typed(currents[0])}};
            if (currents.size() == 2) {
                fields.emplace_back("Edit2", typed(currents[1]));
            }
            answer("TW_PFaz", fields);
            click(d, "BitBtn6");
        }
        if (project_.contains("building")) {
            const json& b = project_["building"];
            answer("TW_WspDom", {{"Edit1", typed(b["frontX"])},
                                 {"Edit2", typed(b["frontY"])},
                                 {"Edit3", typed(b["roofX"])},
                                 {"Edit4", typed(b["roofY"])}});
            click(d, "CheckBox2");
        }
        if (project_.contains("shieldWires")) {
            enterShieldWires(d, project_["shieldWires"]);
        }
        if (project_.contains("interference")) {
            const json& i = project_["interference"];
            answer("TW_Zakl",
                   {{"Edit1", typed(i["distance"])}, {"Edit2", typed(i["frequencyMHz"])}});
            click(d, "CheckBox3");
        }
    }

    void enterShieldWires(QDialog& d, const json& shield) {
        prompter_.expect("TW_PEkr", [=, this](QDialog& editor) {
            for (const json& position : shield["positions"]) {
                answer("TW_NewPrzew",
                       {{"Edit1", typed(position[0])}, {"Edit2", typed(position[1])}});
                click(editor, "BitBtn1");
            }
            type(editor, "Edit2", typed(shield["diameter"]));
            return clickIn(editor, "BitBtn3");
        });
        click(d, "CheckBox1");
    }

    ScriptedPrompter& prompter_;
    const json& project_;
    QString folder_;
    bool commas_;
    bool again_;
};

std::string readText(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class LineDataTwoDoorsTest : public LineDataFixture {
  protected:
    /// Sets up `projectText` by hand and loads it; both must be accepted and the same bytes.
    void expectTheSameLine(const std::string& projectText, const QString& folder,
                           bool decimalCommas = false) {
        const json project = json::parse(projectText);
        HandSetUp hand(*prompter, project, folder, decimalCommas);
        openLineData([&](QDialog& d) { return hand.run(d); });
        EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join("; ").toStdString();
        ASSERT_TRUE(app->project().lineDataAccepted);

        auto loaded = std::make_unique<LineProject>();
        LoadedProject state;
        const LoadResult result = loadProject(projectText, folder.toStdString(), *loaded, state);
        ASSERT_EQ(result.status, LoadStatus::Accepted) << result.message;
        const auto* desktop = reinterpret_cast<const unsigned char*>(&app->project());
        const auto* batch = reinterpret_cast<const unsigned char*>(loaded.get());
        std::size_t offset = 0;
        while (offset < sizeof(LineProject) && desktop[offset] == batch[offset]) {
            ++offset;
        }
        EXPECT_EQ(std::memcmp(desktop, batch, sizeof(LineProject)), 0)
            << "first difference at byte " << offset << " of " << sizeof(LineProject);
    }

    /// Scripts the calculation's questions with the answers of `project`.
    void answerTheQuestions(const json& project) {
        const auto number = [&](const char* key) {
            return QString::fromStdString(project[key].dump());
        };
        answerWith("TW_ZObl", "Edit1", number("range"));
        // Polish letters cannot be typed key by key in a test.
        prompter->expect("TW_Kom", [&](QDialog& d) {
            child<QLineEdit>(d, "Edit1").setText(QString::fromStdString(project["comment"]));
            return clickIn(d, "BitBtn1");
        });
        if (project.value("mode", "") != "conductors") {
            // The drawing range the file leaves out is the proposed one.
            if (project.contains("drawRange")) {
                answerWith("TW_ZRys", "Edit1", number("drawRange"));
            } else {
                prompter->expectClick("TW_ZRys", "BitBtn1");
            }
        }
    }

    /// "Zapisz wyniki" of the active variant to `base`.txt; the report's text.
    std::string savedReport(const QString& base) {
        prompter->expectFileName(base);
        app->mainWindow().Drukuj1Click();
        return readText(base + ".txt");
    }
};

TEST_F(LineDataTwoDoorsTest, EveryExampleByHandIsTheLineVeltCalcLoads) {
    const QDir examples(VELT_EXAMPLES_DIR);
    const QStringList files = examples.entryList({"*.json"}, QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        // A fresh program for every file, as a user starting it anew.
        TearDown();
        prompter = nullptr;
        app.reset();
        auto scripted = std::make_unique<ScriptedPrompter>();
        prompter = scripted.get();
        app = std::make_unique<VeltApplication>(std::move(scripted));
        expectTheSameLine(readText(examples.filePath(name)), examples.path());
    }
}

TEST_F(LineDataTwoDoorsTest, AShiftedTowerIsAcceptedAlike) {
    // Every number typed with a comma. The shift dialog is used after the tower choice, which
    // wrote "0.0" into its field.
    expectTheSameLine(R"({"tower": "S12", "workingHeight": 10.5, "groundWireHeight": 14.25,
                          "towerShift": 2.5, "line": {"kind": "vertical", "x": 4.5},
                          "building": {"frontX": 12.5, "frontY": 6.5, "roofX": 20.5,
                                       "roofY": 9.5}})",
                      QString(), true);
    EXPECT_TRUE(app->project().towerShifted);
    EXPECT_EQ(app->project().conductorX[4], 2.5);
}

TEST_F(LineDataTwoDoorsTest, ACatalogueTowerIsAcceptedAlike) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    writeK52Catalogue(folder.path());
    expectTheSameLine(R"({"tower": {"catalogue": "slupy.VELT_data", "key": "K52 <-> ON150"},
                          "workingHeight": 12, "groundWireHeight": 31, "field": "magnetic",
                          "currents": [500, 450], "phaseOrder": "RST-TRS"})",
                      folder.path());
}

// Pictures of a session for looking at it: set VELT_SESSION_PICTURES to a folder.
void picture(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("VELT_SESSION_PICTURES");
    if (!folder.isEmpty()) {
        QCoreApplication::processEvents();
        widget.grab().save(QDir(folder).filePath(name + ".png"));
    }
}

// Every example set up by hand, calculated with the file's answers and saved: its report is
// the report velt-calc writes for the file, byte for byte; the variants stay side by side.
TEST_F(LineDataTwoDoorsTest, EveryExampleByHandGivesVeltCalcsReport) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    showMainWindow({1100, 800});
    const QDir examples(VELT_EXAMPLES_DIR);
    const QStringList files = examples.entryList({"*.json"}, QDir::Files, QDir::Name);
    int variant = 0;
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const json project = json::parse(readText(examples.filePath(name)));
        HandSetUp hand(*prompter, project, examples.path(), false, variant > 0);
        openLineData([&](QDialog& d) {
            const int answer = hand.run(d);
            picture(d, "line-data-" + QFileInfo(name).baseName());
            return answer;
        });
        ASSERT_TRUE(app->project().lineDataAccepted);

        answerTheQuestions(project);
        app->mainWindow().Oblicz();
        ++variant;
        picture(app->mainWindow(), QStringLiteral("variant-%1").arg(variant));

        const QString base = folder.filePath(QFileInfo(name).baseName());
        prompter->expectFileName(base);
        app->mainWindow().Drukuj1Click();
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(runVeltCalc(
                      {examples.filePath(name).toStdString(), "-o", (base + "-calc").toStdString()},
                      out, err),
                  0)
            << err.str();
        EXPECT_EQ(readText(base + ".txt"), readText(base + "-calc.txt"));
        // A calculation on the conductors has no graph, so no picture.
        EXPECT_EQ(QFileInfo::exists(base + ".gif"), project.value("mode", "") != "conductors");
    }
    EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join("; ").toStdString();
    EXPECT_EQ(app->mainWindow().mdiArea().subWindowList().size(), variant);
    EXPECT_EQ(app->mainWindow().chartMenu().actions().size(), variant);
}

// A line typed by hand and calculated, saved as a project, opened again and calculated with
// the file's answers: the same report.
TEST_F(LineDataTwoDoorsTest, AHandSetUpSavedAndReopenedGivesTheSameReport) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    showMainWindow({1100, 800});
    for (const char* example : {"h52-magnetic-building", "s12-conductors-interference"}) {
        SCOPED_TRACE(example);
        const QString path = QDir(VELT_EXAMPLES_DIR).filePath(QString(example) + ".json");
        const json project = json::parse(readText(path));
        HandSetUp hand(*prompter, project, VELT_EXAMPLES_DIR, false, true);
        openLineData([&](QDialog& d) { return hand.run(d); });
        ASSERT_TRUE(app->project().lineDataAccepted);
        answerTheQuestions(project);
        app->mainWindow().Oblicz();
        const std::string typed = savedReport(folder.filePath(QString(example) + "-typed"));

        const QString saved = folder.filePath(QString(example) + ".json");
        prompter->expectFileName(saved);
        child<QAction>(app->mainWindow(), "Zapiszprojektjako1").trigger();
        prompter->expectFileName(saved);
        child<QAction>(app->mainWindow(), "Otworzprojekt1").trigger();
        ASSERT_TRUE(app->project().lineDataAccepted);
        prompter->expectClick("TW_ZObl", "BitBtn1");
        prompter->expectClick("TW_Kom", "BitBtn1");
        if (project.value("mode", "") != "conductors") {
            prompter->expectClick("TW_ZRys", "BitBtn1");
        }
        app->mainWindow().Oblicz();
        EXPECT_EQ(savedReport(folder.filePath(QString(example) + "-reopened")), typed);
    }
    EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join("; ").toStdString();
    EXPECT_TRUE(prompter->finished());
}

// Whatever the desktop program saves, velt-calc runs: set-ups made by hand through every
// dialog path, calculated with changed ranges, saved as projects and run through the batch
// door, which gives the same report.
TEST_F(LineDataTwoDoorsTest, WhatTheDesktopSavesVeltCalcRuns) {
    const char* const setUps[] = {
        R"({"tower": "S12", "workingHeight": 10, "groundWireHeight": 14, "field": "electric",
            "mode": "line", "line": {"kind": "horizontal", "y": 1.5}, "range": 30,
            "drawRange": 25, "comment": "S12 electric"})",
        R"({"tower": "S12", "workingHeight": 11, "groundWireHeight": 15, "field": "electric",
            "mode": "conductors", "interference": {"distance": 15, "frequencyMHz": 1},
            "range": 20, "comment": "S12 conductors"})",
        R"({"tower": "H52", "workingHeight": 14, "groundWireHeight": 24, "field": "magnetic",
            "mode": "line", "line": {"kind": "vertical", "x": 6}, "currents": [500],
            "range": 12, "drawRange": 20, "comment": "H52 vertical"})",
        R"({"tower": "H52", "workingHeight": 14, "groundWireHeight": 24, "field": "electric",
            "mode": "line", "line": {"kind": "horizontal", "y": 2}, "towerShift": 7.5,
            "building": {"frontX": 20, "frontY": 6, "roofX": 28, "roofY": 9},
            "range": 45, "drawRange": 33.5, "comment": "H52 shifted, building"})",
        R"({"tower": "Z52", "workingHeight": 12, "groundWireHeight": 30, "field": "magnetic",
            "mode": "line", "line": {"kind": "horizontal", "y": 1}, "phaseOrder": "RST-TRS",
            "currents": [500, 300],
            "shieldWires": {"diameter": 0.02, "positions": [[-15, 8], [15, 8]]},
            "range": 30, "drawRange": 25, "comment": "Z52 magnetic, shield wires"})",
        R"({"tower": "Z52", "workingHeight": 12, "groundWireHeight": 30, "field": "magnetic",
            "mode": "conductors", "phaseOrder": "RST-TRS", "currents": [500, 300],
            "range": 35, "comment": "Z52 surface induction"})",
    };
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    showMainWindow({1100, 800});
    int variant = 0;
    for (const char* text : setUps) {
        const json project = json::parse(text);
        const std::string comment = project["comment"];
        SCOPED_TRACE(comment);
        HandSetUp hand(*prompter, project, folder.path(), false, variant++ > 0);
        openLineData([&](QDialog& d) { return hand.run(d); });
        ASSERT_TRUE(app->project().lineDataAccepted);
        answerTheQuestions(project);
        app->mainWindow().Oblicz();
        const QString base = folder.filePath(QStringLiteral("variant-%1").arg(variant));
        const std::string desktop = savedReport(base);

        prompter->expectFileName(base + ".json");
        child<QAction>(app->mainWindow(), "Zapiszprojektjako1").trigger();
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(
            runVeltCalc({(base + ".json").toStdString(), "-o", (base + "-calc").toStdString()}, out,
                        err),
            0)
            << err.str() << readText(base + ".json");
        EXPECT_EQ(readText(base + "-calc.txt"), desktop);
        // The project holds the answers this calculation used (on the conductors no
        // drawing range is used).
        const json saved = json::parse(readText(base + ".json"));
        for (const char* key : {"range", "drawRange", "comment"}) {
            if (std::string(key) != "drawRange" || project["mode"] != "conductors") {
                EXPECT_EQ(saved.value(key, json()), project.value(key, json())) << key;
            }
        }
    }
    EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join("; ").toStdString();
}

} // namespace
} // namespace velt::test
