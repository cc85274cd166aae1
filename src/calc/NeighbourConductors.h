#pragma once
// The lines beside the main one, placed in the frame of the running pass.

#include "calc/FieldConductor.h"
#include "model/CalculationOptions.h"
#include "model/LineDataForm.h"
#include "model/LineProject.h"

namespace velt {

/// The most lines beside the main one.
inline constexpr int kMaxNeighbourLines = 8;

/// Phase (1 R, 2 S, 3 T) of working conductor `slot` (0-based) of a neighbour's tower; a
/// swapped second circuit runs T, R, S.
int neighbourPhase(std::uint32_t slot, bool swapped);

/// Peak phase voltage of a neighbour [kV]: its line-to-line voltage, or its tower's nominal
/// voltage, times sqrt 2 / sqrt 3.
double neighbourPhasePeak(const NeighbourLine& neighbour);

/// Working conductors of circuits the neighbour has (1 or 2).
int neighbourCircuits(const NeighbourLine& neighbour);

/// The conductors of `neighbour` as line `line`, its tower axis at `mainAxisX` plus its
/// offset. Every bundle is one conductor of the bundle-equivalent radius carrying the whole
/// phase current; ground wires hang at the ground-wire height and are grounded.
ConductorList neighbourConductors(const NeighbourLine& neighbour, int line, double mainAxisX);

/// x of the main tower's axis in the frame of the running pass.
double mainTowerAxis(const LineProject& project);

/// The main line's conductors followed by every neighbour's (lines 1, 2, ...).
ConductorList corridorConductors(const LineProject& project, const LineDataForm& form,
                                 bool onConductors);

} // namespace velt
