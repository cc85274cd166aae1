// "Seria obliczeń..." in the desktop program: the dialog, the run in the background, the
// series variant and its files, against velt-calc's sweep and target.

#include "LineDataTyping.h"
#include "app/SeriesRunner.h"
#include "app/SeriesView.h"
#include "app/Variants.h"
#include "cli/BatchRun.h"
#include "model/DecimalText.h"
#include "widgets/ModalDialog.h"

#include <gif_lib.h>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>

namespace velt::test {
namespace {

std::string readText(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

QSize gifSize(const QString& path) {
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.toStdString().c_str(), &error);
    if (gif == nullptr) {
        return {};
    }
    const QSize size(gif->SWidth, gif->SHeight);
    DGifCloseFile(gif, &error);
    return size;
}

/// What the series dialog is given.
struct Asked {
    QString key;
    QString from;
    QString to;
    QString step;
    QString level = "(brak)";
    QString distance = {};
};

class SeriesTest : public AppFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        showMainWindow();
    }

    TW_Main& main() { return app->mainWindow(); }

    void openExample(const QString& name) {
        prompter->expectFileName(QString(VELT_EXAMPLES_DIR) + "/" + name + ".json");
        child<QAction>(main(), "Otworzprojekt1").trigger();
        ASSERT_TRUE(app->project().lineDataAccepted);
    }

    /// Fills the dialog with `asked` and clicks "&Tak"; the dialog's result.
    static int fill(QDialog& d, const Asked& asked) {
        auto& quantity = child<QComboBox>(d, "ComboBox1");
        quantity.setCurrentIndex(quantity.findData(asked.key));
        EXPECT_GE(quantity.currentIndex(), 0) << asked.key.toStdString();
        type(d, "Edit1", asked.from);
        type(d, "Edit2", asked.to);
        type(d, "Edit3", asked.step);
        auto& level = child<QComboBox>(d, "ComboBox2");
        level.setCurrentIndex(level.findText(asked.level));
        EXPECT_GE(level.currentIndex(), 0) << asked.level.toStdString();
        if (!asked.distance.isEmpty()) {
            type(d, "Edit4", asked.distance);
        }
        return clickIn(d, "BitBtn1");
    }

    /// "Seria obliczeń..." answered with `asked`.
    void startSeries(const Asked& asked) {
        prompter->expect("TW_Seria", [asked](QDialog& d) { return fill(d, asked); });
        child<QAction>(main(), "Seriaobliczen1").trigger();
    }

    SeriesRunner* runner() { return main().findChild<SeriesRunner*>(); }

    /// Until the series running has ended, the window answering all the while.
    void waitForSeries() {
        SeriesRunner* r = runner();
        ASSERT_NE(r, nullptr);
        if (r->running()) {
            QSignalSpy ended(r, &SeriesRunner::finished);
            ASSERT_TRUE(ended.wait(300000));
        }
    }

    const SeriesView* activeSeries() {
        return qobject_cast<const SeriesView*>(
            Variants::viewOf(main().mdiArea().activeSubWindow()));
    }

    /// velt-calc with `args`, ending with `status`; its standard output.
    std::string veltCalc(const std::vector<std::string>& args, int status = kExitDone) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(runVeltCalc(args, out, err), status) << err.str();
        return out.str();
    }

    QTemporaryDir folder;
};

const QString kResidential = "Tereny zabudowy mieszkaniowej (PL)";

TEST_F(SeriesTest, NothingToVaryBeforeTheLineDataAreAccepted) {
    child<QAction>(main(), "Seriaobliczen1").trigger();
    EXPECT_EQ(prompter->messages, QStringList({"Nie podano danych!"}));
    EXPECT_FALSE(prompter->dialogs.contains("TW_Seria"));
}

