// Start-up of the desktop program.

#include "app/VeltApplication.h"
#include "widgets/Prompter.h"

#include <QApplication>
#include <QMessageBox>

#include <clocale>
#include <exception>
#include <memory>

namespace {

void showError(const char* what) {
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("VELT  2009"),
                          QString::fromUtf8(what));
}

/// An error that escapes an event handler is shown, and the program goes on.
class GuardedApplication : public QApplication {
  public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            showError(error.what());
        } catch (...) {
            showError("Nieznany błąd programu.");
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    GuardedApplication application(argc, argv);
    // The core formats numbers with printf and expects a point.
    std::setlocale(LC_NUMERIC, "C");
    try {
        velt::VeltApplication velt(std::make_unique<velt::WidgetPrompter>());
        velt.run();
    } catch (const std::exception& error) {
        showError(error.what());
    }
    return 0;
}
