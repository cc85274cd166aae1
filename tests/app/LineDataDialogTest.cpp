// The line-data dialog worked through its widgets: controls, tower choice, heights as they
// are typed, the OK chain, the check boxes with their dialogs, and the buttons.

#include "LineDataTyping.h"
#include "dialogs/RoundIndicator.h"
#include "dialogs/TW_PEkr.h"
#include "dialogs/TW_PFaz.h"
#include "dialogs/TW_PrzesSlup.h"
#include "dialogs/TW_WspDom.h"
#include "dialogs/TW_ZFaz.h"
#include "dialogs/TW_Zakl.h"
#include "model/BuiltInTowers.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QRadioButton>
#include <QTreeWidget>

#include <cmath>

namespace velt::test {
namespace {

const QString kGreen = "Wysokości przewodów są poprawne.";
const QString kGroundTooLowHint = "Wyskość przewodów odgromowych jest za niska!";
const QString kGroundTooLow = "Przewody odgromowe są umieszczone zbyt nisko!";
const QString kChooseTowerFirst = "Wybierz najpierw serię i typ słupa!";

QString captionOf(const QWidget& widget) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        return edit->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return button->text();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        return group->title();
    }
    return qobject_cast<const QLabel*>(&widget) ? qobject_cast<const QLabel*>(&widget)->text()
                                                : QString();
}

bool enabled(QWidget& form, const QString& name) {
    return child<QWidget>(form, name).isEnabled();
}

bool checked(QWidget& form, const QString& name) {
    return child<QAbstractButton>(form, name).isChecked();
}

class LineDataDialogTest : public LineDataFixture {
  protected:
    LineProject& project() { return app->project(); }

    QColor indicator(QWidget& d) { return child<RoundIndicator>(d, "Shape1").colour(); }
    QString indicatorHint(QWidget& d) { return child<QWidget>(d, "Shape1").toolTip(); }

    /// S12 chosen with the heights 10 and 14: working conductors at (-2.6, 10), (3.4, 10),
    /// (2.6, 13.2), the ground wire at (0, 14).
    void chooseS12(QDialog& d) {
        chooseEntry(d, 0);
        type(d, "Edit1", "10");
        type(d, "Edit2", "14");
    }
};

