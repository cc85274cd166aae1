#pragma once
// "Linia sąsiednia": one line beside the main one, its tower chosen among the line-data
// dialog's towers or read from a catalogue.

#include "linedata/NeighbourTexts.h"
#include "linedata/NeighbourTowers.h"
#include "model/CalculationOptions.h"
#include "widgets/ModalDialog.h"

#include <functional>
#include <vector>

class QComboBox;
class QLineEdit;
class QProgressBar;

namespace velt {

class CatalogueTowerDialog;
class Prompter;
class TowerList;

class TW_LiniaSas : public ModalDialog {
    Q_OBJECT

  public:
    /// `towers`: the line-data dialog's list; `listTower` lists a tower read from a
    /// catalogue there, so that both dialogs offer it from then on.
    TW_LiniaSas(Prompter& prompter, CatalogueTowerDialog& picker, const TowerList& towers,
                std::function<void(const TowerDefinition&)> listTower, QWidget* parent = nullptr);

    /// Before a showing: `line` to edit (none: a new line), and whether the field
    /// calculated is magnetic, so that every circuit needs its current.
    void showLine(const NeighbourLine* line, bool magnetic);
    /// The line as accepted by "&Tak".
    const NeighbourLine& line() const { return line_; }

  signals:
    /// A text for the main window's second status panel.
    void statusMessage(const QString& text);

  private:
    void buildFields();
    void fillTowerList(int selected);
    void showTexts(const NeighbourTexts& texts);
    NeighbourTexts typedTexts() const;
    /// The fields the chosen tower has: ground-wire height, second circuit.
    void ComboBox1Change();
    void SpeedButton1Click();
    void BitBtn1Click();
    QWidget* fieldOf(NeighbourField field) const;

    Prompter& prompter_;
    CatalogueTowerDialog& picker_;
    const TowerList& towers_;
    std::function<void(const TowerDefinition&)> listTower_;
    std::vector<NeighbourTowerEntry> entries_;
    NeighbourLine line_;
    bool magnetic_ = false;

    QLineEdit* label_;
    QComboBox* tower_;
    QLineEdit* offset_;
    QLineEdit* workingHeight_;
    QLineEdit* groundWireHeight_;
    QLineEdit* voltage_;
    QLineEdit* firstCurrent_;
    QLineEdit* secondCurrent_;
    QLineEdit* angle_;
    QComboBox* phaseOrder_;
    QProgressBar* gauge_;
};

} // namespace velt
