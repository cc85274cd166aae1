#pragma once
// The application object of the desktop program: an error that escapes an event handler is
// shown in the error box, and then the run ends, since the program's state is unknown.

#include <QApplication>

#include <functional>

namespace velt {

class GuardedApplication : public QApplication {
  public:
    /// Shows the text of an error that ended the run.
    using ErrorBox = std::function<void(const QString&)>;

    GuardedApplication(int& argc, char** argv);

    /// The box that shows escaped errors (the standard error box unless replaced).
    void setErrorBox(ErrorBox box) { errorBox_ = std::move(box); }
    /// The exit status of a run that an error ended.
    static constexpr int kErrorExitStatus = 1;

    /// Shows `text` in the error box and ends the event loops with kErrorExitStatus.
    void endWithError(const QString& text);

    bool notify(QObject* receiver, QEvent* event) override;

  private:
    ErrorBox errorBox_;
};

} // namespace velt
