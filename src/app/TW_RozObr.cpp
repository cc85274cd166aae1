// The size of an exported image.

#include "app/TW_RozObr.h"

#include "widgets/DialogFoot.h"

#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace velt {
namespace {

QSpinBox* sideBox(const char* name, int value, int largest) {
    auto* box = new QSpinBox;
    box->setObjectName(QLatin1String(name));
    box->setRange(1, largest);
    box->setValue(value);
    box->setSuffix(QStringLiteral(" px"));
    return box;
}

} // namespace

TW_RozObr::TW_RozObr(QSize windowSize, QWidget* parent)
    : ModalDialog(parent), width_(sideBox("Edit1", windowSize.width(), kLargestSide)),
      height_(sideBox("Edit2", windowSize.height(), kLargestSide)) {
    setObjectName(QStringLiteral("TW_RozObr"));
    setWindowTitle(tr("Rozmiar obrazu"));
    auto* fields = new QFormLayout;
    fields->addRow(tr("&Szerokość:"), width_);
    fields->addRow(tr("&Wysokość:"), height_);
    const DialogFoot foot = dialogFoot();
    foot.yes->setDefault(true);
    closeWith(foot.yes, mrYes);
    closeWith(foot.cancel, mrCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(foot.layout);
    // Wide enough for its caption.
    setMinimumWidth(300);
}

QSize TW_RozObr::imageSize() const {
    return {width_->value(), height_->value()};
}

} // namespace velt
