// A series run in the background.

#include "app/SeriesRunner.h"

#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QThread>

#include <climits>

namespace velt {

SeriesRunner::SeriesRunner(QStatusBar& bar, Show show, Say say, QObject* parent)
    : QObject(parent), progress_(new QProgressBar), stop_(new QPushButton(tr("Przerwij"))),
      show_(std::move(show)), say_(std::move(say)) {
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setMaximumWidth(160);
    stop_->setObjectName(QStringLiteral("BitBtn12"));
    connect(stop_, &QPushButton::clicked, this, &SeriesRunner::BitBtn12Click);
    bar.addPermanentWidget(progress_);
    bar.addPermanentWidget(stop_);
    progress_->hide();
    stop_->hide();
}

SeriesRunner::~SeriesRunner() {
    cancel_ = true;
    if (thread_) {
        thread_->wait();
    }
}

void SeriesRunner::start(SeriesRequest request) {
    const std::size_t total = combinationCount(request.plan);
    cancel_ = false;
    stopped_ = false;
    done_ = 0;
    progress_->setRange(0, static_cast<int>(std::min<std::size_t>(total, INT_MAX)));
    progress_->setValue(0);
    progress_->show();
    stop_->show();
    stop_->setEnabled(true);
    say_(tr("Seria obliczeń..."));
    thread_.reset(QThread::create([this, request = std::move(request)] {
        SeriesRunOptions options;
        options.progress = [this](std::size_t done) { reportDone(done); };
        options.cancel = &cancel_;
        result_ = computeSeries(request, options);
    }));
    connect(thread_.get(), &QThread::finished, this, &SeriesRunner::collect);
    thread_->start();
}

void SeriesRunner::reportDone(std::size_t done) {
    done_ = done;
    // One update waiting at a time: thousands of short calculations must not flood the window.
    if (!progressPosted_.exchange(true)) {
        QMetaObject::invokeMethod(this, &SeriesRunner::showProgress, Qt::QueuedConnection);
    }
}

void SeriesRunner::showProgress() {
    progressPosted_ = false;
    progress_->setValue(static_cast<int>(std::min<std::size_t>(done_, INT_MAX)));
}

void SeriesRunner::BitBtn12Click() {
    stopped_ = true;
    cancel_ = true;
    stop_->setEnabled(false);
}

void SeriesRunner::collect() {
    thread_->wait();
    thread_.reset();
    progress_->hide();
    stop_->hide();
    if (stopped_) {
        say_(tr("Seria obliczeń przerwana..."));
    } else {
        say_(tr("Seria obliczeń wykonana..."));
        show_(std::move(result_));
    }
    result_ = {};
    emit finished();
}

} // namespace velt
