#pragma once
// The report's lines after the specified report, for the options a calculation used: the
// surface method, the zones of the exposure limits and the neighbouring lines. Nothing when
// it used none of them.

#include "analysis/CalculationExtras.h"
#include "model/FieldProfile.h"

#include <ostream>

namespace velt {

void writeReportExtras(std::ostream& out, const FieldProfile& profile,
                       const CalculationExtras& extras);

} // namespace velt
