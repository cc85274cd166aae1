// Line project files in the desktop program: opened into the line-data dialog as velt-calc
// loads them, saved from it, refused files leaving the set-up alone, and the caption's "*".

#include "NeighbourTyping.h"
#include "app/ProjectDocument.h"
#include "app/RecentProjects.h"
#include "app/VariantWindow.h"
#include "app/Variants.h"
#include "cli/BatchRun.h"
#include "model/BuiltInTowers.h"
#include "project/TowerJson.h"
#include "render/GraphDocuments.h"
#include "widgets/ModalDialog.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMdiArea>
#include <QMimeData>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

namespace velt::test {
namespace {

using json = nlohmann::json;

std::string readText(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeText(const QString& path, const std::string& text) {
    std::ofstream(path.toStdString(), std::ios::binary) << text;
}

QStringList exampleFiles() {
    const QDir examples(VELT_EXAMPLES_DIR);
    QStringList files;
    for (const QString& name : examples.entryList({"*.json"}, QDir::Files, QDir::Name)) {
        files.append(examples.filePath(name));
    }
    return files;
}

class ProjectFilesTest : public LineDataFixture {
  protected:
    /// "Otwórz projekt..." answered with `path`.
    void openProject(const QString& path) {
        prompter->expectFileName(path);
        child<QAction>(app->mainWindow(), "Otworzprojekt1").trigger();
    }

    /// "Wykonanie obliczeń" with every question answered by its proposal.
    void calculateWithProposals(bool drawingRange) {
        prompter->expectClick("TW_ZObl", "BitBtn1");
        prompter->expectClick("TW_Kom", "BitBtn1");
        if (drawingRange) {
            prompter->expectClick("TW_ZRys", "BitBtn1");
        }
        app->mainWindow().Oblicz();
    }

    QString title() const { return app->mainWindow().windowTitle(); }

    std::vector<unsigned char> projectBytes() {
        const auto* bytes = reinterpret_cast<const unsigned char*>(&app->project());
        return {bytes, bytes + sizeof(LineProject)};
    }
};

// Every example opened and calculated with the proposals, which are the file's answers:
// the report is velt-calc's, byte for byte.
TEST_F(ProjectFilesTest, EveryExampleOpensAndGivesVeltCalcsReport) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    showMainWindow({1100, 800});
    for (const QString& path : exampleFiles()) {
        SCOPED_TRACE(path.toStdString());
        const json project = json::parse(readText(path));
        openProject(path);
        ASSERT_TRUE(app->project().lineDataAccepted);
        // A maximized variant window adds its own name after the file's.
        EXPECT_TRUE(title().startsWith("VELT  2009 - " + QFileInfo(path).fileName()))
            << title().toStdString();
        calculateWithProposals(project.value("mode", "") != "conductors");

        const QString base = folder.filePath(QFileInfo(path).baseName());
        prompter->expectFileName(base);
        app->mainWindow().Drukuj1Click();
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(runVeltCalc({path.toStdString(), "-o", (base + "-calc").toStdString()}, out, err),
                  0)
            << err.str();
        EXPECT_EQ(readText(base + ".txt"), readText(base + "-calc.txt"));
        // Calculating with the file's answers changes nothing that a save would keep.
        EXPECT_FALSE(app->document().modified());
    }
    EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join("; ").toStdString();
    EXPECT_EQ(app->mainWindow().mdiArea().subWindowList().size(), exampleFiles().size());
}

// A project opened, calculated with other ranges and saved holds what that calculation used:
// velt-calc runs it, and opening it again proposes those ranges.
TEST_F(ProjectFilesTest, ASavedProjectKeepsTheRangesItWasCalculatedWith) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    showMainWindow({1100, 800});
    openProject(exampleFiles().filter("z52-horizontal").value(0));
    answerWith("TW_ZObl", "Edit1", "30");
    prompter->expectClick("TW_Kom", "BitBtn1");
    // The file's drawing range of 40 m is offered first and refused for a range of 30 m.
    prompter->expect("TW_ZRys", [](QDialog& d) {
        EXPECT_EQ(textOf(d, "Edit1"), "40.00");
        return clickIn(d, "BitBtn1");
    });
    answerWith("TW_ZRys", "Edit1", "25");
    app->mainWindow().Oblicz();
    EXPECT_EQ(prompter->messages,
              QStringList({"Zakres rysunku nie może być większy od zakresu obliczeń!"}));

