#pragma once
// The calculate command: from the accepted line data to one stored field profile with the
// fields a new variant takes, asking and reporting only through the user interface.

#include "calc/FieldPass.h"
#include "model/Translatable.h"

#include <string>

namespace velt {

/// The temporary calculation data window of the desktop program. velt-calc and the tests
/// pass none.
class CalculationDataWindow {
  public:
    virtual ~CalculationDataWindow() = default;
    /// Opens the window and draws the panel once.
    virtual void open() = 0;
    /// Redraws the panel (after the range step).
    virtual void repaint() = 0;
    /// Closes the window and frees its drawing surface.
    virtual void close() = 0;
};

inline const std::string kNoLineDataMessage = VELT_TRANSLATE_NOOP("velt", "Nie podano danych!");
inline const std::string kCalculationDoneStatus =
    VELT_TRANSLATE_NOOP("velt", "Obliczenia wykonane...");
inline const std::string kRangeShiftedMessage =
    VELT_TRANSLATE_NOOP("velt", "Zakres obliczeń musi by większy od 0.0 [m]!");
inline const std::string kRangeUnshiftedMessage =
    VELT_TRANSLATE_NOOP("velt", "Zakres obliczeń musi być większy od 0.0 [m]!");
/// The range the range dialog proposes.
inline constexpr double kProposedRange = 50.0;

enum class CalculationOutcome {
    NoLineData, ///< the line data were not accepted; nothing happened
    Refused,    ///< a pass refused the configuration (its message was shown), or a question was
                ///< declined; no variant, and both records are as they were before
    Done        ///< the profile holds the new variant's fields; create the variant from it
};

/// `Oblicz`: range and comment questions, one pass or the two-pass scheme of a horizontal
/// line under an unshifted tower, then the fields of the new variant (its number included).
/// The conductor positions are the same afterwards as before, whatever the outcome.
CalculationOutcome calculate(PassContext& ctx, CalculationDataWindow* window = nullptr);

/// The range step: asks until the range is positive, sets the range, step and profile length
/// of the pass, takes the building into the result and asks for the comment. False when the
/// range question was declined.
bool askCalculationRange(PassContext& ctx);

/// Takes the building of the building dialog into the result (x values with the tower shift).
void takeBuildingIntoResult(PassContext& ctx);

} // namespace velt
