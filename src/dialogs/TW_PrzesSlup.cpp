// The tower shift.

#include "dialogs/TW_PrzesSlup.h"

#include "linedata/AuxiliaryChecks.h"
#include "ui_TW_PrzesSlup.h"
#include "widgets/Prompter.h"

namespace velt {

TW_PrzesSlup::TW_PrzesSlup(Prompter& prompter, LineProject& project, QWidget* parent)
    : ModalDialog(parent), ui(std::make_unique<Ui::TW_PrzesSlup>()), prompter_(prompter),
      project_(project) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TW_PrzesSlup::BitBtn1Click);
}

TW_PrzesSlup::~TW_PrzesSlup() = default;

QString TW_PrzesSlup::text() const {
    return ui->Edit1->text();
}

void TW_PrzesSlup::setText(const QString& text) {
    ui->Edit1->setText(text);
}

void TW_PrzesSlup::showEvent(QShowEvent* event) {
    ModalDialog::showEvent(event);
    FormShow();
}

void TW_PrzesSlup::FormShow() {
    ui->Edit1->setText(QString::fromStdString(towerShiftText(project_)));
}

void TW_PrzesSlup::BitBtn1Click() {
    if (const auto refusal = acceptTowerShift(project_, ui->Edit1->text().toStdString())) {
        prompter_.showMessage(QString::fromStdString(*refusal));
        return;
    }
    done(mrYes);
}

} // namespace velt
