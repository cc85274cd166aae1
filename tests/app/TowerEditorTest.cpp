// The tower editor as a user drives it: defining, checking, drawing and testing a tower, the
// catalogue commands, the conversion of an old tower list, and "Zapisz słup".

#include "TowerEditorFixture.h"
#include "app/TW_Main.h"
#include "dialogs/RoundIndicator.h"
#include "editor/TW_NPOdg.h"
#include "editor/TW_PRob.h"
#include "linedata/LineSetup.h"
#include "model/BuiltInTowers.h"
#include "model/TowerCatalogue.h"

#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>

#include <fstream>
#include <iterator>

namespace velt::test {
namespace {

struct QuietUi : CatalogueUi {
    void showMessage(const std::string&) override {}
    bool confirm(const std::string&) override { return true; }
};

std::vector<std::string> listed(const std::string& path) {
    QuietUi ui;
    return ListTowers(path, ui);
}

std::string bytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class TowerEditorTest : public TowerEditorFixture {
  protected:
    RoundIndicator& indicator() { return child<RoundIndicator>(editor(), "Shape1"); }
    void click(const char* button) { child<QAbstractButton>(editor(), button).click(); }
    void open(const std::string& name) {
        prompter->expectFileName(QString::fromStdString(name));
        click("SpeedButton3");
    }
    void choose(int entry) {
        combo("ComboBox1").setCurrentIndex(entry);
        editor().ComboBox1Change();
    }
    void createCatalogue(const std::string& name, const std::vector<TowerDefinition>& towers) {
        QuietUi ui;
        CreateCatalogue(path(name), towers.front(), ui);
        for (std::size_t i = 1; i < towers.size(); ++i) {
            StoreTower(path(name), towers[i], ui);
        }
    }
    /// "Testuj" inside a modal showing; returns the answer the editor closed with.
    int test() {
        prompter->expectClick("TW_New", "BitBtn3");
        return prompter->exec(editor());
    }
};

TEST_F(TowerEditorTest, ShowsItsControlsMenusAndEmptyStart) {
    EXPECT_EQ(editor().windowTitle(), "Nowy słup");
    for (const char* readOnly : {"Edit3", "Edit4", "Edit5"}) {
        EXPECT_TRUE(field(readOnly).isReadOnly()) << readOnly;
    }
    EXPECT_EQ(field("Edit1").maxLength(), 9);
    EXPECT_EQ(field("Edit2").maxLength(), 9);
    EXPECT_EQ(field("Edit7").toolTip(), "Wysokośc zawieszenia przewodów odgromowych");
    EXPECT_EQ(child<QWidget>(editor(), "CGauge1").toolTip(), "Pasek zaawansowania obliczeń");
    QComboBox& voltages = combo("ComboBox2");
    ASSERT_EQ(voltages.count(), 3);
    EXPECT_EQ(voltages.itemText(2), "400 kV");
    EXPECT_EQ(voltages.currentIndex(), -1);
    EXPECT_EQ(child<QPushButton>(editor(), "BitBtn3").text(), "Testuj");

    QStringList menus;
    for (QAction* menu : child<QMenuBar>(editor(), "MainMenu1").actions()) {
        QStringList items;
        for (QAction* item : menu->menu()->actions()) {
            items.append(item->text());
        }
        menus.append(menu->text() + ": " + items.join(", "));
    }
    EXPECT_EQ(menus, QStringList({"Plik: Wczytaj, Zapisz, Zapisz jako, Usuń słup z pliku, "
                                  "Testuj, Zakończ",
                                  "Przewody: Edycja p. rob., Edycja p.odg.",
                                  "Konwersja: VELT'99 -> VELT 2001"}));

    // Nothing to save, test or delete yet; "Zakończ" ends with Cancel.
    click("BitBtn1");
    child<QAction>(editor(), "Ususup1").trigger();
    EXPECT_EQ(test(), mrNone);
    EXPECT_EQ(prompter->messages,
              QStringList({"Nie podano pliku!", "Nie wybrano słupa do usunięcia z pliku!",
                           "Nie podano serii lub typu!"}));
    EXPECT_FALSE(state().testTower);
    prompter->expectClick("TW_New", "BitBtn4");
    EXPECT_EQ(prompter->exec(editor()), mrCancel);
}

TEST_F(TowerEditorTest, TypedTowerIsCheckedDrawnAndHandedOverForTesting) {
    defineTower();
    EXPECT_EQ(field("Edit3").text(), "3");
    EXPECT_EQ(field("Edit4").text(), "1");
    EXPECT_EQ(indicator().colour(), QColor(0, 255, 0));
    EXPECT_EQ(indicator().toolTip(), "Wysokości przewodów są poprawne.");
    const QImage picture = drawing();
    EXPECT_TRUE(hasColour(picture, qRgb(255, 0, 0)));
    EXPECT_TRUE(hasColour(picture, qRgb(0, 128, 0)));

    type("Edit6", "12");
    type("Edit7", "10");
    EXPECT_EQ(indicator().colour(), QColor(255, 0, 0));
    EXPECT_EQ(indicator().toolTip(), "Niepoprawne wysokości przewodów!");
    type("Edit6", "10");
    type("Edit7", "150");
    EXPECT_EQ(state().editorAppliedGroundHeight, 100.0);
    EXPECT_EQ(state().editorTower.conductorY[3], 100.0);
    EXPECT_EQ(indicator().colour(), QColor(0, 255, 0));

    // A conductor 25 m above the working height of 10, ground wires at 30.
    expectListEdit("TW_PRob", {{"1", "25"}}, {"0.016", "1", "1.0"});
    click("SpeedButton1");
    EXPECT_EQ(field("Edit3").text(), "4");
    type("Edit7", "30");
    EXPECT_EQ(indicator().colour(), QColor(255, 0, 0));
    EXPECT_EQ(indicator().toolTip(), "Wyskość przewodów odgromowych jest za niska!");

    // The test tower carries the typed heights as the record would, its series marked.
    type("Edit7", "36");
    EXPECT_EQ(test(), mrOk);
    ASSERT_TRUE(state().testTower);
    const TowerDefinition& t = *state().testTower;
    EXPECT_EQ(t.towerSeries, "E1*");
    EXPECT_EQ(t.phaseVoltagePeak, 100.429);
    EXPECT_EQ(t.phaseConductorCount, 4u);
    EXPECT_EQ(t.conductorY[2], 3.2);
    EXPECT_EQ(t.conductorY[3], 25.0);
    EXPECT_EQ(t.conductorY[4], 36.0);
    EXPECT_EQ(t.groundDiameter, 0.013);
}

// A digit deleted and typed again: the indicator follows the heights typed, though they are
// the ones applied before the refusal.
TEST_F(TowerEditorTest, TheIndicatorFollowsHeightsTypedAgainAfterARefusal) {
    defineTower();
    EXPECT_EQ(indicator().colour(), QColor(0, 255, 0));
    type("Edit7", "1");
    EXPECT_EQ(indicator().colour(), QColor(255, 0, 0));
    EXPECT_EQ(indicator().toolTip(), "Niepoprawne wysokości przewodów!");
    type("Edit7", "14");
    EXPECT_EQ(indicator().colour(), QColor(0, 255, 0));
    EXPECT_EQ(indicator().toolTip(), "Wysokości przewodów są poprawne.");
}

// Many 110 kV lines have no ground wire: a tower whose ground-wire editor was never used is
// tested, stored, read back, chosen in the line data dialog and computed.
TEST_F(TowerEditorTest, ATowerWithoutGroundWiresIsATower) {
    type("Edit1", "B1");
    type("Edit2", "P");
    combo("ComboBox2").setCurrentIndex(0);
    expectListEdit("TW_PRob", {{"-2.6", "0"}, {"3.4", "0"}, {"2.6", "3.2"}}, {"0.016", "1", "1.0"});
    click("SpeedButton1");
    type("Edit6", "10");
    EXPECT_EQ(indicator().colour(), QColor(0, 255, 0));
    EXPECT_EQ(test(), mrOk);
    ASSERT_TRUE(state().testTower);
    EXPECT_EQ(state().testTower->groundWireCount, 0u);

    prompter->expectFileName(QString::fromStdString(path("bez")));
    click("BitBtn2");
    EXPECT_EQ(prompter->messages.back(), "Zapisano słup...");
    open(path("bez"));
    choose(0);
    EXPECT_EQ(field("Edit1").text(), "B1");
    EXPECT_EQ(field("Edit3").text(), "3");

    // Chosen from the catalogue in the line data dialog, without a ground-wire height.
    prompter->expect("TW_LoadS", [](QDialog& d) {
        child<QAbstractButton>(d, "SpeedButton1").click();
        child<QLineEdit>(d, "Edit1").setText("10");
        child<QLineEdit>(d, "Edit2").setText("");
        return clickIn(d, "BitBtn1");
    });
    prompter->expectFileName(QString::fromStdString(path("bez.VELT_data")));
    prompter->expect("CatalogueTowerDialog", [](QDialog& d) {
        child<QListWidget>(d, "ListBox1").setCurrentRow(0);
        return clickIn(d, "BitBtn1");
    });
    app->mainWindow().BitBtn3Click();
    EXPECT_TRUE(prompter->messages.size() == 1) << prompter->messages.join("; ").toStdString();
    ASSERT_TRUE(app->project().lineDataAccepted);
    EXPECT_EQ(app->project().groundWireCount, 0u);
    prompter->expectClick("TW_ZObl", "BitBtn1");
    prompter->expectClick("TW_Kom", "BitBtn1");
    prompter->expectClick("TW_ZRys", "BitBtn1");
    app->mainWindow().Oblicz();
    EXPECT_GT(app->profile().resultMaxValue, 0.0);
    EXPECT_EQ(app->profile().resultGroundWireCount, 0);
}

TEST_F(TowerEditorTest, RefusesNamesTheCatalogueCannotHoldAndRowsPastTheRecord) {
    defineTower("Ж1", "P");
    EXPECT_EQ(test(), mrNone);
    EXPECT_EQ(prompter->messages.back(),
              QString::fromStdString("Seria lub typ słupa zawiera znak, którego nie "
                                     "można zapisać w pliku!"));
    type("Edit1", "ŁÓDŹ1");
    EXPECT_EQ(test(), mrOk);
    EXPECT_EQ(state().testTower->towerSeries, "ŁÓDŹ1*");

    // 40 working conductors and 24 ground wires fill the record; no 65th is asked for.
    app->pRob().setRows(std::vector<ConductorRow>(40, {"1", "2"}));
    app->nPOdg().setRows(std::vector<ConductorRow>(24, {"3", ""}));
    child<QPushButton>(app->nPOdg(), "BitBtn1").click();
    EXPECT_EQ(prompter->messages.back(),
              "Za dużo przewodów!\nSłup może mieć najwyżej 64 przewody robocze i odgromowe razem.");
    app->nPOdg().setRows(std::vector<ConductorRow>(23, {"3", ""}));
    prompter->expectAnswer("TW_NewPrzew", mrCancel);
    child<QPushButton>(app->pRob(), "BitBtn1").click();
}

TEST_F(TowerEditorTest, SavesOpensReadsAndKeepsTheListUntilOpenedAgain) {
    defineTower();
    prompter->expectFileName(QString::fromStdString(path("wieze.txt")));
    click("BitBtn2");
    EXPECT_EQ(prompter->titles.back(), "Podaj nazwę dla pliku *.VELT_data programu VELT 2001");
    EXPECT_EQ(prompter->filters.back(),
              "Pliki z danymi slupów (*.VELT_data *.VELT_DATA *.velt_data)");
    EXPECT_EQ(prompter->messages.back(), "Zapisano słup...");

    open(path("wieze.VELT_data"));
    EXPECT_EQ(field("Edit5").text(), QString::fromStdString(path("wieze")));
    ASSERT_EQ(combo("ComboBox1").count(), 1);
    EXPECT_EQ(combo("ComboBox1").currentIndex(), -1);

    // "Zapisz" adds to the catalogue shown; the list shows it only when opened again.
    type("Edit1", "E2");
    click("BitBtn1");
    EXPECT_EQ(prompter->messages.back(), "Słup dodany...");
    EXPECT_EQ(combo("ComboBox1").count(), 1);
    open(path("wieze"));
    EXPECT_EQ(combo("ComboBox1").count(), 2);

    // Reading refills the fields and both list editors; the typed heights apply at once.
    type("Edit1", "X");
    app->pRob().setRows({});
    choose(0);
    EXPECT_EQ(field("Edit1").text(), "E1");
    EXPECT_EQ(field("Edit3").text(), "3");
    EXPECT_EQ(app->pRob().rows()[2], (ConductorRow{"2.6", "3.2"}));
    EXPECT_EQ(app->nPOdg().rows().size(), 1u);
    EXPECT_EQ(indicator().colour(), QColor(0, 255, 0));
    EXPECT_EQ(state().editorTower.conductorY[2], 13.2);
    EXPECT_EQ(child<QProgressBar>(editor(), "CGauge1").value(), 0);
    EXPECT_EQ(app->mainWindow().statusText(1), "");

    // Onto the existing catalogue: Yes, then No to the replace question, changes nothing;
    // No starts the catalogue anew with this tower alone.
    const std::string data = bytes(path("wieze.VELT_data"));
    const std::string index = bytes(path("wieze.VELT_index"));
    prompter->expectFileName(QString::fromStdString(path("wieze.VELT_data")));
    prompter->expectQuestion(mrYes);
    prompter->expectQuestion(mrNo);
    click("BitBtn2");
    EXPECT_EQ(prompter->questions.back(), "\nSłup już istnieje!\nCzy chcesz go zastąpić?");
    EXPECT_EQ(bytes(path("wieze.VELT_data")), data);
    EXPECT_EQ(bytes(path("wieze.VELT_index")), index);
    prompter->expectFileName(QString::fromStdString(path("wieze")));
    prompter->expectQuestion(mrNo);
    click("BitBtn2");
    EXPECT_EQ(prompter->questions.back(),
              "\nPlik już istnieje!\nCzy chcesz dodać dane do istniejącego pliku?");
    EXPECT_EQ(listed(path("wieze")), (std::vector<std::string>{"E1 <-> P"}));
}

TEST_F(TowerEditorTest, BrokenCataloguesEndWithTheCatalogueMessages) {
    defineTower();
    // A folder where the data file should be: adding stops at the missing index.
    std::filesystem::create_directory(dir / "kat.VELT_data");
    prompter->expectFileName(QString::fromStdString(path("kat")));
    prompter->expectQuestion(mrYes);
    click("BitBtn2");
    EXPECT_EQ(prompter->messages.back(),
              QString::fromStdString("Nie mogę otworzyć pliku!\n" + path("kat.VELT_index")));

    // A cut data file: the listed tower cannot be read and the fields stay as they were.
    createCatalogue("cut", {builtInTowers()[1]});
    std::filesystem::resize_file(dir / "cut.VELT_data", 500);
    open(path("cut"));
    choose(0);
    EXPECT_EQ(prompter->messages.back(),
              QString::fromStdString("Błąd odczytu danych z pliku!\n" + path("cut.VELT_data")));
    EXPECT_EQ(field("Edit1").text(), "E1");
    EXPECT_EQ(field("Edit4").text(), "1");
}

TEST_F(TowerEditorTest, OtherVoltagesKeepTheChoiceAndAnAxisTowerDrawsWhite) {
    TowerDefinition axis = builtInTowers()[0];
    axis.towerSeries = "OS";
    axis.nominalVoltage = 150.0;
    for (std::size_t i = 0; i < 4; ++i) {
        axis.conductorX[i] = 0.0;
    }
    createCatalogue("os", {axis});
    combo("ComboBox2").setCurrentIndex(1);
    open(path("os"));
    choose(0);
    EXPECT_EQ(field("Edit1").text(), "OS");
    EXPECT_EQ(combo("ComboBox2").currentIndex(), 1);
    const QImage picture = drawing();
    EXPECT_FALSE(picture.isNull());
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            ASSERT_EQ(picture.pixel(x, y) & 0xFFFFFF, 0xFFFFFFu) << x << "," << y;
        }
    }
}

