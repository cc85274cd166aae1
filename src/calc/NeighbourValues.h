#pragma once
// The values of the lines beside the main one, checked one key at a time so that a project
// reader can name the key it refuses.

#include "model/CalculationOptions.h"
#include "model/KeyedRefusal.h"
#include "model/Translatable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velt {

inline const std::string kNeighbourHeightMessage =
    VELT_TRANSLATE_NOOP("velt", "Niepoprawne wysokości przewodów!");
inline const std::string kNeighbourVoltageMessage =
    VELT_TRANSLATE_NOOP("velt", "Napięcie linii musi być większe od 0.0 i nie większe od 1200 kV!");
inline const std::string kNeighbourCurrentsMessage =
    VELT_TRANSLATE_NOOP("velt", "Nie podano prądów fazowych linii!");
inline const std::string kNeighbourCurrentMessage =
    VELT_TRANSLATE_NOOP("velt", "Wartość prądu fazowego musi być większa od 0.0!");
/// The most characters of a neighbour's label.
inline constexpr std::size_t kMaxNeighbourLabelLength = 64;
/// The highest line-to-line voltage of a neighbour [kV].
inline constexpr double kMaxNeighbourVoltage = 1200.0;

/// The first value of one neighbour a calculation cannot use: heights not above 0, a voltage
/// not above 0 or above 1200 kV, numbers that are not finite, a tower the field passes could
/// not take as the main line's, and, when `magnetic`, a circuit without a current above 0.
/// The key is the line's own (`voltage`, `tower.phaseDiameter`).
std::optional<KeyedRefusal> checkNeighbourLine(const NeighbourLine& neighbour, bool magnetic);

/// checkNeighbourLine of every neighbour in turn, the key in full (`neighbours[2].voltage`).
std::optional<KeyedRefusal> checkNeighbourValues(const std::vector<NeighbourLine>& neighbours,
                                                 bool magnetic);

} // namespace velt
