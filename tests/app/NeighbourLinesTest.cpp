// The lines beside the main one in the desktop program: their table and the dialog of one
// line, opened from the "Słup" menu and from the line-data dialog.

#include "NeighbourTyping.h"
#include "app/OptionSettings.h"
#include "calc/NeighbourValues.h"

#include <QRadioButton>
#include <QTemporaryDir>

namespace velt::test {
namespace {

const QString kNoCurrents = "Nie podano prądów fazowych linii!";

class NeighbourLinesTest : public LineDataFixture {
  protected:
    std::vector<NeighbourLine>& neighbours() { return app->lineDialog().form.options.neighbours; }

    /// "Linie sąsiednie..." from the menu; `action` works the table while it is shown.
    void openTable(ScriptedPrompter::Action action) {
        prompter->expect("TW_LinieSas", std::move(action));
        neighbourMenu(app->mainWindow());
    }

    QTableWidget& grid(QDialog& table) { return child<QTableWidget>(table, "StringGrid1"); }

    /// `button` of the table with row `row` selected.
    void clickOnRow(QDialog& table, int row, const QString& button) {
        grid(table).setCurrentCell(row, 0);
        click(table, button);
    }
};

NeighbourLine z52At(double offset) {
    NeighbourLine line;
    line.tower = builtInTowers()[2];
    line.builtInTower = true;
    line.offset = offset;
    line.workingHeight = 12.0;
    line.groundWireHeight = 30.0;
    return line;
}

TEST_F(NeighbourLinesTest, LinesAreAddedChangedAndRemoved) {
    openTable([&](QDialog& t) {
        EXPECT_EQ(t.windowTitle(), "Linie sąsiednie");
        prompter->expect("TW_LiniaSas", [](QDialog& d) {
            EXPECT_EQ(d.windowTitle(), "Linia sąsiednia");
            EXPECT_EQ(child<QComboBox>(d, "ComboBox1").currentIndex(), -1);
            typeNeighbour(d, kS12At40);
            // One circuit: neither a second current nor its phase order.
            EXPECT_FALSE(child<QWidget>(d, "Edit7").isEnabled());
            EXPECT_FALSE(child<QWidget>(d, "ComboBox2").isEnabled());
            EXPECT_TRUE(child<QWidget>(d, "Edit4").isEnabled());
            return clickIn(d, "BitBtn1");
        });
        click(t, "BitBtn3");
        EXPECT_EQ(rowTexts(t, 0), QStringList({"Linia 110 kV", "S12 <-> P", "40", "10", "14", "110",
                                               "300", "0", ""}));
        prompter->expect("TW_LiniaSas", [](QDialog& d) {
            EXPECT_EQ(textOf(d, "Edit2"), "40");
            EXPECT_EQ(child<QComboBox>(d, "ComboBox1").currentIndex(), 0);
            type(d, "Edit2", "-45");
            return clickIn(d, "BitBtn1");
        });
        clickOnRow(t, 0, "BitBtn4");
        EXPECT_EQ(rowTexts(t, 0)[2], "-45");

        answerNeighbour(*prompter,
                        {2, {{"Edit2", "80"}, {"Edit3", "12"}, {"Edit4", "30"}, {"Edit7", "400"}}});
        click(t, "BitBtn3");
        EXPECT_EQ(rowTexts(t, 1), QStringList({"", "Z52 <-> ON150", "80", "12", "30", "(400)",
                                               "0 / 400", "0", "RST-RST"}));
        clickOnRow(t, 0, "BitBtn5");
        EXPECT_EQ(grid(t).rowCount(), 1);
        return clickIn(t, "BitBtn1");
    });
    ASSERT_EQ(neighbours().size(), 1u);
    NeighbourLine expected = z52At(80.0);
    expected.currents = {0.0, 400.0};
    EXPECT_EQ(neighbours()[0], expected);
    // Kept for the next run like every option.
    EXPECT_EQ(loadOptionSettings().neighbours, neighbours());
}

TEST_F(NeighbourLinesTest, CancelChangesNothing) {
    neighbours() = {z52At(60.0)};
    openTable([&](QDialog& t) {
        EXPECT_EQ(rowTexts(t, 0)[2], "60");
        prompter->expectClick("TW_LiniaSas", "BitBtn2");
        clickOnRow(t, 0, "BitBtn4");
        answerNeighbour(*prompter, kS12At40);
        click(t, "BitBtn3");
        clickOnRow(t, 0, "BitBtn5");
        EXPECT_EQ(grid(t).rowCount(), 1);
        return clickIn(t, "BitBtn2");
    });
    EXPECT_EQ(neighbours(), std::vector<NeighbourLine>{z52At(60.0)});
    // "&Tak" without a change changes nothing either.
    prompter->expectClick("TW_LinieSas", "BitBtn1");
    EXPECT_FALSE(app->loadS().editNeighbourLines());
    EXPECT_TRUE(loadOptionSettings().neighbours.empty());
}

TEST_F(NeighbourLinesTest, AtMostEightLines) {
    neighbours().assign(8, z52At(60.0));
    openTable([&](QDialog& t) {
        click(t, "BitBtn3");
        EXPECT_EQ(grid(t).rowCount(), 8);
        return clickIn(t, "BitBtn2");
    });
    EXPECT_EQ(prompter->messages,
              QStringList({"Zbyt wiele linii sąsiednich!\nModel obejmuje najwyżej 8 linii "
                           "sąsiednich."}));
    EXPECT_EQ(prompter->dialogs, QStringList({"TW_LinieSas"}));
}

// The dialog stays open on a refusal; the line as refused never reaches the table.
TEST_F(NeighbourLinesTest, BadValuesAreRefusedWithTheirMessage) {
    child<QRadioButton>(app->loadS(), "RadioButton2").setChecked(true); // magnetic
    openTable([&](QDialog& t) {
        prompter->expect("TW_LiniaSas", [](QDialog& d) {
            const std::pair<NeighbourInput, const char*> steps[] = {
                {{-1, {}}, "Nie wybrano serii i typu słupa!"},
                {{2, {{"Edit2", "80"}, {"Edit3", "0"}}}, "Niepoprawne wysokości przewodów!"},
                {{-1, {{"Edit3", "12"}, {"Edit4", "30"}, {"Edit5", "1500"}}},
                 "Napięcie linii musi być większe od 0.0 i nie większe od 1200 kV!"},
                {{-1, {{"Edit5", ""}}}, "Nie podano prądów fazowych linii!"},
                {{-1, {{"Edit6", "500"}}}, "Nie podano prądów fazowych linii!"},
                {{-1, {{"Edit7", "0"}}}, "Wartość prądu fazowego musi być większa od 0.0!"},
            };
            for (const auto& [input, message] : steps) {
                typeNeighbour(d, input);
                EXPECT_EQ(clickIn(d, "BitBtn1"), mrNone) << message;
            }
            return clickIn(d, "BitBtn2");
        });
        click(t, "BitBtn3");
        EXPECT_EQ(grid(t).rowCount(), 0);
        return clickIn(t, "BitBtn1");
    });
    EXPECT_EQ(
        prompter->messages,
        QStringList({"Nie wybrano serii i typu słupa!", "Niepoprawne wysokości przewodów!",
                     "Napięcie linii musi być większe od 0.0 i nie większe od 1200 kV!",
                     kNoCurrents, kNoCurrents, "Wartość prądu fazowego musi być większa od 0.0!"}));
    EXPECT_TRUE(neighbours().empty());
}

// A tower read from a catalogue for a neighbour joins the line-data dialog's list too.
TEST_F(NeighbourLinesTest, ACatalogueTowerForANeighbour) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    writeK52Catalogue(folder.path());
    openTable([&](QDialog& t) {
        prompter->expect("TW_LiniaSas", [&](QDialog& d) {
            answerCatalogue(*prompter, folder.filePath("slupy.VELT_data"), 1);
            click(d, "SpeedButton1");
            const auto& list = child<QComboBox>(d, "ComboBox1");
            EXPECT_EQ(list.currentText(), "K52 <-> ON150");
            EXPECT_EQ(list.currentIndex(), 3);
            EXPECT_TRUE(child<QWidget>(d, "Edit7").isEnabled());
            typeNeighbour(d, {-1, {{"Edit2", "-50"}, {"Edit3", "12"}, {"Edit4", "30"}}});
            return clickIn(d, "BitBtn1");
        });
        click(t, "BitBtn3");
        return clickIn(t, "BitBtn1");
    });
    ASSERT_EQ(neighbours().size(), 1u);
    EXPECT_EQ(neighbours()[0].tower.towerSeries, "K52");
    EXPECT_EQ(neighbours()[0].tower.conductorX[3], 9.6);
    EXPECT_FALSE(neighbours()[0].builtInTower);
    EXPECT_EQ(child<QComboBox>(app->loadS(), "ComboBox1").itemText(3), "K52 <-> ON150");
}

// The line-data dialog's button opens the same table once a tower is chosen; its OK refuses
// a neighbour that hangs on the line's own conductor.
TEST_F(NeighbourLinesTest, TheLineDataDialogsButtonAndItsOk) {
    const NeighbourInput onTheLine = {0, {{"Edit2", "0"}, {"Edit3", "10"}, {"Edit4", "14"}}};
    openLineData([&](QDialog& d) {
        EXPECT_FALSE(child<QWidget>(d, "BitBtn8").isEnabled());
        chooseEntry(d, 0);
        type(d, "Edit1", "10");
        type(d, "Edit2", "14");
        type(d, "Edit3", "2");
        EXPECT_TRUE(child<QWidget>(d, "BitBtn8").isEnabled());
        answerTableAdding(*prompter, onTheLine);
        click(d, "BitBtn8");
        EXPECT_EQ(clickIn(d, "BitBtn1"), mrNone);
        EXPECT_EQ(prompter->messages,
                  QStringList{"Linia sąsiednia 1: Dwa przewody nie mogą leżeć w tym samym "
                              "miejscu!"});
        prompter->expect("TW_LinieSas", [&](QDialog& t) {
            answerNeighbour(*prompter, {-1, {{"Edit2", "40"}}});
            clickOnRow(t, 0, "BitBtn4");
            return clickIn(t, "BitBtn1");
        });
        click(d, "BitBtn8");
        return clickIn(d, "BitBtn1");
    });
    EXPECT_EQ(prompter->dialogs, QStringList({"TW_LoadS", "TW_LinieSas", "TW_LiniaSas",
                                              "TW_LinieSas", "TW_LiniaSas"}));
    EXPECT_TRUE(app->project().lineDataAccepted);
    ASSERT_EQ(neighbours().size(), 1u);
    EXPECT_EQ(neighbours()[0].offset, 40.0);
    EXPECT_EQ(loadOptionSettings().neighbours, neighbours());
}

} // namespace
} // namespace velt::test
