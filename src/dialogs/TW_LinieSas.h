#pragma once
// "Linie sąsiednie": the lines beside the main one, added, changed and removed one at a
// time; "Anuluj" leaves them as they were.

#include "model/CalculationOptions.h"
#include "widgets/ModalDialog.h"

#include <vector>

class QTableWidget;

namespace velt {

class Prompter;
class TW_LiniaSas;

class TW_LinieSas : public ModalDialog {
    Q_OBJECT

  public:
    TW_LinieSas(Prompter& prompter, TW_LiniaSas& editor, QWidget* parent = nullptr);

    /// Before a showing: the lines, and whether the field calculated is magnetic.
    void showLines(const std::vector<NeighbourLine>& lines, bool magnetic);
    /// The lines as the table shows them.
    const std::vector<NeighbourLine>& lines() const { return lines_; }

  private:
    void showTable(int selected);
    void BitBtn3Click(); ///< "&Dodaj"
    void BitBtn4Click(); ///< "&Zmień"
    void BitBtn5Click(); ///< "&Usuń"

    Prompter& prompter_;
    TW_LiniaSas& editor_;
    std::vector<NeighbourLine> lines_;
    bool magnetic_ = false;
    QTableWidget* table_;
};

} // namespace velt
