// The splash window.

#include "app/TW_Splash.h"

#include "app/TW_About.h"
#include "ui_TW_Splash.h"

#include <QTimer>

namespace velt {

TW_Splash::TW_Splash(QWidget* parent)
    : ModalDialog(parent), ui(std::make_unique<Ui::TW_Splash>()), Timer1(new QTimer(this)) {
    ui->setupUi(this);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    fillAboutMemo(*ui->Memo1);
    closeWith(ui->BitBtn1, mrOk);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kShowMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &TW_Splash::Timer1Timer);
    Timer1->start();
}

TW_Splash::~TW_Splash() = default;

void TW_Splash::Timer1Timer() {
    Timer1->stop();
    done(mrOk);
}

} // namespace velt
