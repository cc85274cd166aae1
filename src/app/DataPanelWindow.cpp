// The calculation data window.

#include "app/DataPanelWindow.h"

#include "render/CalculationDataPainter.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QWidget>

namespace velt {
namespace {

class DataPanel : public QWidget {
  public:
    explicit DataPanel(const LineProject& project) : project_(project) {
        setObjectName(QStringLiteral("PaintBox1"));
    }

  protected:
    // `PDChildPaint`: the panel on every repaint.
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paintCalculationData(painter, size(), project_);
    }

  private:
    const LineProject& project_;
};

} // namespace

DataPanelWindow::DataPanelWindow(QMdiArea& frame, const LineProject& project)
    : frame_(frame), project_(project) {}

DataPanelWindow::~DataPanelWindow() {
    close();
}

void DataPanelWindow::open() {
    window_ = frame_.addSubWindow(new DataPanel(project_));
    window_->setAttribute(Qt::WA_DeleteOnClose);
    window_->setWindowTitle(QCoreApplication::translate("velt", "Pobrane dane do obliczeń"));
    window_->showMaximized();
    repaint();
}

void DataPanelWindow::repaint() {
    if (window_ != nullptr) {
        window_->widget()->repaint();
    }
}

void DataPanelWindow::close() {
    if (window_ != nullptr) {
        // `PDChildClose` never refuses.
        window_->close();
        window_ = nullptr;
    }
}

} // namespace velt
