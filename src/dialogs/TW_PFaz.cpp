// The largest phase currents.

#include "dialogs/TW_PFaz.h"

#include "linedata/AuxiliaryChecks.h"
#include "ui_TW_PFaz.h"
#include "widgets/Prompter.h"

namespace velt {

TW_PFaz::TW_PFaz(Prompter& prompter, QWidget* parent)
    : ModalDialog(parent), ui(std::make_unique<Ui::TW_PFaz>()), prompter_(prompter) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TW_PFaz::BitBtn1Click);
}

TW_PFaz::~TW_PFaz() = default;

PhaseCurrentForm TW_PFaz::form() const {
    return {ui->Edit1->text().toStdString(), ui->Edit2->text().toStdString(),
            ui->Edit2->isEnabled()};
}

void TW_PFaz::setSecondCircuitEnabled(bool enabled) {
    ui->Edit2->setEnabled(enabled);
}

void TW_PFaz::showForm(const PhaseCurrentForm& form) {
    ui->Edit1->setText(QString::fromStdString(form.firstCircuit));
    ui->Edit2->setText(QString::fromStdString(form.secondCircuit));
    setSecondCircuitEnabled(form.secondCircuitEnabled);
}

void TW_PFaz::BitBtn1Click() {
    if (const auto refusal = checkPhaseCurrents(form())) {
        prompter_.showMessage(QString::fromStdString(*refusal));
        return;
    }
    done(mrYes);
}

} // namespace velt