TEST_F(LineDataDialogTest, ControlsWithTheirCaptionsHintsDefaultsAndEnabling) {
    struct Control {
        const char* name;
        const char* caption;
        const char* hint;
        bool enabled;
    };
    const Control controls[] = {
        {"Label1", "Seria i typ słupa", "", true},
        {"ComboBox1", "", "Typ słupa używany przy obliczeniach pola", true},
        {"SpeedButton1", "...", "Wczytanie danych z pliku", true},
        {"Label2", "Wys. zaw. najniższego przew. roboczego", "", true},
        {"Edit1", "", "Podaj wysokość w metrach", true},
        {"Label3", "Wys. zaw. przewodów odgromowych", "", true},
        {"Edit2", "", "Podaj wysokość w metrach", true},
        {"Shape1", "", "Wskaźnik poprawności podanych wysokości zawieszenia przewodów.", true},
        {"RadioGroup1", "Badane pole", "Wybór rodzaju pola", true},
        {"RadioGroup2", "Obliczenia ", "Wybór sposobu obliczeń", true},
        {"GroupBox1", "Obliczenia zakłóceń", "", true},
        {"CheckBox3", "Zakł. na przewodach?", "", false},
        {"RadioGroup3", "Obliczenia na prostych", "Wybór prostej do obliczeń", true},
        {"Edit3", "2.0", "Podaj wysokość w metrach", true},
        {"Edit4", "", "Podaj odległość w metrach", false},
        {"GroupBox2", "Dodatkowe obliczenia", "", true},
        {"CheckBox2", "Budynek", "Dane dla budynku", true},
        {"SpeedButton2", "...", "Edycja paramatrów domku", false},
        {"CheckBox1", "Przewody ekranujące", "Dane dla przewodów ekranujących", true},
        {"BitBtn4", "Zmiana faz!", "Zmiana kolejności faz dla linii dwutorowej", false},
        {"BitBtn6", "Napięcia fazowe", "", false},
        {"BitBtn5", "Nowy słup", "", true},
        {"BitBtn7", "Przesunięcie słupa", "Edycja przesunięcia osi słupa", true},
        {"BitBtn8", "Linie sąsiednie...", "Linie biegnące obok linii w tym samym przekroju", false},
        {"PaintBox1", "", "Rozmieszczenie przewodów roboczych i odgromowych na wczytanym słupie",
         true},
        {"BitBtn1", "&Tak", "", true},
        {"BitBtn2", "&Nie", "", true},
        {"BitBtn3", "Anuluj", "", true},
    };
    QWidget& d = app->loadS();
    EXPECT_EQ(d.windowTitle(), "Wczytanie słupa");
    for (const Control& c : controls) {
        const QWidget& widget = child<QWidget>(d, c.name);
        EXPECT_EQ(captionOf(widget), c.caption) << c.name;
        EXPECT_EQ(widget.toolTip(), c.hint) << c.name;
        EXPECT_EQ(widget.isEnabled(), c.enabled) << c.name;
    }
    // The radio groups' items, the default one checked.
    const std::tuple<const char*, const char*, const char*, bool> items[] = {
        {"RadioGroup1", "RadioButton1", "Elektryczne", true},
        {"RadioGroup1", "RadioButton2", "Magnetyczne", false},
        {"RadioGroup2", "RadioButton3", "Na przewodach", false},
        {"RadioGroup2", "RadioButton4", "Wzdłuż zadanych prostych", true},
        {"RadioGroup3", "RadioButton5", "Na stałej wysokości (y)", true},
        {"RadioGroup3", "RadioButton6", "Wzdłuż prostej pionowej (x)", false},
    };
    for (const auto& [group, name, text, isDefault] : items) {
        const QWidget& item = child<QWidget>(child<QWidget>(d, group), name);
        EXPECT_EQ(captionOf(item), text);
        EXPECT_EQ(checked(d, name), isDefault) << name;
    }
    auto& list = child<QComboBox>(d, "ComboBox1");
    ASSERT_EQ(list.count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(list.itemText(i).toStdString(), builtInTowerListTexts()[i]);
    }
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_EQ(child<QProgressBar>(d, "CGauge1").value(), 0);
    EXPECT_FALSE(checked(d, "CheckBox1") || checked(d, "CheckBox2") || checked(d, "CheckBox3"));
}

TEST_F(LineDataDialogTest, FieldsOnTheLeftAndAWhitePreviewFollowingTheSize) {
    openLineData([](QDialog& d) {
        QWidget& fields = child<QWidget>(d, "Panel1");
        QWidget& panel = child<QWidget>(d, "Panel2");
        QWidget& preview = child<QWidget>(d, "PaintBox1");
        for (const QSize size : {QSize(544, 427), QSize(760, 520)}) {
            d.resize(size);
            d.layout()->activate();
            EXPECT_EQ(d.size(), size);
            EXPECT_EQ(fields.geometry(), QRect(0, 0, 305, size.height()));
            EXPECT_EQ(panel.geometry(), QRect(305, 0, size.width() - 305, size.height()));
            EXPECT_GE(preview.width(), size.width() - 305 - 4);
            EXPECT_GE(preview.height(), size.height() - 4);
            const QImage picture = preview.grab().toImage();
            EXPECT_EQ(picture.pixelColor(picture.rect().center()), QColor(Qt::white));
        }
        EXPECT_EQ(preview.minimumSize(), QSize(100, 100));
        return mrCancel;
    });
}

