// The common ground of the program's modal dialogs.

#include "widgets/ModalDialog.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace velt {

DialogAnswer answerOf(int result) {
    switch (result) {
    case mrYes:
        return DialogAnswer::Yes;
    case mrNo:
        return DialogAnswer::No;
    default:
        return DialogAnswer::Cancel;
    }
}

ModalDialog::ModalDialog(QWidget* parent) : QDialog(parent) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void ModalDialog::closeWith(QAbstractButton* button, int result) {
    connect(button, &QAbstractButton::clicked, this, [this, result] { done(result); });
}

void ModalDialog::reject() {
    done(mrCancel);
}

void ModalDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        done(escapeResult_);
        return;
    }
    // Enter presses the button that has the focus, not the default one: with "Nie" focused
    // a stray Enter must not answer "Tak".
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        if (auto* button = qobject_cast<QAbstractButton*>(focusWidget())) {
            button->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void ModalDialog::showEvent(QShowEvent* event) {
    if (fixedFrame_) {
        setFixedSize(size());
    }
    QDialog::showEvent(event);
}

} // namespace velt