// The rows are velt-calc sweep's for the project the desktop saves, to the last digit; the
// height marked is velt-calc target's.
TEST_F(SeriesTest, AWorkingHeightSeriesIsVeltCalcsSweepAndTarget) {
    openExample("z52-horizontal");
    prompter->expect("TW_Seria", [](QDialog& d) {
        auto& quantity = child<QComboBox>(d, "ComboBox1");
        EXPECT_EQ(quantity.count(), 5);
        EXPECT_EQ(quantity.itemText(0), "Wysokość zawieszenia przewodów roboczych [m]");
        return fill(d, {"workingHeight", "8", "20", "0,25", kResidential, "25"});
    });
    child<QAction>(main(), "Seriaobliczen1").trigger();
    EXPECT_TRUE(child<QProgressBar>(main(), "ProgressBar1").isVisibleTo(&main()));
    EXPECT_EQ(child<QProgressBar>(main(), "ProgressBar1").maximum(), 49);
    waitForSeries();
    EXPECT_FALSE(child<QProgressBar>(main(), "ProgressBar1").isVisibleTo(&main()));
    EXPECT_EQ(main().statusText(1), "Seria obliczeń wykonana...");
    // Above 14 m the working conductors reach the ground wires: the user is told.
    EXPECT_EQ(prompter->messages, QStringList({"Pominięto 24 z 49 obliczeń serii:\n"
                                               "Przewody odgromowe są umieszczone zbyt nisko!"}));
    prompter->messages.clear();
    EXPECT_EQ(windowTitles(), QStringList({"Seria 1."}));
    EXPECT_EQ(menuItems(), QStringList({"Seria 1."}));
    const SeriesView* view = activeSeries();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->result().rows.size(), 49u);

    const QString project = folder.filePath("z52.json");
    prompter->expectFileName(project);
    child<QAction>(main(), "Zapiszprojektjako1").trigger();
    prompter->expectFileName(folder.filePath("seria"));
    main().Drukuj1Click();
    EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join("\n").toStdString();
    const std::string sweep = folder.filePath("sweep.csv").toStdString();
    // Above 14 m the working conductors reach the ground wires: those rows are refused.
    veltCalc({"sweep", project.toStdString(), "--vary", "workingHeight=8:20:0.25", "--limits",
              "pl-residential", "-o", sweep},
             kExitRefused);
    EXPECT_EQ(readText(folder.filePath("seria.csv")), readText(QString::fromStdString(sweep)));
    EXPECT_EQ(gifSize(folder.filePath("seria.gif")), view->size());

    const std::string target =
        veltCalc({"target", project.toStdString(), "--limit", "pl-residential", "--at", "25"});
    ASSERT_TRUE(view->graph().marked);
    EXPECT_EQ(target.substr(0, target.find(' ')),
              "workingHeight=" + formatNumber("%.2f", *view->graph().marked));
    EXPECT_EQ(view->graph().markedAt, 25.0);
}

