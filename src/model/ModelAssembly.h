#pragma once
// Completing the line project when the line-data dialog is accepted.

#include "model/LineDataForm.h"
#include "model/LineProject.h"
#include "model/Translatable.h"

#include <optional>
#include <string>

namespace velt {

/// Number of grounded conductors that model a building.
inline constexpr int kBuildingConductors = 20;

/// The refusal when the conductors would not fit the field model.
inline const std::string kTooManyConductorsMessage = VELT_TRANSLATE_NOOP(
    "velt", "Zbyt wiele przewodów do obliczeń!\nModel obejmuje najwyżej 59 przewodów.");

/// Shield wires (list rows plus tower shift), the building as 20 grounded conductors, radii
/// from diameters, conductor count and circuit mode. Refuses, changing nothing, when the
/// conductors would not fit the model; returns the message then.
std::optional<std::string> assembleLineModel(LineProject& project, const LineDataForm& form);

} // namespace velt