TEST_F(LineDataDialogTest, ChoosingATowerSetsItUpAndSwitchesTheTwoCircuitControls) {
    openLineData([&](QDialog& d) {
        app->mainWindow().setStatusText(1, "Przeszukuję plik...");
        child<QProgressBar>(d, "CGauge1").setValue(40);
        app->przesSlup().setText("2.5");
        type(d, "Edit1", "12");
        type(d, "Edit2", "30");
        chooseEntry(d, 2); // Z52
        EXPECT_TRUE(enabled(d, "BitBtn4"));
        EXPECT_TRUE(enabled(d, "BitBtn6")); // four or more working conductors
        EXPECT_TRUE(enabled(app->pFaz(), "Edit2"));
        EXPECT_EQ(app->mainWindow().statusText(1), "");
        EXPECT_EQ(child<QProgressBar>(d, "CGauge1").value(), 0);
        EXPECT_EQ(app->przesSlup().text(), "0.0");
        EXPECT_EQ(project().phaseConductorCount, 6u);
        EXPECT_EQ(project().conductorY[3], 12.0 + 15.8); // the typed heights apply at once
        EXPECT_EQ(project().conductorY[8], 30.0);
        EXPECT_EQ(indicator(d), QColor(0, 255, 0));

        chooseEntry(d, 1); // H52 leaves nothing of Z52 behind
        EXPECT_EQ(project().phaseConductorCount, 3u);
        EXPECT_EQ(project().groundWireCount, 2u);
        for (int i = 6; i <= 8; ++i) {
            EXPECT_EQ(project().conductorX[i], 0.0) << i;
            EXPECT_EQ(project().conductorY[i], 0.0) << i;
        }
        EXPECT_FALSE(enabled(d, "BitBtn4"));
        EXPECT_FALSE(enabled(d, "BitBtn6"));
        EXPECT_FALSE(enabled(app->pFaz(), "Edit2"));

        type(d, "Edit1", "10");
        type(d, "Edit2", "14");
        chooseEntry(d, 0); // S12
        const double expected[][2] = {{-2.6, 10.0}, {3.4, 10.0}, {2.6, 13.2}, {0.0, 14.0}};
        for (int i = 1; i <= 4; ++i) {
            EXPECT_DOUBLE_EQ(project().conductorX[i], expected[i - 1][0]) << i;
            EXPECT_DOUBLE_EQ(project().conductorY[i], expected[i - 1][1]) << i;
        }
        EXPECT_TRUE(project().towerChosen);
        EXPECT_EQ(project().chosenTowerIndex, 0);
        return mrCancel;
    });
    EXPECT_EQ(project().towerShift, 0.0); // only the field's text was reset
}

TEST_F(LineDataDialogTest, HeightsAreCheckedAsTheyAreTyped) {
    openLineData([&](QDialog& d) {
        chooseEntry(d, 0);
        EXPECT_EQ(indicator(d), QColor(255, 0, 0));
        EXPECT_EQ(indicatorHint(d), "Nie podano wysokości przewodów!");
        chooseS12(d);
        EXPECT_EQ(indicator(d), QColor(0, 255, 0));
        EXPECT_EQ(indicatorHint(d), kGreen);
        EXPECT_DOUBLE_EQ(project().conductorY[3], 13.2);
        EXPECT_EQ(project().conductorY[4], 14.0);

        type(d, "Edit2", "13.2"); // level with the highest working conductor is enough
        EXPECT_EQ(indicator(d), QColor(0, 255, 0));
        type(d, "Edit2", "13");
        EXPECT_EQ(indicator(d), QColor(255, 0, 0));
        EXPECT_EQ(indicatorHint(d), kGroundTooLowHint);
        EXPECT_EQ(clickIn(d, "BitBtn1"), mrNone);
        EXPECT_EQ(prompter->messages, QStringList({kGroundTooLow}));

        type(d, "Edit2", "10"); // equal heights pass the order test
        EXPECT_EQ(indicatorHint(d), kGroundTooLowHint);
        type(d, "Edit1", "11");
        EXPECT_EQ(indicatorHint(d), "Niepoprawne wysokości przewodów!");

        // A key that changes no height repeats nothing.
        type(d, "Edit1", "10");
        type(d, "Edit2", "14");
        project().conductorY[1] = -1.0;
        QTest::keyClick(&child<QLineEdit>(d, "Edit2"), Qt::Key_End);
        EXPECT_EQ(project().conductorY[1], -1.0);
        EXPECT_EQ(indicatorHint(d), kGreen);
        return mrCancel;
    });
}

