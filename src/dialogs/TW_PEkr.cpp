// The shield wires of the line-data dialog.

#include "dialogs/TW_PEkr.h"

#include "ui_TW_PEkr.h"

namespace velt {

TW_PEkr::TW_PEkr(Prompter& prompter, LineProject& project, QWidget* parent)
    : ConductorListDialog(ConductorEditor::ShieldWires, prompter, parent),
      ui(std::make_unique<Ui::TW_PEkr>()), project_(project) {
    ui->setupUi(this);
    attach({ui->ListView1, ui->Edit1, ui->BitBtn1, ui->BitBtn2, ui->BitBtn3, ui->BitBtn4,
            ui->BitBtn5});
}

TW_PEkr::~TW_PEkr() = default;

ShieldWireForm TW_PEkr::form() const {
    return {rows(), ui->Edit2->text().toStdString()};
}

void TW_PEkr::clearRows() {
    setRows({});
}

void TW_PEkr::showForm(const ShieldWireForm& form) {
    setRows(form.rows);
    ui->Edit2->setText(QString::fromStdString(form.diameter));
    showCount();
}

void TW_PEkr::unlockAfterUse() {
    if (!isLocked()) {
        unlock();
    }
    showCount();
}

void TW_PEkr::BitBtn3Click() {
    closeUnlessRefused(acceptShieldWires(project_, form()), mrYes);
}

} // namespace velt
