// The auxiliary dialogs: their fields, answers and the two checks they make.

#include "AppFixture.h"
#include "app/DesktopCalculationUi.h"
#include "app/TW_EndAsk.h"
#include "app/TW_Main.h"
#include "linedata/AuxiliaryChecks.h"
#include "dialogs/TW_Kom.h"
#include "dialogs/TW_NewPrzew.h"
#include "dialogs/TW_PEkr.h"
#include "dialogs/TW_PFaz.h"
#include "dialogs/TW_PrzesSlup.h"
#include "dialogs/TW_Save.h"
#include "dialogs/TW_UWar.h"
#include "dialogs/TW_WspDom.h"
#include "dialogs/TW_ZFaz.h"
#include "dialogs/TW_ZObl.h"
#include "dialogs/TW_ZRys.h"
#include "dialogs/TW_Zakl.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace velt::test {
namespace {

class AuxiliaryDialogsTest : public AppFixture {
  protected:
    /// The next showing of `dialog` gets `text` typed into its field `field`, then a click on
    /// "&Tak".
    void typeAndAccept(const QString& dialog, const QString& field, const QString& text) {
        prompter->expect(dialog, [field, text](QDialog& d) {
            child<QLineEdit>(d, field).setText(text);
            return clickIn(d, "BitBtn1");
        });
    }
};

TEST_F(AuxiliaryDialogsTest, FieldsStartWithTheirDefaults) {
    const std::tuple<QWidget*, const char*, const char*> defaults[] = {
        {&app->wspDom(), "Edit1", "0.00"},   {&app->wspDom(), "Edit4", "0.00"},
        {&app->zakl(), "Edit1", "0.00"},     {&app->zakl(), "Edit2", "0.00"},
        {&app->pFaz(), "Edit1", "0.0"},      {&app->pFaz(), "Edit2", "0.0"},
        {&app->zObl(), "Edit1", "50.0"},     {&app->zRys(), "Edit1", "30.0"},
        {&app->przesSlup(), "Edit1", "0"},   {&app->kom(), "Edit1", ""},
        {&app->newPrzew(), "Edit1", "0.00"}, {&app->newPrzew(), "Edit2", "0.00"},
    };
    for (const auto& [form, field, text] : defaults) {
        EXPECT_EQ(child<QLineEdit>(*form, field).text(), text)
            << form->objectName().toStdString() << " " << field;
    }
    EXPECT_EQ(app->zFaz().choice(), 0);
    EXPECT_EQ(child<QGroupBox>(app->zFaz(), "RadioGroup1").title(), " Układ faz linii ");
    EXPECT_FALSE(child<QLineEdit>(app->pFaz(), "Edit2").isEnabled());
    EXPECT_EQ(child<QLabel>(app->przesSlup(), "Label1").text(), "Podaj przesunięcie słupa [m]:");
    EXPECT_EQ(child<QLabel>(app->uWar(), "Label1").text(), "Czy na pewno usunąć bieżący wariant?");
    EXPECT_EQ(child<QLabel>(app->save(), "Label1").text(), "Czy chcesz zapisać aktualny wariant?");
}

TEST_F(AuxiliaryDialogsTest, ButtonsCloseWithTheirAnswers) {
    const std::tuple<QDialog*, const char*, int> answers[] = {
        {&app->wspDom(), "BitBtn1", mrYes},      {&app->wspDom(), "BitBtn2", mrNo},
        {&app->wspDom(), "BitBtn3", mrCancel},   {&app->zakl(), "BitBtn2", mrNo},
        {&app->zFaz(), "BitBtn3", mrCancel},     {&app->uWar(), "BitBtn1", mrYes},
        {&app->uWar(), "BitBtn2", mrNo},         {&app->save(), "BitBtn1", mrYes},
        {&app->save(), "BitBtn2", mrNo},         {&app->save(), "BitBtn3", mrCancel},
        {&app->save(), "BitBtn4", mrNoToAll},    {&app->zObl(), "BitBtn1", mrYes},
        {&app->newPrzew(), "BitBtn3", mrCancel}, {&app->endAsk(), "BitBtn1", mrYes},
    };
    for (const auto& [dialog, button, answer] : answers) {
        prompter->expectClick(dialog->objectName(), button);
        EXPECT_EQ(prompter->exec(*dialog), answer) << dialog->objectName().toStdString();
    }
    // The window's close button counts as "Anuluj"; so does Escape, except where "Nie" takes it.
    for (QDialog* dialog :
         {static_cast<QDialog*>(&app->wspDom()), static_cast<QDialog*>(&app->uWar()),
          static_cast<QDialog*>(&app->endAsk())}) {
        prompter->expect(dialog->objectName(), [](QDialog& d) {
            d.close();
            return d.result();
        });
        EXPECT_EQ(prompter->exec(*dialog), mrCancel) << dialog->objectName().toStdString();
    }
    prompter->expect("TW_Zakl", [](QDialog& d) {
        QTest::keyClick(&d, Qt::Key_Escape);
        return d.result();
    });
    EXPECT_EQ(prompter->exec(app->zakl()), mrCancel);
}

TEST_F(AuxiliaryDialogsTest, DefaultButtonsAndFocus) {
    EXPECT_TRUE(child<QPushButton>(app->uWar(), "BitBtn1").isDefault());
    EXPECT_TRUE(child<QPushButton>(app->endAsk(), "BitBtn1").isDefault());
    EXPECT_TRUE(app->endAsk().windowFlags() & Qt::WindowStaysOnTopHint);
    prompter->expect("TW_UWar", [](QDialog& d) {
        d.activateWindow();
        QCoreApplication::processEvents();
        EXPECT_EQ(d.focusWidget(), &child<QWidget>(d, "BitBtn2"));
        return mrNo;
    });
    prompter->exec(app->uWar());
    EXPECT_EQ(app->uWar().minimumSize(), app->uWar().maximumSize()); // a fixed dialog
    prompter->expect("TW_EndAsk", [](QDialog& d) {
        QTest::keyClick(&d, Qt::Key_Return); // "Tak" is the default
        return d.result();
    });
    EXPECT_EQ(prompter->exec(app->endAsk()), mrYes);
    prompter->expect("TW_ZRys", [](QDialog& d) {
        EXPECT_EQ(d.focusWidget(), &child<QWidget>(d, "Edit1"));
        return mrYes;
    });
    prompter->exec(app->zRys());
}

// Enter presses the focused button: with "Nie" focused the variant is kept.
TEST_F(AuxiliaryDialogsTest, EnterPressesTheButtonThatHasTheFocus) {
    prompter->expect("TW_UWar", [](QDialog& d) {
        d.activateWindow();
        QCoreApplication::processEvents();
        QTest::keyClick(&d, Qt::Key_Return);
        return d.result();
    });
    EXPECT_EQ(prompter->exec(app->uWar()), mrNo);
    prompter->expect("TW_Save", [](QDialog& d) {
        d.activateWindow();
        QCoreApplication::processEvents();
        child<QWidget>(d, "BitBtn3").setFocus();
        QTest::keyClick(&d, Qt::Key_Enter);
        return d.result();
    });
    EXPECT_EQ(prompter->exec(app->save()), mrCancel);
}

TEST_F(AuxiliaryDialogsTest, TowerShiftShowsTheStoredShiftAndRefusesNegativeOnes) {
    app->project().towerShift = 2.5;
    prompter->expect("TW_PrzesSlup", [](QDialog& d) {
        EXPECT_EQ(child<QLineEdit>(d, "Edit1").text(), "2.5");
        return clickIn(d, "BitBtn1");
    });
    EXPECT_EQ(prompter->exec(app->przesSlup()), mrYes);

    // A tower choice writes "0.0" into the field; the stored shift shows again.
    app->przesSlup().setText("0.0");
    prompter->expect("TW_PrzesSlup", [](QDialog& d) {
        EXPECT_EQ(child<QLineEdit>(d, "Edit1").text(), "2.5");
        child<QLineEdit>(d, "Edit1").setText("-1");
        EXPECT_EQ(clickIn(d, "BitBtn1"), mrNone); // stays open
        EXPECT_EQ(child<QLineEdit>(d, "Edit1").text(), "-1");
        child<QLineEdit>(d, "Edit1").setText("0");
        return clickIn(d, "BitBtn1");
    });
    EXPECT_EQ(prompter->exec(app->przesSlup()), mrYes);
    EXPECT_EQ(prompter->messages, QStringList({QString::fromStdString(kNegativeShiftMessage)}));
    EXPECT_EQ(app->project().towerShift, 0.0);
    EXPECT_EQ(app->przesSlup().text(), "0");
}

TEST_F(AuxiliaryDialogsTest, TowerShiftReadsAnyTextAsANumber) {
    for (const char* text : {"abc", "", "nan", "1e999", "-inf", ","}) {
        typeAndAccept("TW_PrzesSlup", "Edit1", text);
        EXPECT_EQ(prompter->exec(app->przesSlup()), mrYes) << text;
        EXPECT_EQ(app->project().towerShift, 0.0) << text;
    }
    // A comma separates the decimals as a point does.
    typeAndAccept("TW_PrzesSlup", "Edit1", "3,5");
    EXPECT_EQ(prompter->exec(app->przesSlup()), mrYes);
    EXPECT_EQ(app->project().towerShift, 3.5);
    EXPECT_TRUE(prompter->messages.isEmpty());
}

TEST_F(AuxiliaryDialogsTest, PhaseCurrentsRefuseEnabledFieldsNotAboveZero) {
    const QString refusal = QString::fromStdString(kPhaseCurrentDialogMessage);
    // One circuit: "Drugi tor" is disabled and not tested.
    typeAndAccept("TW_PFaz", "Edit1", "0.0");
    EXPECT_EQ(prompter->exec(app->pFaz()), mrNone);
    for (const char* text : {"", "abc", "nan", "1e999", ",", "-0,5"}) {
        typeAndAccept("TW_PFaz", "Edit1", text);
        EXPECT_EQ(prompter->exec(app->pFaz()), mrNone) << text;
    }
    EXPECT_EQ(prompter->messages.size(), 7);
    EXPECT_EQ(prompter->messages.front(), refusal);
    typeAndAccept("TW_PFaz", "Edit1", "450");
    EXPECT_EQ(prompter->exec(app->pFaz()), mrYes);

    // Two circuits: the second field counts too.
    app->pFaz().setSecondCircuitEnabled(true);
    prompter->messages.clear();
    typeAndAccept("TW_PFaz", "Edit2", "0");
    EXPECT_EQ(prompter->exec(app->pFaz()), mrNone);
    EXPECT_EQ(prompter->messages, QStringList({refusal}));
    typeAndAccept("TW_PFaz", "Edit2", "300.5");
    EXPECT_EQ(prompter->exec(app->pFaz()), mrYes);

    const PhaseCurrentForm form = app->pFaz().form();
    EXPECT_EQ(form.firstCircuit, "450");
    EXPECT_EQ(form.secondCircuit, "300.5");
    EXPECT_TRUE(form.secondCircuitEnabled);
}

TEST_F(AuxiliaryDialogsTest, TheLineDataSnapshotHoldsTheTypedTexts) {
    child<QLineEdit>(app->wspDom(), "Edit3").setText("12.5");
    child<QLineEdit>(app->zakl(), "Edit2").setText("0.5");
    child<QRadioButton>(app->zFaz(), "RadioButton2").setChecked(true);
    app->przesSlup().setText("4");
    child<QLineEdit>(app->pEkr(), "Edit2").setText("0.02");

    const LineDataForm& form = app->collectLineData();
    EXPECT_EQ(form.building.roofX, "12.5");
    EXPECT_EQ(form.building.frontX, "0.00");
    EXPECT_EQ(form.interference.frequency, "0.5");
    EXPECT_EQ(form.phaseOrderChoice, 1);
    EXPECT_EQ(form.towerShift, "4");
    EXPECT_EQ(form.shieldWires.diameter, "0.02");

    app->wspDom().resetFields();
    app->zakl().resetFields();
    EXPECT_EQ(app->collectLineData().building.roofX, "0.00");
    EXPECT_EQ(app->lineData().interference.frequency, "0.00");
}

TEST_F(AuxiliaryDialogsTest, CalculationQuestionsGoThroughTheRangeAndCommentDialogs) {
    DesktopCalculationUi& ui = app->calculationUi();
    prompter->expect("TW_ZObl", [](QDialog& d) {
        EXPECT_EQ(child<QLineEdit>(d, "Edit1").text(), "50.00");
        child<QLineEdit>(d, "Edit1").setText("80");
        return clickIn(d, "BitBtn1");
    });
    EXPECT_EQ(ui.askCalculationRange("50.00"), "80");

    app->kom().setText("stary komentarz");
    prompter->expect("TW_Kom", [](QDialog& d) {
        EXPECT_EQ(child<QLineEdit>(d, "Edit1").text(), "");
        child<QLineEdit>(d, "Edit1").setText("Linia 110 kV");
        return clickIn(d, "BitBtn1");
    });
    EXPECT_EQ(ui.askComment(), "Linia 110 kV");

    prompter->expectClick("TW_ZRys", "BitBtn1");
    EXPECT_EQ(ui.askDrawingRange("25.00"), "25.00");

    ui.setStatus(0, "40%");
    ui.setStatus(1, "Obliczenia...");
    EXPECT_EQ(app->mainWindow().statusText(0), "40%");
    EXPECT_EQ(app->mainWindow().statusText(1), "Obliczenia...");
    ui.showMessage("Komunikat");
    EXPECT_EQ(prompter->messages, QStringList({"Komunikat"}));
}

} // namespace
} // namespace velt::test