TEST_F(LineDataDialogTest, HeightsAbove100mPlaceTheConductorsAt100m) {
    openLineData([&](QDialog& d) {
        chooseEntry(d, 1); // H52: all working conductors at the same relative height
        type(d, "Edit1", "150");
        type(d, "Edit2", "160");
        EXPECT_EQ(textOf(d, "Edit1"), "150");
        EXPECT_EQ(textOf(d, "Edit2"), "160");
        for (int i = 1; i <= 5; ++i) {
            EXPECT_EQ(project().conductorY[i], 100.0) << i;
        }
        EXPECT_EQ(indicator(d), QColor(0, 255, 0));
        return mrCancel;
    });
}

TEST_F(LineDataDialogTest, OkRefusesInOrderAndKeepsTheInput) {
    openLineData([&](QDialog& d) {
        EXPECT_EQ(clickIn(d, "BitBtn1"), mrNone);
        chooseEntry(d, 0);
        EXPECT_EQ(clickIn(d, "BitBtn1"), mrNone);
        type(d, "Edit1", "10");
        EXPECT_EQ(clickIn(d, "BitBtn1"), mrNone);
        type(d, "Edit2", "14");
        click(d, "RadioButton2"); // magnetic: the phase current must be given
        EXPECT_EQ(clickIn(d, "BitBtn1"), mrNone);
        click(d, "RadioButton1");
        EXPECT_EQ(textOf(d, "Edit1"), "10");
        EXPECT_EQ(textOf(d, "Edit2"), "14");
        return clickIn(d, "BitBtn1");
    });
    EXPECT_EQ(prompter->messages,
              QStringList({"Nie wybrano serii i typu słupa!",
                           "Nie podano wysokości zawieszenia przewodów roboczych!",
                           "Nie podano wysokości zawieszenia przewodów odgromowych!",
                           "Wartość prądu fazowego musi być większa od 0.0!"}));
    EXPECT_TRUE(project().lineDataAccepted);
    EXPECT_DOUBLE_EQ(project().phaseRadius, 0.008);
}

TEST_F(LineDataDialogTest, CalculationLineRefusals) {
    openLineData([&](QDialog& d) {
        chooseS12(d);
        type(d, "Edit3", "14"); // the ground wire's height
        EXPECT_EQ(clickIn(d, "BitBtn1"), mrNone);
        click(d, "RadioButton6");
        EXPECT_FALSE(enabled(d, "Edit3"));
        EXPECT_TRUE(enabled(d, "Edit4"));
        for (const char* x : {"0", "-5", "0.0", ""}) {
            type(d, "Edit4", x);
            EXPECT_EQ(clickIn(d, "BitBtn1"), mrNone) << x;
        }
        type(d, "Edit4", "0,5");
        EXPECT_EQ(clickIn(d, "BitBtn1"), mrYes);
        d.setResult(mrNone);
        click(d, "RadioButton5");
        type(d, "Edit3", "10"); // a working conductor's height is no obstacle
        return clickIn(d, "BitBtn1");
    });
    ASSERT_EQ(prompter->messages.size(), 5);
    EXPECT_TRUE(prompter->messages[0].startsWith("Współrzędna prostej Y musi być różna od"));
    for (int i = 1; i < 5; ++i) {
        EXPECT_EQ(prompter->messages[i], "Nie podano współrzędnej prostej X!");
    }
    EXPECT_TRUE(project().lineDataAccepted);
}

TEST_F(LineDataDialogTest, RepeatedOkShiftsTheTowerOnce) {
    openLineData([&](QDialog& d) {
        chooseS12(d);
        answerWith("TW_PrzesSlup", "Edit1", "5");
        click(d, "BitBtn7");
        EXPECT_TRUE(project().towerShifted);
        type(d, "Edit3", "14");
        EXPECT_EQ(clickIn(d, "BitBtn1"), mrNone);
        EXPECT_EQ(clickIn(d, "BitBtn1"), mrNone);
        type(d, "Edit3", "2");
        return clickIn(d, "BitBtn1");
    });
    EXPECT_EQ(project().conductorX[1], -2.6 + 5.0);
    EXPECT_EQ(project().conductorX[4], 5.0);
    EXPECT_TRUE(project().towerShifted);
    EXPECT_TRUE(project().lineDataAccepted);
}

