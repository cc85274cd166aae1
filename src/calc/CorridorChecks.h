#pragma once
// Lines beside the main one that a field pass cannot compute are refused before any
// arithmetic, the message naming the line.

#include "model/LineDataForm.h"
#include "model/LineProject.h"
#include "model/Translatable.h"

#include <optional>
#include <string>

namespace velt {

/// The most conductors of all lines together, every bundle counted as its sub-conductors.
inline constexpr int kMaxCorridorConductors = 500;

inline const std::string kTooManyLinesMessage = VELT_TRANSLATE_NOOP(
    "velt", "Zbyt wiele linii sąsiednich!\nModel obejmuje najwyżej 8 linii sąsiednich.");
inline const std::string kTooManyCorridorConductorsMessage = VELT_TRANSLATE_NOOP(
    "velt",
    "Zbyt wiele przewodów do obliczeń!\nModel obejmuje najwyżej 500 przewodów wszystkich linii.");
inline const std::string kInsideBuildingMessage =
    VELT_TRANSLATE_NOOP("velt", "Przewody nie mogą przechodzić przez budynek!");

/// "Linia sąsiednia 2: " for neighbours[1]: lines are numbered from 1 as the user sees them.
std::string neighbourLinePrefix(std::size_t index);

/// With neighbouring lines in `form.options`: refuses more than 8 of them, a bad value
/// (checkNeighbourValues), more than 500 conductors, and a neighbour's conductor that hangs
/// at or below ground, lies where another conductor lies, or inside the building. Nothing
/// without neighbours. The main line itself is checkComputable's. Never changes anything.
std::optional<std::string> checkCorridor(const LineProject& project, const LineDataForm& form,
                                         bool onConductors);

} // namespace velt
