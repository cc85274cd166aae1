// The choice of the interface's language.

#include "app/TW_Jezyk.h"

#include "widgets/DialogFoot.h"

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velt {

// Each language is named in its own tongue, and the caption in both: whoever opens it by
// mistake finds the way back.
TW_Jezyk::TW_Jezyk(InterfaceLanguage current, QWidget* parent)
    : ModalDialog(parent), polish_(new QRadioButton(QStringLiteral("&Polski"))),
      english_(new QRadioButton(QStringLiteral("&English"))) {
    setObjectName(QStringLiteral("TW_Jezyk"));
    setWindowTitle(QStringLiteral("Język / Language"));
    polish_->setObjectName(QStringLiteral("RadioButton1"));
    english_->setObjectName(QStringLiteral("RadioButton2"));
    (current == InterfaceLanguage::English ? english_ : polish_)->setChecked(true);
    const DialogFoot foot = dialogFoot();
    foot.yes->setDefault(true);
    closeWith(foot.yes, mrYes);
    closeWith(foot.cancel, mrCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(polish_);
    layout->addWidget(english_);
    layout->addLayout(foot.layout);
    setMinimumWidth(260);
}

InterfaceLanguage TW_Jezyk::chosen() const {
    return english_->isChecked() ? InterfaceLanguage::English : InterfaceLanguage::Polish;
}

} // namespace velt