TEST_F(LineDataDialogTest, RadioGroupsEnableTheirControls) {
    openLineData([&](QDialog& d) {
        click(d, "RadioButton2"); // "Magnetyczne"
        EXPECT_TRUE(enabled(d, "BitBtn6"));
        EXPECT_EQ(captionOf(child<QWidget>(d, "BitBtn6")), "prądy fazowe");
        click(d, "RadioButton3"); // "Na przewodach"
        EXPECT_FALSE(enabled(d, "CheckBox3"));
        EXPECT_FALSE(enabled(d, "RadioGroup3") || enabled(d, "Edit3") || enabled(d, "Edit4"));
        click(d, "RadioButton1"); // "Elektryczne"
        EXPECT_EQ(captionOf(child<QWidget>(d, "BitBtn6")), "napięcia fazowe");
        EXPECT_FALSE(enabled(d, "BitBtn6")); // no tower with four conductors
        EXPECT_TRUE(enabled(d, "CheckBox3"));
        click(d, "RadioButton4"); // "Wzdłuż zadanych prostych"
        EXPECT_FALSE(enabled(d, "CheckBox3"));
        EXPECT_TRUE(enabled(d, "RadioGroup3") && enabled(d, "Edit3"));
        EXPECT_FALSE(enabled(d, "Edit4"));
        click(d, "RadioButton6");
        EXPECT_TRUE(enabled(d, "Edit4"));
        EXPECT_FALSE(enabled(d, "Edit3"));
        return mrCancel;
    });
}

TEST_F(LineDataDialogTest, BuildingCheckBoxAndItsDialog) {
    openLineData([&](QDialog& d) {
        click(d, "CheckBox2"); // before a tower
        EXPECT_FALSE(checked(d, "CheckBox2"));
        chooseS12(d);
        prompter->expect("TW_WspDom", [](QDialog& b) {
            type(b, "Edit1", "20");

            type(b, "Edit2", "6");
            type(b, "Edit3", "30");
            type(b, "Edit4", "9");
            return clickIn(b, "BitBtn1");
        });
        click(d, "CheckBox2");
        EXPECT_TRUE(checked(d, "CheckBox2") && enabled(d, "SpeedButton2"));
        EXPECT_TRUE(project().buildingOn);

        answerWith("TW_WspDom", "Edit3", "", "BitBtn1"); // the edit button opens it again
        click(d, "SpeedButton2");
        prompter->expect("TW_WspDom", [](QDialog& b) {
            type(b, "Edit3", "20,0"); // the roof end on the front top
            type(b, "Edit4", "6");
            return clickIn(b, "BitBtn1");
        });
        click(d, "CheckBox2");
        answerWith("TW_WspDom", "Edit3", "25", "BitBtn2"); // "&Nie" keeps the fields
        click(d, "CheckBox2");
        EXPECT_EQ(textOf(app->wspDom(), "Edit3"), "25");
        prompter->expectClick("TW_WspDom", "BitBtn3"); // "Anuluj" resets them
        click(d, "CheckBox2");
        EXPECT_EQ(textOf(app->wspDom(), "Edit1"), "0.00");
        EXPECT_FALSE(checked(d, "CheckBox2") || enabled(d, "SpeedButton2"));
        EXPECT_FALSE(project().buildingOn);
        prompter->expect("TW_WspDom", [](QDialog& b) {
            type(b, "Edit3", "30");
            return clickIn(b, "BitBtn1");
        });
        click(d, "CheckBox2");
        EXPECT_TRUE(project().buildingOn);
        click(d, "CheckBox2"); // unchecking opens nothing
        EXPECT_FALSE(project().buildingOn || enabled(d, "SpeedButton2"));
        return mrCancel;
    });
    EXPECT_EQ(prompter->messages,
              QStringList({kChooseTowerFirst, "Nie podano wszystkich współrzędnych domku!",
                           "Współrzędne domku muszą być różne!"}));
}

