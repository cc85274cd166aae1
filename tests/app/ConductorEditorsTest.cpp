// The conductor-list editors: adding with the duplicate lock, deleting, and their accepts.

#include "AppFixture.h"
#include "linedata/ConductorListRules.h"
#include "dialogs/TW_NewPrzew.h"
#include "dialogs/TW_PEkr.h"
#include "editor/TW_NPOdg.h"
#include "editor/TW_New.h"
#include "editor/TW_PRob.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace velt::test {
namespace {

class ConductorEditorsTest : public AppFixture {
  protected:
    /// "&Dodaj" in `editor`, answering TW_NewPrzew with the typed position and `answer`.
    void add(ConductorListDialog& editor, const QString& distance, const QString& height,
             const QString& button = "BitBtn1") {
        prompter->expect("TW_NewPrzew", [=](QDialog& d) {
            child<QLineEdit>(d, "Edit1").setText(distance);
            child<QLineEdit>(d, "Edit2").setText(height);
            return clickIn(d, button);
        });
        child<QPushButton>(editor, "BitBtn1").click();
    }

    bool enabled(QWidget& form, const char* name) { return child<QWidget>(form, name).isEnabled(); }
    QString count(QWidget& form) { return child<QLineEdit>(form, "Edit1").text(); }
    QTreeWidget& list(QWidget& form) { return child<QTreeWidget>(form, "ListView1"); }
    void setField(QWidget& form, const char* name, const QString& text) {
        child<QLineEdit>(form, name).setText(text);
    }
};

TEST_F(ConductorEditorsTest, EditorsShowTheirColumnsAndDefaults) {
    QTreeWidget& shield = list(app->pEkr());
    EXPECT_EQ(shield.headerItem()->text(0), "Odległość");
    EXPECT_EQ(shield.headerItem()->text(1), "Wysokość");
    EXPECT_FALSE(shield.isColumnHidden(1));
    EXPECT_TRUE(list(app->nPOdg()).isColumnHidden(1));
    for (QWidget* form : {static_cast<QWidget*>(&app->pEkr()), static_cast<QWidget*>(&app->pRob()),
                          static_cast<QWidget*>(&app->nPOdg())}) {
        EXPECT_EQ(count(*form), "0");
        EXPECT_TRUE(child<QLineEdit>(*form, "Edit1").isReadOnly());
        EXPECT_EQ(child<QLineEdit>(*form, "Edit2").text(), "0.0");
        EXPECT_EQ(child<QLineEdit>(*form, "Edit2").toolTip(), "Podaj średnicę w metrach");
    }
    EXPECT_EQ(child<QLineEdit>(app->pRob(), "Edit3").text(), "");
    EXPECT_EQ(child<QLineEdit>(app->nPOdg(), "Edit4").text(), "0.0");
}

TEST_F(ConductorEditorsTest, DuplicateShieldWireLocksTheEditorUntilTheCopyIsDeleted) {
    TW_PEkr& editor = app->pEkr();
    add(editor, "3.0", "12.0");
    add(editor, "3.0", "12.0");
    EXPECT_EQ(prompter->messages, QStringList({"Błędne dane!\nWspółrzędne się powtarzają!"}));
    EXPECT_EQ(count(editor), "2");
    EXPECT_TRUE(editor.isLocked());
    for (const char* locked : {"BitBtn1", "BitBtn3", "BitBtn4", "ListView1"}) {
        EXPECT_FALSE(enabled(editor, locked)) << locked;
    }
    EXPECT_TRUE(enabled(editor, "BitBtn2"));
    EXPECT_TRUE(enabled(editor, "BitBtn5"));
    EXPECT_EQ(editor.selectedRow(), std::optional<std::size_t>(1));

    // The line-data dialog's clean-up after a use does not unlock a list with a duplicate.
    editor.unlockAfterUse();
    EXPECT_FALSE(enabled(editor, "BitBtn3"));

    child<QPushButton>(editor, "BitBtn2").click();
    EXPECT_EQ(count(editor), "1");
    EXPECT_FALSE(editor.isLocked());
    for (const char* unlocked : {"BitBtn1", "BitBtn3", "BitBtn4", "ListView1"}) {
        EXPECT_TRUE(enabled(editor, unlocked)) << unlocked;
    }
    ASSERT_EQ(editor.rows().size(), 1u);
    EXPECT_EQ(editor.rows()[0], (ConductorRow{"3.0", "12.0"}));
}

TEST_F(ConductorEditorsTest, ShieldWiresCompareTheTextsAsTypedAndIgnoreHeightsNotAboveZero) {
    TW_PEkr& editor = app->pEkr();
    add(editor, "3", "12");
    add(editor, "3.0", "12");
    EXPECT_TRUE(prompter->messages.isEmpty());
    EXPECT_EQ(count(editor), "2");

    add(editor, "5", "0");
    add(editor, "5", "abc");
    add(editor, "5", "nan");
    add(editor, "5", "7", "BitBtn2"); // "&Nie"
    add(editor, "5", "7", "BitBtn3"); // "Anuluj"
    EXPECT_EQ(editor.rows().size(), 2u);
    EXPECT_EQ(list(editor).topLevelItemCount(), 2);
    EXPECT_EQ(list(editor).topLevelItem(1)->text(0), "3.0");
    EXPECT_TRUE(prompter->messages.isEmpty());

    // Nothing selected: "&Skasuj" does nothing.
    list(editor).clearSelection();
    child<QPushButton>(editor, "BitBtn2").click();
    EXPECT_EQ(editor.rows().size(), 2u);
}

TEST_F(ConductorEditorsTest, ShieldWireAcceptWritesTheProject) {
    TW_PEkr& editor = app->pEkr();
    LineProject& project = app->project();
    project.shieldWireCount = 7;

    // An empty list closes with Yes and writes nothing.
    prompter->expectClick("TW_PEkr", "BitBtn3");
    EXPECT_EQ(prompter->exec(editor), mrYes);
    EXPECT_EQ(project.shieldWireCount, 7u);

    add(editor, "3.0", "12.0");
    add(editor, "-3.0", "12.0");
    for (const char* diameter : {"0", "", "abc", "nan", "1e999", ",", "-0.02"}) {
        prompter->expect("TW_PEkr", [=](QDialog& d) {
            child<QLineEdit>(d, "Edit2").setText(diameter);
            return clickIn(d, "BitBtn3");
        });
        EXPECT_EQ(prompter->exec(editor), mrNone) << diameter;
    }
    EXPECT_EQ(prompter->messages.size(), 7);
    EXPECT_EQ(prompter->messages.back(), "Nie podano średnicy przewodów ekranujących!");
    EXPECT_EQ(project.shieldWireCount, 7u);

    prompter->expect("TW_PEkr", [](QDialog& d) {
        child<QLineEdit>(d, "Edit2").setText("0,02"); // a comma is a decimal separator
        return clickIn(d, "BitBtn3");
    });
    EXPECT_EQ(prompter->exec(editor), mrYes);
    EXPECT_DOUBLE_EQ(project.shieldWireRadius, 0.01);
    EXPECT_EQ(project.shieldBundleSpacing, 1.0);
    EXPECT_EQ(project.shieldBundleSize, 1u);
    EXPECT_EQ(project.shieldWireCount, 2u);

    editor.clearRows();
    EXPECT_TRUE(editor.rows().empty());
    EXPECT_EQ(count(editor), "2"); // refreshed by the line-data dialog, not by the list
    editor.unlockAfterUse();
    EXPECT_EQ(count(editor), "0");
}

TEST_F(ConductorEditorsTest, HeightFieldOfTheNewConductorFollowsTheEditor) {
    TW_NewPrzew& newConductor = app->newPrzew();
    prompter->expect("TW_NewPrzew", [](QDialog& d) {
        EXPECT_FALSE(child<QLineEdit>(d, "Edit2").isEnabled());
        return mrCancel;
    });
    child<QPushButton>(app->nPOdg(), "BitBtn1").click();
    EXPECT_TRUE(newConductor.heightEnabled());

    newConductor.setHeightEnabled(false);
    prompter->expect("TW_NewPrzew", [](QDialog& d) {
        EXPECT_TRUE(child<QLineEdit>(d, "Edit2").isEnabled());
        return mrCancel;
    });
    child<QPushButton>(app->pRob(), "BitBtn1").click();
    EXPECT_TRUE(newConductor.heightEnabled());
    EXPECT_EQ(count(app->pRob()), "0");
}

TEST_F(ConductorEditorsTest, TowerListsRefuseWorkingConductorsOnGroundWires) {
    TW_PRob& working = app->pRob();
    TW_NPOdg& ground = app->nPOdg();
    setField(app->towerEditor(), "Edit6", "20");
    setField(app->towerEditor(), "Edit7", "22");
    add(working, "-4.5", "0");
    add(working, "4.5", "2.0");
    add(ground, "0", "");
    add(ground, "4.5", "");
    EXPECT_EQ(count(working), "2");
    EXPECT_EQ(count(ground), "2");
    for (ConductorListDialog* editor : {static_cast<ConductorListDialog*>(&working),
                                        static_cast<ConductorListDialog*>(&ground)}) {
        setField(*editor, "Edit2", "0.03");
        setField(*editor, "Edit3", "2");
        setField(*editor, "Edit4", "0.4");
    }

    prompter->expectClick("TW_PRob", "BitBtn3");
    EXPECT_EQ(prompter->exec(working), mrNone);
    EXPECT_EQ(working.selectedRow(), std::optional<std::size_t>(1));
    prompter->expectClick("TW_NPOdg", "BitBtn3");
    EXPECT_EQ(prompter->exec(ground), mrNone);
    EXPECT_EQ(ground.selectedRow(), std::optional<std::size_t>(1));
    EXPECT_EQ(prompter->messages,
              QStringList({"Przewody robocze\npokrywają się z \nprzewodami odgromowymi!",
                           "Przewody odgromowe\npokrywają się z \nprzewodami roboczymi!"}));

    // Another ground-wire height ends the overlap: both accept with OK.
    setField(app->towerEditor(), "Edit7", "22.5");
    prompter->expectClick("TW_PRob", "BitBtn3");
    EXPECT_EQ(prompter->exec(working), mrOk);
    prompter->expectClick("TW_NPOdg", "BitBtn3");
    EXPECT_EQ(prompter->exec(ground), mrOk);
}

TEST_F(ConductorEditorsTest, TowerListsCheckDiameterBundleCountAndSpacingInOrder) {
    TW_PRob& working = app->pRob();
    working.setRows({{"-3", "0"}, {"3", "0"}, {"0", "4"}});
    EXPECT_EQ(count(working), "3");
    struct Case {
        BundleFields fields;
        const char* message;
    };
    const Case cases[] = {
        {{"0.0", "2", "0.4"}, "Nie podano średnicy przewodów!"},
        {{"nan", "2", "0.4"}, "Nie podano średnicy przewodów!"},
        {{"0.03", "0", "0.4"}, "Nie podano ilości przewodów w wiązce!"},
        {{"0.03", "", "0.4"}, "Nie podano ilości przewodów w wiązce!"},
        {{"0.03", "x", "0.4"}, "Nie podano ilości przewodów w wiązce!"},
        {{"0.03", "2", "0.0"}, "Nie podano odległości przewodów w wiązce!"},
        {{"0.03", "2", "1e999"}, "Nie podano odległości przewodów w wiązce!"},
    };
    for (const Case& c : cases) {
        working.setBundleFields(c.fields);
        prompter->messages.clear();
        prompter->expectClick("TW_PRob", "BitBtn3");
        EXPECT_EQ(prompter->exec(working), mrNone) << c.message;
        EXPECT_EQ(prompter->messages, QStringList({QString::fromUtf8(c.message)}));
    }
    working.setBundleFields({"0.03", "1", "0.4"});
    prompter->expectClick("TW_PRob", "BitBtn3");
    EXPECT_EQ(prompter->exec(working), mrOk);
    EXPECT_EQ(working.bundleFields().bundleCount, "1");
}

TEST_F(ConductorEditorsTest, DuplicateWorkingConductorLocksWithoutANoButton) {
    TW_PRob& working = app->pRob();
    add(working, "1", "1");
    add(working, "1", "1");
    EXPECT_EQ(prompter->messages.size(), 1);
    EXPECT_FALSE(enabled(working, "BitBtn1"));
    EXPECT_FALSE(enabled(working, "BitBtn3"));
    EXPECT_FALSE(enabled(working, "ListView1"));
    EXPECT_TRUE(enabled(working, "BitBtn5"));
    child<QPushButton>(working, "BitBtn2").click();
    EXPECT_TRUE(enabled(working, "BitBtn3"));
    EXPECT_EQ(count(working), "1");

    // A new list from the tower editor starts unlocked.
    add(working, "1", "1");
    working.setRows({{"2", "0"}});
    EXPECT_FALSE(working.isLocked());
    EXPECT_TRUE(enabled(working, "BitBtn1"));
    EXPECT_EQ(count(working), "1");
}

} // namespace
} // namespace velt::test
