#pragma once
// The calculation's questions and messages answered by the desktop program: the status
// bar of the main window, message boxes and the range and comment dialogs.

#include "calc/CalculationUi.h"

namespace velt {

class VeltApplication;

class DesktopCalculationUi : public CalculationUi {
  public:
    explicit DesktopCalculationUi(VeltApplication& app) : app_(app) {}

    void setStatus(int panel, const std::string& text) override;
    void showMessage(const std::string& text) override;
    std::string askCalculationRange(const std::string& proposed) override;
    std::string askComment() override;
    std::string askDrawingRange(const std::string& proposed) override;

  private:
    bool projectOpen();

    VeltApplication& app_;
};

} // namespace velt