TEST_F(LineDataDialogTest, ShieldWireCheckBoxAndItsEditor) {
    openLineData([&](QDialog& d) {
        chooseS12(d);
        prompter->expectClick("TW_PEkr", "BitBtn3"); // "&Tak" with an empty list
        click(d, "CheckBox1");
        EXPECT_FALSE(checked(d, "CheckBox1"));

        prompter->expect("TW_PEkr", [&](QDialog& e) {
            addShieldWire(e, "-6,5", "12");
            addShieldWire(e, "6.5", "12");
            type(e, "Edit2", "0,02");
            return clickIn(e, "BitBtn3");
        });
        click(d, "CheckBox1");
        EXPECT_TRUE(checked(d, "CheckBox1") && project().shieldWiresOn);
        EXPECT_DOUBLE_EQ(project().shieldWireRadius, 0.01);

        click(d, "CheckBox1"); // unchecked: no editor
        EXPECT_FALSE(project().shieldWiresOn);
        prompter->expectClick("TW_PEkr", "BitBtn4"); // "&Nie": the list stays
        click(d, "CheckBox1");
        EXPECT_EQ(app->pEkr().rows().size(), 2u);
        prompter->expectClick("TW_PEkr", "BitBtn5"); // "Anuluj": the list is emptied
        click(d, "CheckBox1");
        EXPECT_TRUE(app->pEkr().rows().empty());
        EXPECT_EQ(textOf(app->pEkr(), "Edit1"), "0");
        EXPECT_FALSE(checked(d, "CheckBox1") || project().shieldWiresOn);
        return mrCancel;
    });
}

TEST_F(LineDataDialogTest, InterferenceCheckBoxAndItsDialog) {
    openLineData([&](QDialog& d) {
        click(d, "RadioButton3"); // electric field on the conductors
        click(d, "CheckBox3");
        EXPECT_FALSE(checked(d, "CheckBox3"));
        chooseS12(d);
        answerWith("TW_Zakl", "Edit2", "0", "BitBtn1");
        click(d, "CheckBox3");
        answerWith("TW_Zakl", "Edit2", "0,5", "BitBtn1");
        click(d, "CheckBox3");
        EXPECT_TRUE(checked(d, "CheckBox3"));
        click(d, "CheckBox3"); // unchecking asks nothing
        answerWith("TW_Zakl", "Edit1", "20", "BitBtn2");
        click(d, "CheckBox3");
        EXPECT_EQ(textOf(app->zakl(), "Edit1"), "20");
        prompter->expectClick("TW_Zakl", "BitBtn3");
        click(d, "CheckBox3");
        EXPECT_EQ(textOf(app->zakl(), "Edit1"), "0.00");
        EXPECT_EQ(textOf(app->zakl(), "Edit2"), "0.00");
        EXPECT_FALSE(checked(d, "CheckBox3"));
        return mrCancel;
    });
    EXPECT_EQ(prompter->messages,
              QStringList({kChooseTowerFirst, "Częstotliwość musi być większa od 0.0!"}));
}

TEST_F(LineDataDialogTest, PhaseOrderPhaseValuesShiftAndNewTowerButtons) {
    openLineData([&](QDialog& d) {
        chooseEntry(d, 2); // Z52
        prompter->expect("TW_ZFaz", [](QDialog& z) {
            click(z, "RadioButton2");
            return clickIn(z, "BitBtn1");
        });
        click(d, "BitBtn4");
        EXPECT_TRUE(project().phaseOrderSwapped);
        prompter->expectClick("TW_ZFaz", "BitBtn3"); // "Anuluj" keeps the choice
        click(d, "BitBtn4");
        EXPECT_TRUE(project().phaseOrderSwapped);
        prompter->expectClick("TW_ZFaz", "BitBtn2"); // "&Nie" puts "RST - RST" back
        click(d, "BitBtn4");
        EXPECT_FALSE(project().phaseOrderSwapped);
        EXPECT_EQ(app->zFaz().choice(), 0);

        app->pFaz().setSecondCircuitEnabled(false);
        prompter->expect("TW_PFaz", [](QDialog& f) {
            EXPECT_TRUE(enabled(f, "Edit2")); // "Zmiana faz!" is enabled
            return mrYes;
        });
        click(d, "BitBtn6");

        answerWith("TW_PrzesSlup", "Edit1", "2,5");
        click(d, "BitBtn7");
        EXPECT_EQ(project().towerShift, 2.5);
        EXPECT_TRUE(project().towerShifted);
        answerWith("TW_PrzesSlup", "Edit1", "0");
        click(d, "BitBtn7");
        EXPECT_FALSE(project().towerShifted);

        prompter->expectAnswer("TW_New", mrCancel);
        click(d, "BitBtn5");
        return mrCancel;
    });
}

