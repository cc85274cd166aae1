// The comment written under the graph of a new variant..

#include "dialogs/TW_Kom.h"

#include "ui_TW_Kom.h"

namespace velt {

TW_Kom::TW_Kom(QWidget* parent) : ModalDialog(parent), ui(std::make_unique<Ui::TW_Kom>()) {
    ui->setupUi(this);
    closeWith(ui->BitBtn1, mrYes);
}

TW_Kom::~TW_Kom() = default;

QString TW_Kom::text() const {
    return ui->Edit1->text();
}

void TW_Kom::setText(const QString& text) {
    ui->Edit1->setText(text);
}

} // namespace velt
