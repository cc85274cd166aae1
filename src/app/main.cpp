// Start-up of the desktop program.

#include "app/GuardedApplication.h"
#include "app/VeltApplication.h"
#include "widgets/Prompter.h"

#include <clocale>
#include <exception>
#include <memory>

int main(int argc, char* argv[]) {
    velt::GuardedApplication application(argc, argv);
    // The core formats numbers with printf and expects a point.
    std::setlocale(LC_NUMERIC, "C");
    try {
        velt::VeltApplication velt(std::make_unique<velt::WidgetPrompter>());
        velt.run();
    } catch (const std::exception& error) {
        application.endWithError(QString::fromUtf8(error.what()));
    } catch (...) {
        application.endWithError(QStringLiteral("Nieznany błąd programu."));
    }
    return 0;
}
