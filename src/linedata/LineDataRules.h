#pragma once
// When the line-data dialog's controls are enabled. The dialog enables its controls by these
// rules, and the set-up of both programs and the project file follow the same ones, so that a
// project can hold only what a user can enter.

#include <cstdint>

namespace velt {

/// "Zmiana faz!" and the second circuit's current: a tower of two circuits, six phases.
inline bool twoCircuits(std::uint32_t phaseConductorCount) {
    return phaseConductorCount == 6;
}

/// The phase-values button: the currents of the magnetic field, or the voltages of a tower
/// with four or more phases.
inline bool phaseValuesEnabled(bool magnetic, std::uint32_t phaseConductorCount) {
    return magnetic || phaseConductorCount >= 4;
}

/// "Zakł. na przewodach?": the electric field on the conductors.
inline bool interferenceEnabled(bool magnetic, bool onConductors) {
    return !magnetic && onConductors;
}

} // namespace velt
