#pragma once
// A series run in the background: one at a time, its progress and "Przerwij" in the main
// window's status bar. A series stopped with "Przerwij" shows nothing: the calculations done
// by then are scattered over the range, not a part of it that a graph could show.

#include "app/SeriesResult.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

class QProgressBar;
class QPushButton;
class QStatusBar;
class QThread;

namespace velt {

class SeriesRunner : public QObject {
    Q_OBJECT

  public:
    /// Given every finished series that was not stopped.
    using Show = std::function<void(SeriesResult)>;
    /// Puts a text into the status bar's message panel.
    using Say = std::function<void(const QString&)>;

    /// Adds the progress and "Przerwij", hidden, to `bar`.
    SeriesRunner(QStatusBar& bar, Show show, Say say, QObject* parent = nullptr);
    /// Stops a series still running and waits for it.
    ~SeriesRunner() override;

    bool running() const { return thread_ != nullptr; }
    /// Runs `request` on a thread of its own, its calculations shared among the cores.
    void start(SeriesRequest request);

  public slots:
    /// "Przerwij".
    void BitBtn12Click();

  signals:
    /// A series ended: shown, or stopped.
    void finished();

  private:
    /// From the worker: the count of calculations done, shown once the window gets to it.
    void reportDone(std::size_t done);
    void showProgress();
    void collect();

    QProgressBar* progress_;
    QPushButton* stop_;
    Show show_;
    Say say_;
    std::unique_ptr<QThread> thread_;
    std::atomic<bool> cancel_{false};
    std::atomic<std::size_t> done_{0};
    std::atomic<bool> progressPosted_{false};
    bool stopped_ = false;
    SeriesResult result_;
};

} // namespace velt
