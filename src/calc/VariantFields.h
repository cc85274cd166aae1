#pragma once
// The fields a new variant takes from the line project just before it copies the result.

#include "model/FieldProfile.h"
#include "model/LineDataForm.h"
#include "model/LineProject.h"

namespace velt {

/// Number (the current `variantCounter`, already increased), voltage, the three conductor
/// groups, range, conductor counts, circuit mode and field kind.
void fillVariantFields(FieldProfile& profile, const LineProject& project, const LineDataForm& form);

} // namespace velt
