#pragma once
// Working the line-data dialog as a user does: typing into its fields, choosing in its
// lists, clicking; companion dialogs answered through the scripted prompter.

#include "AppFixture.h"
#include "app/TW_Main.h"
#include "dialogs/TW_LoadS.h"
#include "model/BuiltInTowers.h"
#include "model/TowerCatalogue.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace velt::test {

/// Replaces the text of `field` key by key, as typed (an empty text is a deletion).
inline void type(QWidget& form, const QString& field, const QString& text) {
    auto& edit = child<QLineEdit>(form, field);
    edit.selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(&edit, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(&edit, text);
    }
}

inline QString textOf(QWidget& form, const QString& field) {
    return child<QLineEdit>(form, field).text();
}

inline void click(QWidget& form, const QString& button) {
    child<QAbstractButton>(form, button).click();
}

/// Chooses the tower list's entry `index` as a user does.
inline void chooseEntry(QWidget& form, int index) {
    auto& list = child<QComboBox>(form, "ComboBox1");
    list.setCurrentIndex(index);
    emit list.activated(index);
}

/// Writes a catalogue at `path` holding `towers` in their order.
inline void writeCatalogue(const std::string& path, const std::vector<TowerDefinition>& towers) {
    struct Quiet : CatalogueUi {
        void showMessage(const std::string&) override {}
        bool confirm(const std::string&) override { return true; }
    } quiet;
    for (std::size_t i = 0; i < towers.size(); ++i) {
        if (i == 0) {
            CreateCatalogue(path, towers[i], quiet);
        } else {
            StoreTower(path, towers[i], quiet);
        }
    }
}

/// A catalogue "slupy" in `folder` holding the first built-in tower and "K52 <-> ON150", a
/// changed copy of the third.
inline void writeK52Catalogue(const QString& folder) {
    TowerDefinition tower = builtInTowers()[2];
    tower.towerSeries = "K52";
    tower.conductorX[3] = 9.6;
    writeCatalogue(QDir(folder).filePath("slupy").toStdString(), {builtInTowers()[0], tower});
}

/// The next tower-catalogue question is answered with `path`, and the tower list of that
/// catalogue with its entry `row`.
inline void answerCatalogue(ScriptedPrompter& prompter, const QString& path, int row) {
    prompter.expectFileName(path);
    prompter.expect("CatalogueTowerDialog", [row](QDialog& d) {
        child<QListWidget>(d, "ListBox1").setCurrentRow(row);
        return clickIn(d, "BitBtn1");
    });
}

class LineDataFixture : public AppFixture {
  protected:
    /// "Wczytanie słupa" from the main window; `action` works the dialog while it is shown
    /// and returns its answer.
    void openLineData(ScriptedPrompter::Action action) {
        prompter->expect("TW_LoadS", std::move(action));
        app->mainWindow().BitBtn3Click();
    }

    /// The next showing of `dialog` gets `text` typed into `field` and a click on `button`.
    void answerWith(const QString& dialog, const QString& field, const QString& text,
                    const QString& button = "BitBtn1") {
        prompter->expect(dialog, [=](QDialog& d) {
            type(d, field, text);
            return clickIn(d, button);
        });
    }

    /// "&Dodaj" in the shield-wire editor, TW_NewPrzew answered with the typed position.
    void addShieldWire(QWidget& editor, const QString& x, const QString& height) {
        prompter->expect("TW_NewPrzew", [=](QDialog& d) {
            type(d, "Edit1", x);
            type(d, "Edit2", height);
            return clickIn(d, "BitBtn1");
        });
        click(editor, "BitBtn1");
    }
};

} // namespace velt::test
