#pragma once
// A scripted stand-in for whoever shows the calculation: its questions, status bar,
// messages and data window.

#include "calc/CalculationDriver.h"
#include "calc/CalculationUi.h"

#include <deque>
#include <string>
#include <vector>

namespace velt::testing {

/// Answers the questions from scripts (the proposal once a script has run out) and records
/// what it is asked and shown.
class ScriptedUi : public CalculationUi, public CalculationDataWindow {
  public:
    void setStatus(int panel, const std::string& text) override;
    void showMessage(const std::string& text) override;
    std::optional<std::string> askCalculationRange(const std::string& proposed) override;
    std::string askComment() override;
    std::optional<std::string> askDrawingRange(const std::string& proposed) override;
    void open() override { log.push_back("open"); }
    void repaint() override { log.push_back("repaint"); }
    void close() override { log.push_back("close"); }

    /// How many lines of the log start with `prefix`.
    int count(const std::string& prefix) const;

    /// A scripted answer that declines the question.
    static inline const std::string kDecline = "(declined)";
    std::deque<std::string> rangeAnswers;        ///< answered in order, then the proposal
    std::deque<std::string> drawingRangeAnswers; ///< answered in order, then the proposal
    std::string comment;                         ///< the answer to every comment question

    std::vector<std::string> messages;
    std::vector<std::string> progress; ///< texts of panel 0
    std::vector<std::string> status;   ///< texts of panel 1
    int drawingRangeQuestions = 0;
    /// Everything but the progress, in order: "status <text>", "message <text>",
    /// "range? <proposal>", "comment?", "draw? <proposal>", "open", "repaint", "close".
    std::vector<std::string> log;
};

} // namespace velt::testing
