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
    std::optional<std::string> askCalculationRange(const std::string& proposed) override;
    std::string askComment() override;
    std::optional<std::string> askDrawingRange(const std::string& proposed) override;

  private:
    bool projectOpen();

    VeltApplication& app_;
    /// The file's answer is offered once per calculation; a question asked again after a
    /// refusal proposes what the calculation proposes.
    bool rangeFromFile_ = true;
    bool drawingRangeFromFile_ = true;
};

} // namespace velt
