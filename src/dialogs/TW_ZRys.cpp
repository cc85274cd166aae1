// The drawing range.

#include "dialogs/TW_ZRys.h"

#include "ui_TW_ZRys.h"

namespace velt {

TW_ZRys::TW_ZRys(QWidget* parent) : ModalDialog(parent), ui(std::make_unique<Ui::TW_ZRys>()) {
    ui->setupUi(this);
    setFixedFrame();
    closeWith(ui->BitBtn1, mrYes);
}

TW_ZRys::~TW_ZRys() = default;

QString TW_ZRys::text() const {
    return ui->Edit1->text();
}

void TW_ZRys::setText(const QString& text) {
    ui->Edit1->setText(text);
}

void TW_ZRys::showEvent(QShowEvent* event) {
    ModalDialog::showEvent(event);
    ui->Edit1->setFocus();
}

} // namespace velt
