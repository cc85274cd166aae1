#pragma once
// The calculation's questions answered from the project file; messages go to the error
// stream. A question asked again after a refusal has no other answer: it is declined, and
// the calculation stops refused.

#include "calc/CalculationUi.h"
#include "project/ProjectFile.h"

#include <ostream>
#include <string>

namespace velt {

class BatchUi : public CalculationUi {
  public:
    BatchUi(const CalculationAnswers& answers, std::ostream& err);

    void setStatus(int panel, const std::string& text) override;
    void showMessage(const std::string& text) override;
    std::optional<std::string> askCalculationRange(const std::string& proposed) override;
    std::string askComment() override;
    std::optional<std::string> askDrawingRange(const std::string& proposed) override;

    /// The last status text of the message panel.
    const std::string& status() const { return status_; }

  private:
    const CalculationAnswers& answers_;
    std::ostream& err_;
    std::string status_;
    int rangeQuestions_ = 0;
    int drawingQuestions_ = 0;
};

} // namespace velt
