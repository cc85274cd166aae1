// The calculation range.

#include "dialogs/TW_ZObl.h"

#include "ui_TW_ZObl.h"

namespace velt {

TW_ZObl::TW_ZObl(QWidget* parent) : ModalDialog(parent), ui(std::make_unique<Ui::TW_ZObl>()) {
    ui->setupUi(this);
    closeWith(ui->BitBtn1, mrYes);
}

TW_ZObl::~TW_ZObl() = default;

QString TW_ZObl::text() const {
    return ui->Edit1->text();
}

void TW_ZObl::setText(const QString& text) {
    ui->Edit1->setText(text);
}

} // namespace velt