// A plan the core refuses keeps the dialog open with the reason; nothing runs.
TEST_F(SeriesTest, RefusedPlansShowWhyAndRunNothing) {
    openExample("z52-horizontal");
    const struct {
        Asked asked;
        QString message;
    } cases[] = {
        {{"workingHeight", "8", "20", "0"}, "Krok nie może być równy 0!"},
        {{"workingHeight", "20", "8", "0.25"},
         "Krok musi prowadzić od wartości początkowej do końcowej!"},
        {{"workingHeight", "8", "20", "0.0001"}, "Seria może liczyć najwyżej 100000 obliczeń!"},
        {{"workingHeight", "8", "dwa", "1"}, "Wartości od, do i krok muszą być liczbami!"},
        {{"towerShift", "-2", "2", "1"}, "Wartości nie mogą być mniejsze od 0.0!"},
        {{"line.y", "0", "2", "1"}, "Wartości muszą być większe od 0.0!"},
        {{"workingHeight", "8", "20", "1", kResidential, "-5"},
         "Odległość od osi linii musi być liczbą nie mniejszą od 0.0!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        prompter->messages.clear();
        prompter->expect("TW_Seria", [&c](QDialog& d) {
            EXPECT_EQ(fill(d, c.asked), mrNone);
            EXPECT_TRUE(d.isVisible());
            return clickIn(d, "BitBtn2");
        });
        child<QAction>(main(), "Seriaobliczen1").trigger();
        EXPECT_EQ(prompter->messages, QStringList({c.message}));
        EXPECT_FALSE(runner()->running());
    }
    EXPECT_TRUE(windowTitles().isEmpty());
}

// "Przerwij" opens nothing; while a series runs another one waits for it.
TEST_F(SeriesTest, AStoppedSeriesOpensNothingAndOnlyOneRunsAtATime) {
    openExample("z52-horizontal");
    startSeries({"workingHeight", "8", "20", "0.001"});
    ASSERT_TRUE(runner()->running());
    child<QAction>(main(), "Seriaobliczen1").trigger();
    EXPECT_EQ(prompter->messages, QStringList({"Seria obliczeń jeszcze trwa!"}));
    click(main(), "BitBtn12");
    waitForSeries();
    EXPECT_EQ(main().statusText(1), "Seria obliczeń przerwana...");
    EXPECT_TRUE(windowTitles().isEmpty());
    EXPECT_EQ(app->project().variantCounter, 0);

    startSeries({"phaseOrder", "", "", ""});
    waitForSeries();
    EXPECT_EQ(windowTitles(), QStringList({"Seria 1."}));
}

// The series window saves, prints and exports itself like a variant, and asks before closing.
TEST_F(SeriesTest, TheSeriesWindowWritesItsFilesAndAsksBeforeClosing) {
    openExample("h52-magnetic-building");
    startSeries({"currents[0]", "400", "800", "100", kResidential});
    waitForSeries();
    const SeriesView* view = activeSeries();
    ASSERT_NE(view, nullptr);
    const auto exportTo = [&](const QString& name) {
        prompter->expectFileName(folder.filePath(name));
        child<QAction>(main(), "Eksportujwariant1").trigger();
        return folder.filePath(name);
    };
    const std::string csv = readText(exportTo("seria.csv"));
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "currents[0],max,maxPosition,zone:pl-residential:from,zone:pl-residential:to,"
              "zone:pl-residential:width,refused");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 6);
    EXPECT_EQ(prompter->fileQuestions.last(),
              "Eksportuj wariant|Tabela CSV (*.csv *.CSV);;Obraz PNG (*.png *.PNG);;"
              "Rysunek SVG (*.svg *.SVG);;Dokument PDF (*.pdf *.PDF)");
    prompter->expect("TW_RozObr", [](QDialog& d) {
        child<QSpinBox>(d, "Edit1").setValue(800);
        child<QSpinBox>(d, "Edit2").setValue(500);
        return clickIn(d, "BitBtn1");
    });
    const QImage png(exportTo("seria.png"));
    EXPECT_EQ(png.size(), QSize(800, 500));
    EXPECT_NE(readText(exportTo("seria.svg")).find("<svg"), std::string::npos);
    EXPECT_EQ(readText(exportTo("seria.pdf")).rfind("%PDF", 0), 0u);

    if (QPrinterInfo::defaultPrinter().isNull()) {
        prompter->expectFileName(folder.filePath("wydruk"));
        main().Drukujwyniki1Click();
        EXPECT_NE(readText(folder.filePath("wydruk.pdf")).find("/Count 1"), std::string::npos);
    }

    prompter->expectClick("TW_UWar", "BitBtn2"); // "Nie"
    EXPECT_FALSE(main().mdiArea().activeSubWindow()->close());
    prompter->expectClick("TW_UWar", "BitBtn1"); // "Tak"
    EXPECT_TRUE(main().mdiArea().activeSubWindow()->close());
    QCoreApplication::processEvents();
    EXPECT_TRUE(windowTitles().isEmpty());
    EXPECT_TRUE(menuItems().isEmpty());
}

} // namespace
} // namespace velt::test