    const QString saved = folder.filePath("z52.json");
    prompter->expectFileName(saved);
    child<QAction>(app->mainWindow(), "Zapiszprojektjako1").trigger();
    const json project = json::parse(readText(saved));
    EXPECT_EQ(project["range"], 30.0);
    EXPECT_EQ(project["drawRange"], 25.0);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(
        runVeltCalc({saved.toStdString(), "-o", folder.filePath("calc").toStdString()}, out, err),
        0)
        << err.str();

    openProject(saved);
    prompter->expect("TW_ZObl", [](QDialog& d) {
        EXPECT_EQ(textOf(d, "Edit1"), "30");
        return clickIn(d, "BitBtn1");
    });
    prompter->expectClick("TW_Kom", "BitBtn1");
    prompter->expect("TW_ZRys", [](QDialog& d) {
        EXPECT_EQ(textOf(d, "Edit1"), "25.00");
        return clickIn(d, "BitBtn1");
    });
    app->mainWindow().Oblicz();
    EXPECT_EQ(prompter->messages.size(), 1);
    EXPECT_FALSE(app->document().modified());
}

// The dialog shows the opened line; its own OK accepts the very same line again.
TEST_F(ProjectFilesTest, TheLineDataDialogShowsTheOpenedLine) {
    openProject(exampleFiles().filter("h52").value(0));
    ASSERT_TRUE(app->project().lineDataAccepted);
    const auto opened = projectBytes();
    openLineData([](QDialog& d) {
        EXPECT_EQ(textOf(d, "Edit1"), "14");
        EXPECT_EQ(textOf(d, "Edit2"), "24");
        EXPECT_EQ(textOf(d, "Edit3"), "1.8");
        EXPECT_TRUE(child<QAbstractButton>(d, "RadioButton2").isChecked());
        EXPECT_TRUE(child<QAbstractButton>(d, "CheckBox1").isChecked());
        EXPECT_TRUE(child<QAbstractButton>(d, "CheckBox2").isChecked());
        EXPECT_EQ(child<QComboBox>(d, "ComboBox1").currentIndex(), 1);
        return clickIn(d, "BitBtn1");
    });
    EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join("; ").toStdString();
    EXPECT_TRUE(app->project().lineDataAccepted);
    EXPECT_TRUE(opened == projectBytes());
    // Choosing the tower again set the shift dialog's text to "0.0"; the line still stands
    // 10 m along, and so does the project a save writes.
    EXPECT_FALSE(app->document().modified());
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    prompter->expectFileName(folder.filePath("linia.json"));
    child<QAction>(app->mainWindow(), "Zapiszprojektjako1").trigger();
    EXPECT_EQ(json::parse(readText(folder.filePath("linia.json"))).at("towerShift"), 10.0);
}

// A catalogue tower is listed as the catalogue button lists it; saved in full, the project
// opens after the catalogue is gone.
TEST_F(ProjectFilesTest, ACatalogueTowerIsListedAndSavedInFull) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    writeK52Catalogue(folder.path());
    const QString path = folder.filePath("katalog.json");
    writeText(path, R"({"tower": {"catalogue": "slupy.VELT_data", "key": "K52 <-> ON150"},
                        "workingHeight": 12, "groundWireHeight": 31, "field": "magnetic",
                        "currents": [500, 450]})");
    openProject(path);
    ASSERT_TRUE(app->project().lineDataAccepted);
    const auto opened = projectBytes();
    openLineData([](QDialog& d) {
        const auto& list = child<QComboBox>(d, "ComboBox1");
        EXPECT_EQ(list.currentText(), "K52 <-> ON150");
        EXPECT_EQ(list.currentIndex(), 3);
        return clickIn(d, "BitBtn1");
    });
    EXPECT_TRUE(opened == projectBytes());
    EXPECT_FALSE(app->document().modified());

    prompter->expectFileName(folder.filePath("pelny.json"));
    child<QAction>(app->mainWindow(), "Zapiszprojektjako1").trigger();
    QFile::remove(folder.filePath("slupy.VELT_data"));
    QFile::remove(folder.filePath("slupy.VELT_index"));
    EXPECT_EQ(json::parse(readText(folder.filePath("pelny.json"))).at("tower").at("series"), "K52");
    openProject(folder.filePath("pelny.json"));
    EXPECT_TRUE(opened == projectBytes());
    EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join("; ").toStdString();
}

