// Start-up of the desktop program.

#include "app/GuardedApplication.h"
#include "app/Language.h"
#include "app/VeltApplication.h"
#include "widgets/Prompter.h"

#include <QStringList>

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

// `velt PROJECT.json`: the line project file to open at start-up.
QString projectArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1Char('-'))) {
            return arguments[i];
        }
    }
    return {};
}

} // namespace

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so that it needs no display.
    if (asksVersion(argc, argv)) {
        std::cout << "velt " VELT_VERSION "\n";
        return 0;
    }
    velt::GuardedApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    velt::installTranslations(application, velt::chosenLanguage(arguments));
    // The core reads and formats numbers in the C locale of its own, whatever the process
    // locale; Qt sets that from the environment, and nothing else here is to depend on it.
    std::setlocale(LC_NUMERIC, "C");
    try {
        velt::VeltApplication velt(std::make_unique<velt::WidgetPrompter>());
        return velt.run(projectArgument(velt::withoutLanguageArguments(arguments)));
    } catch (const std::exception& error) {
        application.endWithError(QString::fromUtf8(error.what()));
    } catch (...) {
        application.endWithError(QCoreApplication::translate("velt", "Nieznany błąd programu."));
    }
    return velt::GuardedApplication::kErrorExitStatus;
}
