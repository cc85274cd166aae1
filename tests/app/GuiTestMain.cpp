// The desktop program's tests run headless, in the C locale, under the program's own
// application object.

#include "app/GuardedApplication.h"
#include "app/Language.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>

#if defined(__SANITIZE_ADDRESS__)
// Fontconfig and the Qt plugins keep memory until the process ends; the listing of the
// tests runs without the test environment, so the program says it itself.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}
#endif

namespace {

// The headless platform warns about window features it lacks; the tests do not need them.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The recent-projects list lives in the user's settings: each test process gets its own.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    velt::GuardedApplication application(argc, argv);
    // An error box would wait for a click that never comes.
    application.setErrorBox(
        [](const QString& text) { ADD_FAILURE() << "error box: " << text.toStdString(); });
    // The English interface's tests run in a process of their own.
    if (qgetenv("VELT_TEST_LANGUAGE") == "en") {
        velt::installTranslations(application, velt::InterfaceLanguage::English);
    }
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