// A set-up that opening would refuse is not saved, so no saved project fails to open.
TEST_F(ProjectFilesTest, ASetUpThatWouldNotOpenAgainIsNotSaved) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    child<QAction>(app->mainWindow(), "Zapiszprojektjako1").trigger();
    EXPECT_EQ(prompter->messages,
              QStringList{"Projektu nie zapisano:\nNie wybrano serii i typu słupa!"});
    EXPECT_TRUE(prompter->fileQuestions.isEmpty());

    const QString path = folder.filePath("linia.json");
    QFile::copy(exampleFiles().filter("z52-horizontal").value(0), path);
    openProject(path);
    const std::string before = readText(path);
    // Working conductors above the ground wires: the dialog refuses and is left by "Anuluj".
    openLineData([](QDialog& d) {
        type(d, "Edit1", "35");
        clickIn(d, "BitBtn1");
        return clickIn(d, "BitBtn3");
    });
    prompter->messages.clear();
    child<QAction>(app->mainWindow(), "Zapiszprojekt1").trigger();
    EXPECT_EQ(prompter->messages,
              QStringList{"Projektu nie zapisano:\nPrzewody odgromowe są umieszczone zbyt nisko!"});
    EXPECT_EQ(readText(path), before);
    EXPECT_TRUE(app->document().modified());
}

// A file that is no project leaves the set-up, the dialogs and the caption as they were.
TEST_F(ProjectFilesTest, ABadProjectFileShowsItsMessageAndChangesNothing) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString good = exampleFiles().value(0);
    openProject(good);
    const auto before = projectBytes();
    const std::string formBefore = app->document().path().toStdString();
    const QString titleBefore = title();

    const std::pair<const char*, std::string> files[] = {
        {"not-json.json", "{\"tower\": \"S12\","},
        {"unknown.json", R"({"tower": "S12", "workingHeigth": 10})"},
        {"empty.json", ""},
        {"no-catalogue.json", R"({"tower": {"catalogue": "brak.VELT_data", "key": "A <-> B"}})"},
        {"refused.json", R"({"tower": "S12", "workingHeight": 10, "groundWireHeight": 5})"},
        {"wrong-type.json", R"({"tower": "S12", "workingHeight": "10"})"},
    };
    for (const auto& [name, text] : files) {
        writeText(folder.filePath(name), text);
    }
    // A tower the calculation cannot compute.
    json tower = towerToJson(builtInTowers()[1]);
    tower["groundDiameter"] = 0.0;
    writeText(folder.filePath("uncomputable.json"),
              json{{"tower", tower}, {"workingHeight", 14}, {"groundWireHeight", 24}}.dump());
    QStringList paths;
    for (const auto& [name, text] : files) {
        paths.append(folder.filePath(name));
    }
    paths.append(folder.filePath("uncomputable.json"));
    paths.append(folder.path()); // a folder
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        prompter->messages.clear();
        openProject(path);
        ASSERT_EQ(prompter->messages.size(), 1);
        EXPECT_TRUE(before == projectBytes());
        EXPECT_EQ(app->document().path(), good);
        EXPECT_EQ(title(), titleBefore);
    }
    EXPECT_TRUE(prompter->messages.last().startsWith("Nie mogę otworzyć pliku!\n"));
    openProject(paths[1]);
    EXPECT_TRUE(prompter->messages.last().contains("workingHeigth"));
    openProject(folder.filePath("uncomputable.json"));
    EXPECT_EQ(
        prompter->messages.last(),
        "Klucz projektu \"tower.groundDiameter\": Promień przewodów musi być większy od 0.0!");
    EXPECT_EQ(formBefore, good.toStdString());
}

// "*" once the set-up differs from the file, gone after saving; the saved file opens as
// the changed line.
TEST_F(ProjectFilesTest, TheCaptionMarksAChangedSetUpUntilItIsSaved) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("linia.json");
    QFile::copy(exampleFiles().filter("z52-horizontal").value(0), path);
    openProject(path);
    EXPECT_EQ(title(), "VELT  2009 - linia.json");

    openLineData([](QDialog& d) {
        type(d, "Edit1", "13.5");
        return clickIn(d, "BitBtn1");
    });
    ASSERT_TRUE(app->project().lineDataAccepted);
    EXPECT_EQ(title(), "VELT  2009 - linia.json*");
    const auto changed = projectBytes();

    child<QAction>(app->mainWindow(), "Zapiszprojekt1").trigger();
    EXPECT_EQ(title(), "VELT  2009 - linia.json");
    EXPECT_EQ(json::parse(readText(path)).at("workingHeight"), 13.5);

    // "Zapisz projekt jako..." adds the extension the user left out.
    prompter->expectFileName(folder.filePath("kopia"));
    child<QAction>(app->mainWindow(), "Zapiszprojektjako1").trigger();
    EXPECT_EQ(title(), "VELT  2009 - kopia.json");
    EXPECT_EQ(prompter->fileQuestions.last(), "Zapisz projekt|Projekty VELT (*.json *.JSON)");

    openProject(folder.filePath("kopia.json"));
    EXPECT_TRUE(changed == projectBytes());
    EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join("; ").toStdString();
}

