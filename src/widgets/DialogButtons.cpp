#include "widgets/DialogButtons.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace velt {

QPushButton* namedButton(const QString& text, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    return button;
}

QHBoxLayout* answerRow(std::initializer_list<QAbstractButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QAbstractButton* button : buttons) {
        row->addWidget(button);
    }
    return row;
}

} // namespace velt
