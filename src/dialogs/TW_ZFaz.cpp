// The phase order of a double-circuit line.

#include "dialogs/TW_ZFaz.h"

#include "ui_TW_ZFaz.h"
#include "widgets/RadioGroup.h"

namespace velt {

TW_ZFaz::TW_ZFaz(QWidget* parent) : ModalDialog(parent), ui(std::make_unique<Ui::TW_ZFaz>()) {
    ui->setupUi(this);
    closeWith(ui->BitBtn1, mrYes);
    closeWith(ui->BitBtn2, mrNo);
    closeWith(ui->BitBtn3, mrCancel);
}

TW_ZFaz::~TW_ZFaz() = default;

int TW_ZFaz::choice() const {
    return radioIndex(*ui->RadioGroup1);
}

void TW_ZFaz::setChoice(int index) {
    setRadioIndex(*ui->RadioGroup1, index);
}

} // namespace velt
