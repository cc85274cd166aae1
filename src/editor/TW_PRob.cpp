// The working conductors of the tower editor.

#include "editor/TW_PRob.h"

#include "ui_TW_PRob.h"

namespace velt {

TW_PRob::TW_PRob(Prompter& prompter, QWidget* parent)
    : TowerListDialog(ConductorEditor::WorkingConductors, prompter, parent),
      ui(std::make_unique<Ui::TW_PRob>()) {
    ui->setupUi(this);
    attach({ui->ListView1, ui->Edit1, ui->BitBtn1, ui->BitBtn2, ui->BitBtn3, nullptr, ui->BitBtn5},
           {ui->Edit2, ui->Edit3, ui->Edit4});
}

TW_PRob::~TW_PRob() = default;

} // namespace velt
