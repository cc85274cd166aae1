#pragma once
// Working the dialogs of the neighbouring lines as a user does.

#include "LineDataTyping.h"

#include <QAction>
#include <QTableWidget>

#include <utility>
#include <vector>

namespace velt::test {

/// What the user gives one neighbouring line: the tower list's entry (-1: none chosen) and
/// the texts typed into fields by their names.
struct NeighbourInput {
    int tower = -1;
    std::vector<std::pair<QString, QString>> fields;
};

/// S12 at 40 m with its voltage and one current.
inline const NeighbourInput kS12At40 = {0,
                                        {{"Edit1", "Linia 110 kV"},
                                         {"Edit2", "40"},
                                         {"Edit3", "10"},
                                         {"Edit4", "14"},
                                         {"Edit5", "110"},
                                         {"Edit6", "300"}}};

/// Chooses and types `input` in the neighbouring-line dialog `d`.
inline void typeNeighbour(QDialog& d, const NeighbourInput& input) {
    if (input.tower >= 0) {
        chooseEntry(d, input.tower);
    }
    for (const auto& [field, text] : input.fields) {
        type(d, field, text);
    }
}

/// The next neighbouring-line dialog gets `input` and a click on "&Tak".
inline void answerNeighbour(ScriptedPrompter& prompter, const NeighbourInput& input) {
    prompter.expect("TW_LiniaSas", [input](QDialog& d) {
        typeNeighbour(d, input);
        return clickIn(d, "BitBtn1");
    });
}

/// The next table of neighbouring lines gets `input` added by "&Dodaj" and "&Tak".
inline void answerTableAdding(ScriptedPrompter& prompter, const NeighbourInput& input) {
    prompter.expect("TW_LinieSas", [&prompter, input](QDialog& d) {
        answerNeighbour(prompter, input);
        click(d, "BitBtn3");
        return clickIn(d, "BitBtn1");
    });
}

/// "Linie sąsiednie..." of the "Słup" menu.
inline void neighbourMenu(TW_Main& window) {
    child<QAction>(window, "Liniesasiednie1").trigger();
}

/// The texts of the table's row `row`.
inline QStringList rowTexts(QDialog& table, int row) {
    const auto& grid = child<QTableWidget>(table, "StringGrid1");
    QStringList texts;
    for (int column = 0; column < grid.columnCount(); ++column) {
        texts.append(grid.item(row, column)->text());
    }
    return texts;
}

} // namespace velt::test
