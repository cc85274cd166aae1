// The prompter of the running program.

#include "widgets/Prompter.h"

#include "widgets/ModalDialog.h"
#include "widgets/ShownText.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace velt {
namespace {

// The descriptions of the file dialogs' filters, for the translation tools: the filters are
// written where their files are, and each description is looked up when it is shown.
[[maybe_unused]] const char* const kFilterDescriptions[] = {
    QT_TRANSLATE_NOOP("velt", "Pliki z danymi słupów"),
    QT_TRANSLATE_NOOP("velt", "Pliki z danymi slupów"),
    QT_TRANSLATE_NOOP("velt", "Projekty VELT"),
    QT_TRANSLATE_NOOP("velt", "Pliki PDF"),
    QT_TRANSLATE_NOOP("velt", "Obraz PNG"),
    QT_TRANSLATE_NOOP("velt", "Rysunek SVG"),
    QT_TRANSLATE_NOOP("velt", "Dokument PDF"),
    QT_TRANSLATE_NOOP("velt", "Tabela CSV"),
    QT_TRANSLATE_NOOP("velt", "Obraz GIF"),
    QT_TRANSLATE_NOOP("velt", "Pliki tekstowe"),
};

// Messages come from every layer, the core's in Polish: each is shown in the interface's
// language.
QString shown(const QString& text) {
    return shownText(text);
}

// "Opis (*.a *.b);;..." with each description in the interface's language.
QString shownFilter(const QString& filter) {
    QStringList entries = filter.split(QStringLiteral(";;"));
    for (QString& entry : entries) {
        const qsizetype patterns = entry.indexOf(QStringLiteral(" ("));
        entry =
            patterns < 0 ? shownText(entry) : shownText(entry.left(patterns)) + entry.mid(patterns);
    }
    return entries.join(QStringLiteral(";;"));
}

} // namespace

void WidgetPrompter::showMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), shown(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

int WidgetPrompter::exec(QDialog& dialog) {
    return dialog.exec();
}

QString WidgetPrompter::askOpenFileName(QWidget* parent, const QString& title,
                                        const QString& filter) {
    return QFileDialog::getOpenFileName(parent, shown(title), QString(), shownFilter(filter));
}

QString WidgetPrompter::askSaveFileName(QWidget* parent, const QString& title,
                                        const QString& filter) {
    return QFileDialog::getSaveFileName(parent, shown(title), QString(), shownFilter(filter));
}

QString WidgetPrompter::askNewFileName(QWidget* parent, const QString& title,
                                       const QString& filter) {
    return QFileDialog::getSaveFileName(parent, shown(title), QString(), shownFilter(filter),
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

int WidgetPrompter::ask(const QString& caption, const QString& text, Question buttons) {
    QMessageBox box(QMessageBox::Question,
                    caption.isEmpty() ? QApplication::applicationDisplayName() : shown(caption),
                    shown(text), QMessageBox::NoButton, QApplication::activeWindow());
    const auto add = [&box](const char* label, QMessageBox::ButtonRole role, int answer) {
        box.addButton(QCoreApplication::translate("velt", label), role)
            ->setProperty("answer", answer);
    };
    if (buttons == Question::OkCancel) {
        add("OK", QMessageBox::AcceptRole, mrOk);
    } else {
        add(QT_TRANSLATE_NOOP("velt", "&Tak"), QMessageBox::YesRole, mrYes);
        add(QT_TRANSLATE_NOOP("velt", "&Nie"), QMessageBox::NoRole, mrNo);
    }
    if (buttons != Question::YesNo) {
        add(QT_TRANSLATE_NOOP("velt", "Anuluj"), QMessageBox::RejectRole, mrCancel);
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
