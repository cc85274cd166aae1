// The exit question.

#include "app/TW_EndAsk.h"

#include "ui_TW_EndAsk.h"

namespace velt {

TW_EndAsk::TW_EndAsk(QWidget* parent) : ModalDialog(parent), ui(std::make_unique<Ui::TW_EndAsk>()) {
    ui->setupUi(this);
    setFixedFrame();
    setWindowFlag(Qt::WindowStaysOnTopHint);
    closeWith(ui->BitBtn1, mrYes);
    closeWith(ui->BitBtn2, mrNo);
    closeWith(ui->BitBtn3, mrCancel);
    setEscapeResult(mrNo);
}

TW_EndAsk::~TW_EndAsk() = default;

} // namespace velt
