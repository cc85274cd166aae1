// Radio groups: index of the checked button.

#include "widgets/RadioGroup.h"

#include <QGroupBox>
#include <QRadioButton>

namespace velt {

namespace {
QList<QRadioButton*> buttonsOf(const QGroupBox& group) {
    return group.findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
}
} // namespace

int radioIndex(const QGroupBox& group) {
    const auto buttons = buttonsOf(group);
    for (int i = 0; i < buttons.size(); ++i) {
        if (buttons[i]->isChecked()) {
            return i;
        }
    }
    return -1;
}

void setRadioIndex(QGroupBox& group, int index) {
    const auto buttons = buttonsOf(group);
    if (index >= 0 && index < buttons.size()) {
        buttons[index]->setChecked(true);
    }
}

} // namespace velt
