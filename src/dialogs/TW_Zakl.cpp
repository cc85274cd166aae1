// The radio-interference parameters.

#include "dialogs/TW_Zakl.h"

#include "ui_TW_Zakl.h"

namespace velt {

TW_Zakl::TW_Zakl(QWidget* parent) : ModalDialog(parent), ui(std::make_unique<Ui::TW_Zakl>()) {
    ui->setupUi(this);
    closeWith(ui->BitBtn1, mrYes);
    closeWith(ui->BitBtn2, mrNo);
    closeWith(ui->BitBtn3, mrCancel);
}

TW_Zakl::~TW_Zakl() = default;

InterferenceForm TW_Zakl::form() const {
    return {ui->Edit1->text().toStdString(), ui->Edit2->text().toStdString()};
}

void TW_Zakl::resetFields() {
    showForm(InterferenceForm{});
}

void TW_Zakl::showForm(const InterferenceForm& form) {
    ui->Edit1->setText(QString::fromStdString(form.distance));
    ui->Edit2->setText(QString::fromStdString(form.frequency));
}

} // namespace velt