TEST_F(LineDataDialogTest, ReopeningPreselectsTheTowerAndRebuildsIt) {
    openLineData([&](QDialog& d) {
        chooseS12(d);
        answerWith("TW_PrzesSlup", "Edit1", "2.5");
        click(d, "BitBtn7");
        return clickIn(d, "BitBtn1");
    });
    EXPECT_TRUE(project().lineDataAccepted);
    EXPECT_DOUBLE_EQ(project().conductorX[1], -2.6 + 2.5);
    openLineData([&](QDialog& d) {
        EXPECT_EQ(child<QComboBox>(d, "ComboBox1").currentIndex(), 0);
        EXPECT_TRUE(project().towerChosen);
        EXPECT_EQ(project().conductorX[1], -2.6); // rebuilt from the tower's own data
        EXPECT_EQ(project().conductorY[3], 13.2);
        EXPECT_EQ(app->przesSlup().text(), "0.0");
        EXPECT_EQ(project().towerShift, 2.5);
        EXPECT_EQ(indicator(d), QColor(0, 255, 0));
        return clickIn(d, "BitBtn3");
    });
    EXPECT_FALSE(project().lineDataAccepted);

    project().towerChosen = false; // no tower chosen by the last showing: nothing selected
    openLineData([&](QDialog& d) {
        EXPECT_EQ(child<QComboBox>(d, "ComboBox1").currentIndex(), -1);
        EXPECT_FALSE(project().towerChosen);
        return mrCancel;
    });
}

TEST_F(LineDataDialogTest, TheTestTowerIsListedWhileTheDialogIsShown) {
    TowerDefinition test = builtInTowers()[0];
    test.towerSeries = "S12*";
    test.conductorX[0] = -3.0;
    app->loadS().setTestTower(test);
    auto& list = child<QComboBox>(app->loadS(), "ComboBox1");
    for (int showing = 0; showing < 2; ++showing) {
        openLineData([&](QDialog& d) {
            EXPECT_EQ(list.count(), 4);
            EXPECT_EQ(list.itemText(3), "S12* <-> P");
            if (showing == 0) {
                chooseS12(d);
                chooseEntry(d, 3);
            } else {
                EXPECT_EQ(list.currentIndex(), 3); // preselected again
            }
            EXPECT_EQ(project().chosenTowerIndex, 3);
            EXPECT_STREQ(project().towerSeries, "S12*");
            EXPECT_EQ(project().conductorX[1], -3.0);
            EXPECT_EQ(project().conductorY[4], 14.0);
            return clickIn(d, "BitBtn1");
        });
        EXPECT_EQ(list.count(), 3);
        EXPECT_TRUE(project().lineDataAccepted);
    }
}

TEST_F(LineDataDialogTest, AnyTextInAnyFieldIsReadWithoutHarm) {
    const QString longText(300, QLatin1Char('9'));
    const QString texts[] = {"abc", "", "1e999", "nan", "-inf", ",", longText};
    openLineData([&](QDialog& d) {
        chooseEntry(d, 2);
        for (const QString& text : texts) {
            for (const char* field : {"Edit1", "Edit2", "Edit3"}) {
                type(d, field, text);
            }
            click(d, "RadioButton6");
            type(d, "Edit4", text);
            click(d, "RadioButton5");
            answerWith("TW_PrzesSlup", "Edit1", text);
            click(d, "BitBtn7");
            clickIn(d, "BitBtn1");
            EXPECT_EQ(textOf(d, "Edit1"), text);
            EXPECT_EQ(d.result(), mrNone);
            for (int i = 0; i < kConductorSlots; ++i) {
                EXPECT_TRUE(std::isfinite(project().conductorX[i]));
                EXPECT_TRUE(std::isfinite(project().conductorY[i]));
            }
            EXPECT_TRUE(std::isfinite(project().towerShift));
        }
        return mrCancel;
    });
    EXPECT_EQ(prompter->messages.size(), std::size(texts));
}

} // namespace
} // namespace velt::test
