// The tower editor.

#include "editor/TW_New.h"

#include "ui_TW_New.h"

namespace velt {

TW_New::TW_New(QWidget* parent) : ModalDialog(parent), ui(std::make_unique<Ui::TW_New>()) {
    ui->setupUi(this);
}

TW_New::~TW_New() = default;

QString TW_New::workingHeightText() const {
    return ui->Edit6->text();
}

QString TW_New::groundHeightText() const {
    return ui->Edit7->text();
}

} // namespace velt
