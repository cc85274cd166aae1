// The question about saving one variant while the program ends.

#include "dialogs/TW_Save.h"

#include "ui_TW_Save.h"

namespace velt {

TW_Save::TW_Save(QWidget* parent) : ModalDialog(parent), ui(std::make_unique<Ui::TW_Save>()) {
    ui->setupUi(this);
    setFixedFrame();
    closeWith(ui->BitBtn1, mrYes);
    closeWith(ui->BitBtn2, mrNo);
    closeWith(ui->BitBtn3, mrCancel);
    closeWith(ui->BitBtn4, mrNoToAll);
    setEscapeResult(mrNo);
}

TW_Save::~TW_Save() = default;

} // namespace velt
