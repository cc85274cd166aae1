// Start-up of the desktop program.

#include "app/VeltApplication.h"
#include "widgets/Prompter.h"

#include <QApplication>
#include <QMessageBox>

#include <clocale>
#include <cstring>
#include <exception>
#include <iostream>
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

bool asksVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so that it needs no display.
    if (asksVersion(argc, argv)) {
        std::cout << "velt " VELT_VERSION "\n";
        return 0;
    }
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
