#pragma once
// The checks of the two auxiliary dialogs that have any: the tower shift and the phase
// currents.

#include "model/LineDataForm.h"
#include "model/LineProject.h"
#include "model/Translatable.h"

#include <optional>
#include <string>

namespace velt {

inline const std::string kNegativeShiftMessage =
    VELT_TRANSLATE_NOOP("velt", "Przesunięcie słupa nie może być mniejsze od 0.0 [m]!");
inline const std::string kPhaseCurrentDialogMessage =
    VELT_TRANSLATE_NOOP("velt", "Wartość prądy fazowego musi być większa od 0.0!");
inline const std::string kPhaseCurrentLineDataMessage =
    VELT_TRANSLATE_NOOP("velt", "Wartość prądu fazowego musi być większa od 0.0!");

/// The text the tower-shift dialog shows when it opens: the stored shift in general format.
std::string towerShiftText(const LineProject& project);

/// "&Tak" of the tower-shift dialog: stores the typed shift and returns nothing, or returns
/// the refusal message and keeps the stored shift (it never becomes negative).
std::optional<std::string> acceptTowerShift(LineProject& project, const std::string& text);

/// Whether the tower counts as shifted after the tower-shift dialog: its field's value is
/// greater than 0.0.
bool towerShiftedByText(const std::string& text);

/// "&Tak" of the phase-current dialog: every enabled field must be greater than 0.0.
std::optional<std::string>
checkPhaseCurrents(const PhaseCurrentForm& form,
                   const std::string& message = kPhaseCurrentDialogMessage);

} // namespace velt
