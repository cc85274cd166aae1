#include "widgets/DialogFoot.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>

namespace velt {

QPushButton* namedButton(const QString& text, const QString& name) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    return button;
}

DialogFoot dialogFoot(std::initializer_list<QPushButton*> left) {
    DialogFoot foot{new QHBoxLayout,
                    namedButton(QCoreApplication::translate("velt", "&Tak"), "BitBtn1"),
                    namedButton(QCoreApplication::translate("velt", "Anuluj"), "BitBtn2")};
    for (QPushButton* button : left) {
        foot.layout->addWidget(button);
    }
    foot.layout->addStretch();
    foot.layout->addWidget(foot.yes);
    foot.layout->addWidget(foot.cancel);
    return foot;
}

} // namespace velt
