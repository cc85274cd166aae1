// The ground wires of the tower editor.

#include "editor/TW_NPOdg.h"

#include "ui_TW_NPOdg.h"

namespace velt {

TW_NPOdg::TW_NPOdg(Prompter& prompter, QWidget* parent)
    : TowerListDialog(ConductorEditor::GroundWires, prompter, parent),
      ui(std::make_unique<Ui::TW_NPOdg>()) {
    ui->setupUi(this);
    // The height of a ground wire is kept but plays no part, so it is not shown.
    ui->ListView1->setColumnHidden(1, true);
    attach({ui->ListView1, ui->Edit1, ui->BitBtn1, ui->BitBtn2, ui->BitBtn3, nullptr, ui->BitBtn5},
           {ui->Edit2, ui->Edit3, ui->Edit4});
}

TW_NPOdg::~TW_NPOdg() = default;

} // namespace velt