// Closing with a changed project asks first: "Anuluj" keeps the program, "Tak" saves.
TEST_F(ProjectFilesTest, ClosingAsksAboutAChangedProject) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("linia.json");
    QFile::copy(exampleFiles().filter("z52-horizontal").value(0), path);
    openProject(path);
    EXPECT_TRUE(app->mainWindow().close()); // unchanged: nothing asked
    EXPECT_TRUE(prompter->questions.isEmpty());

    openLineData([](QDialog& d) {
        type(d, "Edit1", "13.5");
        return clickIn(d, "BitBtn1");
    });
    prompter->expectQuestion(mrCancel);
    EXPECT_FALSE(app->mainWindow().close());
    ASSERT_EQ(prompter->questions.size(), 1);
    EXPECT_TRUE(prompter->questions[0].endsWith("Zapisać zmiany w projekcie linia.json?"));
    prompter->expectQuestion(mrYes);
    EXPECT_TRUE(app->mainWindow().close());
    EXPECT_EQ(json::parse(readText(path)).at("workingHeight"), 13.5);
}

// A project file dropped on the main window opens; other files are not taken.
TEST_F(ProjectFilesTest, ADroppedProjectOpens) {
    const QString path = exampleFiles().filter("h52").value(0);
    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/rysunek.png"))});
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&app->mainWindow(), &refused);
    EXPECT_FALSE(refused.isAccepted());

    QMimeData project;
    project.setUrls({QUrl::fromLocalFile(path)});
    // The drop goes to the window that took the drag.
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &project, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&app->mainWindow(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &project, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&app->mainWindow(), &drop);
    EXPECT_EQ(app->document().path(), path);
    EXPECT_TRUE(app->project().lineDataAccepted);
    EXPECT_TRUE(prompter->messages.isEmpty());
}

// The last five projects opened or saved stand at the end of "Plik", the newest first.
TEST_F(ProjectFilesTest, TheLastProjectsAreListedInThePlikMenu) {
    const QStringList files = exampleFiles().mid(0, 3);
    ASSERT_EQ(files.size(), 3);
    for (const QString& path : files) {
        openProject(path);
    }
    RecentProjects& recent = app->mainWindow().recentProjects();
    EXPECT_EQ(recent.paths(), QStringList({files[2], files[1], files[0]}));
    EXPECT_EQ(child<QAction>(app->mainWindow(), "Ostatniprojekt1").text(),
              "&1 " + QFileInfo(files[2]).fileName());

    child<QAction>(app->mainWindow(), "Ostatniprojekt3").trigger();
    EXPECT_EQ(app->document().path(), files[0]);
    EXPECT_EQ(recent.paths().first(), files[0]);
    EXPECT_EQ(recent.paths().size(), 3);

    for (int i = 0; i < 7; ++i) {
        recent.add(QStringLiteral("/tmp/projekt%1.json").arg(i));
    }
    EXPECT_EQ(recent.paths().size(), RecentProjects::kCount);
    EXPECT_EQ(recent.paths().first(), "/tmp/projekt6.json");
    EXPECT_EQ(app->mainWindow().findChild<QAction*>("Ostatniprojekt6"), nullptr);
    EXPECT_TRUE(prompter->messages.isEmpty());
}

// `velt PROJECT.json`: the project is open once the splash is closed.
TEST_F(ProjectFilesTest, TheCommandLinesProjectOpensAfterTheSplash) {
    const QString path = exampleFiles().value(0);
    app->mainWindow().openAfterSplash(path);
    showMainWindow({1100, 800});
    EXPECT_TRUE(app->project().lineDataAccepted);
    EXPECT_EQ(app->document().path(), path);
}

