// The building coordinates.

#include "dialogs/TW_WspDom.h"

#include "ui_TW_WspDom.h"

namespace velt {

TW_WspDom::TW_WspDom(QWidget* parent) : ModalDialog(parent), ui(std::make_unique<Ui::TW_WspDom>()) {
    ui->setupUi(this);
    closeWith(ui->BitBtn1, mrYes);
    closeWith(ui->BitBtn2, mrNo);
    closeWith(ui->BitBtn3, mrCancel);
}

TW_WspDom::~TW_WspDom() = default;

BuildingForm TW_WspDom::form() const {
    return {ui->Edit1->text().toStdString(), ui->Edit2->text().toStdString(),
            ui->Edit3->text().toStdString(), ui->Edit4->text().toStdString()};
}

void TW_WspDom::resetFields() {
    showForm(BuildingForm{});
}

void TW_WspDom::showForm(const BuildingForm& form) {
    ui->Edit1->setText(QString::fromStdString(form.frontX));
    ui->Edit2->setText(QString::fromStdString(form.frontY));
    ui->Edit3->setText(QString::fromStdString(form.roofX));
    ui->Edit4->setText(QString::fromStdString(form.roofY));
}

} // namespace velt
