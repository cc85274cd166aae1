// Start-up of the desktop program.

#include "app/GuardedApplication.h"
#include "app/VeltApplication.h"
#include "widgets/Prompter.h"

#include <clocale>
#include <cstring>
#include <exception>
#include <iostream>
#include <memory>

namespace {

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
