// The prompter of the running program.

#include "widgets/Prompter.h"

#include "widgets/ModalDialog.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace velt {

void WidgetPrompter::showMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

int WidgetPrompter::exec(QDialog& dialog) {
    return dialog.exec();
}

QString WidgetPrompter::askOpenFileName(QWidget* parent, const QString& title,
                                        const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

QString WidgetPrompter::askSaveFileName(QWidget* parent, const QString& title,
                                        const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, QString(), filter);
}

QString WidgetPrompter::askNewFileName(QWidget* parent, const QString& title,
                                       const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, QString(), filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

int WidgetPrompter::ask(const QString& caption, const QString& text, Question buttons) {
    QMessageBox box(QMessageBox::Question,
                    caption.isEmpty() ? QApplication::applicationDisplayName() : caption, text,
                    QMessageBox::NoButton, QApplication::activeWindow());
    const auto add = [&box](const char* label, QMessageBox::ButtonRole role, int answer) {
        box.addButton(QString::fromUtf8(label), role)->setProperty("answer", answer);
    };
    if (buttons == Question::OkCancel) {
        add("OK", QMessageBox::AcceptRole, mrOk);
    } else {
        add("&Tak", QMessageBox::YesRole, mrYes);
        add("&Nie", QMessageBox::NoRole, mrNo);
    }
    if (buttons != Question::YesNo) {
        add("Anuluj", QMessageBox::RejectRole, mrCancel);
    }
    box.exec();
    const QAbstractButton* chosen = box.clickedButton();
    // Closing a Yes/No box without a button is its No.
    const int closed = buttons == Question::YesNo ? mrNo : mrCancel;
    return chosen != nullptr ? chosen->property("answer").toInt() : closed;
}

void WidgetPrompter::beep() {
    QApplication::beep();
}

} // namespace velt
