// The application object of the desktop program.

#include "app/GuardedApplication.h"

#include <QMessageBox>

#include <exception>

namespace velt {

namespace {

void standardErrorBox(const QString& text) {
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), text);
}

} // namespace

GuardedApplication::GuardedApplication(int& argc, char** argv)
    : QApplication(argc, argv), errorBox_(standardErrorBox) {}

void GuardedApplication::endWithError(const QString& text) {
    errorBox_(text);
    // Every loop ends, the modal ones too; nothing carries on in an unknown state.
    QCoreApplication::exit(kErrorExitStatus);
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        endWithError(QString::fromUtf8(error.what()));
    } catch (...) {
        endWithError(QCoreApplication::translate("velt", "Nieznany błąd programu."));
    }
    return false;
}

} // namespace velt
