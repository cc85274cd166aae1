#pragma once
// The temporary child window "Pobrane dane do obliczeń" that shows the line data while a
// calculation runs.

#include "calc/CalculationDriver.h"
#include "model/LineProject.h"

#include <QPointer>

class QMdiArea;
class QMdiSubWindow;

namespace velt {

class DataPanelWindow : public CalculationDataWindow {
  public:
    DataPanelWindow(QMdiArea& frame, const LineProject& project);
    ~DataPanelWindow() override;

    void open() override;
    void repaint() override;
    void close() override;

    /// The window while it is open (the user may close it earlier).
    QMdiSubWindow* window() const { return window_; }

  private:
    QMdiArea& frame_;
    const LineProject& project_;
    QPointer<QMdiSubWindow> window_;
};

} // namespace velt