// "Eksportuj wariant..." on the active variant, in the format of the name's extension.
TEST_F(ProjectFilesTest, TheActiveVariantIsExportedInEveryFormat) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    showMainWindow({1100, 800});
    openProject(exampleFiles().filter("h52").value(0));
    calculateWithProposals(true);
    ASSERT_EQ(app->mainWindow().mdiArea().subWindowList().size(), 1);
    const VariantView* view = Variants::graphOf(app->mainWindow().mdiArea().activeSubWindow());
    ASSERT_NE(view, nullptr);
    const auto exportTo = [&](const QString& name) {
        prompter->expectFileName(folder.filePath(name));
        child<QAction>(app->mainWindow(), "Eksportujwariant1").trigger();
        return folder.filePath(name);
    };
    // A PNG image asks its size, the window's by default.
    const auto sizeAnswer = [&](QSize size, const char* button) {
        prompter->expect("TW_RozObr", [=](QDialog& dialog) {
            EXPECT_EQ(child<QSpinBox>(dialog, "Edit1").value(), view->width());
            EXPECT_EQ(child<QSpinBox>(dialog, "Edit2").value(), view->height());
            if (size.isValid()) {
                child<QSpinBox>(dialog, "Edit1").setValue(size.width());
                child<QSpinBox>(dialog, "Edit2").setValue(size.height());
            }
            return clickIn(dialog, button);
        });
    };

    sizeAnswer({}, "BitBtn1");
    const QImage png(exportTo("wariant.png"));
    EXPECT_EQ(png.size(), view->size());
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32),
              view->picture().convertToFormat(QImage::Format_RGB32));
    sizeAnswer({1600, 900}, "BitBtn1");
    const QImage large(exportTo("duzy.png"));
    EXPECT_EQ(large.size(), QSize(1600, 900));
    EXPECT_EQ(large.convertToFormat(QImage::Format_RGB32),
              graphImage({1600, 900}, view->record(), app->project().towerShifted));
    sizeAnswer({}, "BitBtn2");
    EXPECT_FALSE(QFileInfo::exists(exportTo("anulowany.png")));
    EXPECT_EQ(prompter->fileQuestions.last(),
              "Eksportuj wariant|Obraz PNG (*.png *.PNG);;Rysunek SVG (*.svg *.SVG);;"
              "Dokument PDF (*.pdf *.PDF);;Tabela CSV (*.csv *.CSV)");

    QFile svg(exportTo("wariant.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    // The curve stays one vector path through all its points.
    QXmlStreamReader xml(&svg);
    qsizetype longest = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"path") {
            const QString points = xml.attributes().value("d").toString();
            longest = std::max(longest, points.count('L') + 1);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GE(longest, 200);

    const std::string pdf = readText(exportTo("wariant.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos);
    EXPECT_NE(pdf.find("/MediaBox [0 0 842.000000 595.000000]"), std::string::npos); // A4 across

    const std::string csv = readText(exportTo("wariant.csv"));
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "x(m),kx(A/m),ky(A/m),kw(A/m)");
    int rows = 0;
    while (std::getline(lines, line)) {
        ++rows;
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 3) << line;
    }
    EXPECT_EQ(rows, 201);

    // A name without extension is a PNG image; a folder that is not there is reported.
    sizeAnswer({}, "BitBtn1");
    EXPECT_FALSE(QImage(exportTo("bez-rozszerzenia") + ".png").isNull());
    exportTo("brak/wariant.csv");
    EXPECT_EQ(prompter->messages,
              QStringList{"Nie mogę zapisać pliku!\n" + folder.filePath("brak/wariant.csv")});
}

// A neighbour added in the table is saved with its tower by series, opens again and is
// calculated as velt-calc calculates the saved project.
TEST_F(ProjectFilesTest, ANeighbourIsSavedOpenedAndCalculatedAsVeltCalcDoes) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    showMainWindow({1100, 800});
    openProject(exampleFiles().filter("z52-horizontal").value(0));
    answerTableAdding(*prompter, kS12At40);
    neighbourMenu(app->mainWindow());
    EXPECT_TRUE(app->document().modified());
    const QString saved = folder.filePath("sasiad.json");
    prompter->expectFileName(saved);
    child<QAction>(app->mainWindow(), "Zapiszprojektjako1").trigger();
    const json neighbours = json::parse(readText(saved)).at("neighbours");
    EXPECT_EQ(neighbours, json::parse(R"([{"tower": "S12", "workingHeight": 10.0,
        "groundWireHeight": 14.0, "offset": 40.0, "voltage": 110.0, "currents": [300.0],
        "label": "Linia 110 kV"}])"));

    const std::vector<NeighbourLine> added = app->lineData().options.neighbours;
    openProject(exampleFiles().filter("h52").value(0));
    EXPECT_TRUE(app->lineData().options.neighbours.empty());
    openProject(saved);
    ASSERT_TRUE(app->project().lineDataAccepted);
    EXPECT_EQ(app->lineData().options.neighbours, added);

    calculateWithProposals(true);
    const QString base = folder.filePath("wariant");
    prompter->expectFileName(base);
    app->mainWindow().Drukuj1Click();
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runVeltCalc({saved.toStdString(), "-o", (base + "-calc").toStdString()}, out, err), 0)
        << err.str();
    EXPECT_EQ(readText(base + ".txt"), readText(base + "-calc.txt"));
    EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join("; ").toStdString();
}

} // namespace
} // namespace velt::test