TEST_F(TowerEditorTest, DeletesTheTowerReadLastAfterItsQuestion) {
    createCatalogue("k", {builtInTowers()[0], builtInTowers()[1]});
    open(path("k"));
    child<QAction>(editor(), "Ususup1").trigger();
    EXPECT_EQ(prompter->messages.back(), "Nie wybrano słupa do usunięcia z pliku!");

    choose(1);
    prompter->expectQuestion(mrCancel);
    child<QAction>(editor(), "Ususup1").trigger();
    EXPECT_EQ(prompter->beeps, 1);
    EXPECT_EQ(prompter->questions.back(),
              "USUWANIE SŁUPA Z PLIKU!\nCzy usunąć wybrany słup z pliku?");
    EXPECT_EQ(listed(path("k")).size(), 2u);

    // The list's current text does not count: the key is that of the tower read last.
    combo("ComboBox1").setCurrentIndex(0);
    const int messages = prompter->messages.size();
    prompter->expectQuestion(mrOk);
    child<QAction>(editor(), "Ususup1").trigger();
    EXPECT_EQ(listed(path("k")), (std::vector<std::string>{"S12 <-> P"}));
    EXPECT_EQ(prompter->messages.size(), messages);
}

TEST_F(TowerEditorTest, ConvertsAnOldTowerList) {
    const std::string group = "#S12#\nP\n110,100.429,3,1\n1,1.0,0.016,1,1.0,0.013\n"
                              "-2.6,3.4,2.6,0.0\n0.0,0.0,3.2\n\n";
    std::ofstream(path("stare.lin"), std::ios::binary)
        << group << "#H52#\nPS\n220,200.04166,3,2\n1,1.0,0.032,1,1.0,0.013\n"
        << "-7.7,0.0,7.7,-4.5,4.5\n0.0,0.0,0.0\n\n#broken";
    prompter->expectFileName(QString::fromStdString(path("stare.txt")));
    prompter->expectFileName(QString::fromStdString(path("nowe.velt_data")));
    child<QAction>(editor(), "VELT99VELT20011").trigger();
    EXPECT_EQ(prompter->titles,
              QStringList({"Podaj plik *.LIN z programu VELT'99",
                           "Podaj nazwę dla pliku *.VELT_data programu VELT 2001"}));
    EXPECT_EQ(prompter->filters,
              QStringList({"Pliki z danymi słupów (*.lin *.LIN)",
                           "Pliki z danymi słupów (*.velt_data *.VELT_data *.VELT_DATA)"}));
    EXPECT_EQ(prompter->messages.back(), "Konwersja zakończona");
    EXPECT_EQ(app->mainWindow().statusText(1), "Sprawdzam dane...");
    EXPECT_EQ(child<QProgressBar>(editor(), "CGauge1").value(), 0);
    EXPECT_EQ(listed(path("nowe")), (std::vector<std::string>{"S12 <-> P", "H52 <-> PS"}));

    // Names from Windows in capitals are kept: the list opens, the catalogue is written and
    // opened under the names given.
    std::ofstream(path("SLUPY.LIN"), std::ios::binary) << group;
    prompter->expectFileName(QString::fromStdString(path("SLUPY.LIN")));
    prompter->expectFileName(QString::fromStdString(path("WIEZE.VELT_DATA")));
    child<QAction>(editor(), "VELT99VELT20011").trigger();
    EXPECT_EQ(prompter->messages.back(), "Konwersja zakończona");
    EXPECT_TRUE(std::filesystem::exists(path("WIEZE.VELT_DATA")));
    EXPECT_TRUE(std::filesystem::exists(path("WIEZE.VELT_INDEX")));
    open(path("WIEZE.VELT_DATA"));
    EXPECT_EQ(combo("ComboBox1").count(), 1);

    // Cancelling either dialog ends the command.
    prompter->expectFileName("");
    child<QAction>(editor(), "VELT99VELT20011").trigger();
    prompter->expectFileName(QString::fromStdString(path("stare.lin")));
    prompter->expectFileName("");
    child<QAction>(editor(), "VELT99VELT20011").trigger();
    EXPECT_EQ(prompter->messages.size(), 2);
}

