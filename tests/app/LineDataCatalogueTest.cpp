// A tower from a catalogue in the line-data dialog's tower list.

#include "LineDataTyping.h"
#include "model/BuiltInTowers.h"
#include "widgets/FileFilter.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>

namespace velt::test {
namespace {

/// A two-circuit tower of its own, and a one-circuit one.
TowerDefinition catalogueTower() {
    TowerDefinition t = builtInTowers()[2];
    t.towerSeries = "K52";
    t.towerType = "ON2";
    t.phaseDiameter = 0.028;
    t.conductorX[0] = -8.5;
    t.conductorY[2] = 16.5;
    t.conductorY[7] = 33.0; // the ground-wire height when it was saved
    return t;
}

class LineDataCatalogueTest : public LineDataFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        base = folder.filePath("slupy");
        TowerDefinition h = builtInTowers()[1];
        h.towerSeries = "H1";
        writeCatalogue(base.toStdString(), {h, catalogueTower()});
    }

    QString file(const char* extension) const { return base + extension; }
    QComboBox& list() { return child<QComboBox>(app->loadS(), "ComboBox1"); }

    QTemporaryDir folder;
    QString base;
};

TEST_F(LineDataCatalogueTest, ATowerReadFromACatalogueIsChosenLikeABuiltInOne) {
    openLineData([&](QDialog& d) {
        type(d, "Edit1", "12");
        type(d, "Edit2", "40");
        app->mainWindow().setStatusText(1, "stary tekst");
        prompter->expectFileName(file(".VELT_data"));
        prompter->expect("CatalogueTowerDialog", [](QDialog& picker) {
            auto& keys = child<QListWidget>(picker, "ListBox1");
            EXPECT_EQ(keys.count(), 2);
            EXPECT_EQ(keys.item(0)->text(), "H1 <-> PS");
            EXPECT_EQ(keys.currentRow(), 0);
            keys.setCurrentRow(1);
            return clickIn(picker, "BitBtn1");
        });
        click(d, "SpeedButton1");
        EXPECT_EQ(list().count(), 4);
        EXPECT_EQ(list().itemText(3), "K52 <-> ON2");
        EXPECT_EQ(list().currentIndex(), 3);

        const LineProject& p = app->project();
        EXPECT_STREQ(p.towerSeries, "K52");
        EXPECT_STREQ(p.towerType, "ON2");
        EXPECT_TRUE(p.towerChosen);
        EXPECT_EQ(p.chosenTowerIndex, 3);
        EXPECT_EQ(p.phaseConductorCount, 6u);
        EXPECT_EQ(p.phaseRadius, 0.028);
        EXPECT_EQ(p.conductorX[1], -8.5);
        EXPECT_EQ(p.conductorY[3], 12.0 + 16.5);
        EXPECT_EQ(p.conductorY[8], 40.0); // at the typed ground-wire height
        EXPECT_TRUE(child<QWidget>(d, "BitBtn4").isEnabled());
        EXPECT_EQ(child<QProgressBar>(d, "CGauge1").value(), 0);
        EXPECT_EQ(app->mainWindow().statusText(1), "");
        return clickIn(d, "BitBtn1");
    });
    EXPECT_EQ(prompter->filters, QStringList({"Pliki z danymi słupów (*.VELT_data *.VELT_DATA *.velt_data)"}));
    EXPECT_TRUE(app->project().lineDataAccepted);

    // Reading the same tower again takes its entry; reopening preselects it.
    openLineData([&](QDialog& d) {
        EXPECT_EQ(list().currentIndex(), 3);
        EXPECT_EQ(app->project().conductorX[1], -8.5);
        answerCatalogue(*prompter, file(".VELT_index"), 1);
        click(d, "SpeedButton1");
        EXPECT_EQ(list().count(), 4);
        return mrCancel;
    });
}

TEST_F(LineDataCatalogueTest, ACatalogueThatCannotBeReadChangesNothing) {
    const std::string data = file(".VELT_data").toStdString();
    const std::string index = file(".VELT_index").toStdString();
    openLineData([&](QDialog& d) {
        chooseEntry(d, 1);
        prompter->expectFileName(""); // the file question cancelled
        click(d, "SpeedButton1");

        std::filesystem::resize_file(data, 1112 + 100); // the second record cut short
        answerCatalogue(*prompter, file(".VELT_data"), 1);
        click(d, "SpeedButton1");

        std::ofstream(index, std::ios::trunc).close(); // an empty index
        prompter->expectFileName(file(".VELT_data"));
        click(d, "SpeedButton1");

        std::ofstream(index, std::ios::trunc) << "no catalogue\r\n";
        prompter->expectFileName(file(".VELT_data"));
        click(d, "SpeedButton1");

        std::filesystem::remove(index);
        prompter->expectFileName(file(".VELT_data"));
        click(d, "SpeedButton1");

        prompter->expectFileName(folder.filePath("brak.VELT_data"));
        click(d, "SpeedButton1");

        EXPECT_EQ(list().count(), 3);
        EXPECT_EQ(list().currentIndex(), 1);
        EXPECT_STREQ(app->project().towerSeries, "H52");
        return mrCancel;
    });
    const QString dataName = QString::fromStdString(catalogueFiles(data).dataName);
    const QString indexName = QString::fromStdString(catalogueFiles(data).indexName);
    EXPECT_EQ(prompter->messages, QStringList({"Błąd odczytu danych z pliku!\n" + dataName,
                                               "Błąd w odczycie danych!\n" + indexName,
                                               "Błąd w odczycie danych!\n" + indexName,
                                               "Plik z danymi (lub indexem) nie istnieje",
                                               "Plik z danymi (lub indexem) nie istnieje"}));
}

TEST(FileFilterTest, PairsBecomeQtFilters) {
    EXPECT_EQ(qtFileFilter("Pliki z danymi słupów (*.VELT_data)|*.VELT_data"),
              "Pliki z danymi słupów (*.VELT_data)");
    EXPECT_EQ(qtFileFilter("Raporty|*.txt|Wszystkie (*.*)|*.*"),
              "Raporty (*.txt);;Wszystkie (*.*)");
    EXPECT_EQ(qtFileFilter("Obrazy|*.gif;*.png"), "Obrazy (*.gif *.png)");
}

} // namespace
} // namespace velt::test
