// The question before the user closes a variant window.

#include "dialogs/TW_UWar.h"

#include "ui_TW_UWar.h"

namespace velt {

TW_UWar::TW_UWar(QWidget* parent) : ModalDialog(parent), ui(std::make_unique<Ui::TW_UWar>()) {
    ui->setupUi(this);
    setFixedFrame();
    closeWith(ui->BitBtn1, mrYes);
    closeWith(ui->BitBtn2, mrNo);
}

TW_UWar::~TW_UWar() = default;

void TW_UWar::showEvent(QShowEvent* event) {
    ModalDialog::showEvent(event);
    // "Nie" has the focus, so that a stray key press keeps the variant.
    ui->BitBtn2->setFocus();
}

} // namespace velt
