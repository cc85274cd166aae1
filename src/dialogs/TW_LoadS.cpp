// The line data.

#include "dialogs/TW_LoadS.h"

#include "ui_TW_LoadS.h"

namespace velt {

TW_LoadS::TW_LoadS(QWidget* parent) : ModalDialog(parent), ui(std::make_unique<Ui::TW_LoadS>()) {
    ui->setupUi(this);
}

TW_LoadS::~TW_LoadS() = default;

} // namespace velt
