// An error that escapes an event handler: shown in the error box, then the run ends.

#include "app/GuardedApplication.h"

#include <QStringList>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace velt::test {
namespace {

TEST(GuardedApplicationTest, AnEscapedErrorIsShownAndEndsTheRun) {
    auto& application = static_cast<GuardedApplication&>(*QCoreApplication::instance());
    QStringList shown;
    application.setErrorBox([&](const QString& text) { shown.append(text); });

    QObject receiver;
    bool carriedOn = false;
    QTimer::singleShot(0, &receiver, [] { throw std::runtime_error("Błąd odczytu"); });
    QTimer::singleShot(50, &receiver, [&] { carriedOn = true; });
    // Never reached when the run ends as it should; the test then fails on the exit code.
    QTimer::singleShot(2000, &receiver, [] { QCoreApplication::exit(99); });
    // A run an error ended is not a run that ended well.
    EXPECT_EQ(QApplication::exec(), GuardedApplication::kErrorExitStatus);
    EXPECT_FALSE(carriedOn);
    EXPECT_EQ(shown, QStringList({"Błąd odczytu"}));

    // Anything else thrown is an error of unknown kind.
    QTimer::singleShot(0, &receiver, [] { throw 42; });
    EXPECT_EQ(QApplication::exec(), GuardedApplication::kErrorExitStatus);
    EXPECT_EQ(shown.value(1), "Nieznany błąd programu.");

    application.setErrorBox(
        [](const QString& text) { ADD_FAILURE() << "error box: " << text.toStdString(); });
}

} // namespace
} // namespace velt::test