TEST_F(TowerEditorTest, MainWindowSavesTheTowerOfTheAcceptedLine) {
    app->mainWindow().Zapiszsup1Click();
    EXPECT_EQ(prompter->messages.back(), "Nie podano danych!");

    LineDialogState dialog;
    dialog.form.workingHeight = "10";
    dialog.form.groundHeight = "14";
    dialog.form.towerShift = "2.5";
    LineSetup setup;
    setup.tower = builtInTowers()[0];
    setup.listIndex = 0;
    ASSERT_EQ(setUpLine(app->project(), dialog, setup), std::nullopt);
    app->towerChoice() = dialog.choice;
    prompter->expectFileName(QString::fromStdString(path("linia")));
    app->mainWindow().Zapiszsup1Click();
    EXPECT_EQ(prompter->messages.back(), "Zapisano słup...");

    // Read back in the editor it is the tower the line was set up with.
    open(path("linia"));
    choose(0);
    EXPECT_EQ(field("Edit1").text(), "S12");
    EXPECT_EQ(combo("ComboBox2").currentIndex(), 0);
    EXPECT_EQ(app->pRob().rows(),
              (std::vector<ConductorRow>{{"-2.6", "0"}, {"3.4", "0"}, {"2.6", "3.2"}}));
    EXPECT_EQ(state().editorTower.conductorY[3], 14.0);
    EXPECT_EQ(state().editorTower.phaseDiameter, 0.016);
}

} // namespace
} // namespace velt::test
