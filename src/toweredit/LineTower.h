#pragma once
// The tower of the accepted line configuration as a catalogue record ("Zapisz słup").

#include "calc/CalculationDriver.h"
#include "model/LineProject.h"
#include "model/TowerChoice.h"
#include "model/TowerDefinition.h"

#include <optional>
#include <string>

namespace velt {

/// Names, voltages, counts, diameters (twice the accepted radii) and bundle data of the
/// line, the working conductors at the tower's own x and relative heights, every ground wire
/// at the applied ground-wire height. Nothing while the line data are not accepted.
/// Positions come from the chosen tower rather than from the line's arrays, which hold them
/// shifted and raised: taking the shift and the height off again could change the last
/// digit, and the tower read back must give the same line.
std::optional<TowerDefinition> towerOfLine(const LineProject& project,
                                           const TowerChoiceState& choice);

} // namespace velt
