// One new conductor position.

#include "dialogs/TW_NewPrzew.h"

#include "ui_TW_NewPrzew.h"

namespace velt {

TW_NewPrzew::TW_NewPrzew(QWidget* parent)
    : ModalDialog(parent), ui(std::make_unique<Ui::TW_NewPrzew>()) {
    ui->setupUi(this);
    closeWith(ui->BitBtn1, mrYes);
    closeWith(ui->BitBtn2, mrNo);
    closeWith(ui->BitBtn3, mrCancel);
}

TW_NewPrzew::~TW_NewPrzew() = default;

ConductorRow TW_NewPrzew::row() const {
    return {ui->Edit1->text().toStdString(), ui->Edit2->text().toStdString()};
}

void TW_NewPrzew::setHeightEnabled(bool enabled) {
    ui->Edit2->setEnabled(enabled);
}

bool TW_NewPrzew::heightEnabled() const {
    return ui->Edit2->isEnabled();
}

} // namespace velt
