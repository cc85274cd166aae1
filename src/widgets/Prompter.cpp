// The prompter of the running program.

#include "widgets/Prompter.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

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

} // namespace velt
