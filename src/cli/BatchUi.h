#pragma once
// The calculation's questions answered from the project file; messages go to the error
// stream. A question asked again after a refusal has no other answer: the run stops.

#include "calc/CalculationUi.h"
#include "project/ProjectFile.h"

#include <ostream>
#include <string>

namespace velt {

/// Thrown when a question is asked a second time: the first answer was refused and its
/// message has been written.
struct BatchAnswerRefused {};

class BatchUi : public CalculationUi {
  public:
    BatchUi(const CalculationAnswers& answers, std::ostream& err);

    void setStatus(int panel, const std::string& text) override;
    void showMessage(const std::string& text) override;
    std::string askCalculationRange(const std::string& proposed) override;
    std::string askComment() override;
    std::string askDrawingRange(const std::string& proposed) override;

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
