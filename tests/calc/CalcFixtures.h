#pragma once
// Line projects and a scripted user interface for the field-pass tests and benchmarks.

#include "calc/CalculationUi.h"
#include "calc/FieldPass.h"
#include "model/FieldProfile.h"
#include "model/LineDataForm.h"
#include "model/LineProject.h"

#include <memory>
#include <string>
#include <vector>

namespace velt::testing {

/// Records what a pass shows; answers the drawing-range question with the proposed text.
class ScriptedUi : public CalculationUi {
  public:
    void setStatus(int panel, const std::string& text) override;
    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::string askCalculationRange(const std::string& proposed) override { return proposed; }
    std::string askComment() override { return {}; }
    std::string askDrawingRange(const std::string& proposed) override;

    std::vector<std::string> messages;
    std::vector<std::string> progress;            ///< texts of panel 0
    std::vector<std::string> status;              ///< texts of panel 1
    std::vector<std::string> drawingRangeAnswers; ///< answered in order, then the proposal
    int drawingRangeQuestions = 0;
};

/// The records of one running program, on the heap (they are large).
struct Bench {
    std::unique_ptr<LineProject> project = std::make_unique<LineProject>();
    std::unique_ptr<FieldProfile> profile = std::make_unique<FieldProfile>();
    LineDataForm form;
    ScriptedUi ui;
    PassContext context() { return {*project, *profile, form, ui}; }
};

/// A built-in tower (list index) at working height `hw` and ground-wire height `hg`,
/// accepted as the line-data dialog would accept it.
void setUpBuiltIn(Bench& b, int index, const std::string& hw = "12", const std::string& hg = "40");

/// The largest configuration the model computes on the conductors: two circuits of
/// four-conductor bundles, two ground wires, 13 shield wires and a building (59 conductors
/// once the bundles are expanded).
void setUpLargest(Bench& b);

/// Prepares a pass along a horizontal line at `y` over `range` for an unshifted tower in
/// the frame the first pass uses (axis at `range` / 2), without the drawing-range question.
void prepareFullWidth(Bench& b, double range, double y);

/// A single working conductor of radius `r` at (0, h), peak voltage `peak` [kV].
void setUpSingleConductor(Bench& b, double r, double h, double peak);

} // namespace velt::testing
