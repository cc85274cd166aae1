#pragma once
// What the calculation needs from whoever shows it: status texts, questions, messages.
// The desktop program answers with its dialogs and status bar, velt-calc with the values
// of the project file, tests with a scripted fake.

#include <optional>
#include <string>

namespace velt {

class CalculationUi {
  public:
    virtual ~CalculationUi() = default;

    /// Status bar panel 0 shows the progress ("%d%%"), panel 1 the message of the step.
    virtual void setStatus(int panel, const std::string& text) = 0;
    /// A modal message box with a fixed text.
    virtual void showMessage(const std::string& text) = 0;
    /// The calculation range dialog, its field preset to `proposed`; returns the field text,
    /// or none when the question has no further answer (the calculation then stops, refused).
    virtual std::optional<std::string> askCalculationRange(const std::string& proposed) = 0;
    /// The comment dialog with an empty field; returns the field text.
    virtual std::string askComment() = 0;
    /// The drawing range dialog, its field preset to `proposed`; returns the field text, or
    /// none as for the range.
    virtual std::optional<std::string> askDrawingRange(const std::string& proposed) = 0;
};

} // namespace velt
