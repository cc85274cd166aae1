#pragma once
// The field map as a CSV table (UTF-8, a point as decimal separator), for velt-calc and the
// desktop program's export of a map.

#include "analysis/FieldMap.h"
#include "model/CalculationOptions.h"

#include <ostream>

namespace velt {

/// A header `x(m),y(m),value(UNIT)`, then one row a point, x fastest from the ground up: the
/// distance from the tower axis, the height and the value (kV/m, A/m, or uT when `unit` says
/// so for a magnetic map), each the shortest text that reads back as the same number. A
/// point without value has an empty value.
void writeFieldMapCsv(std::ostream& out, const FieldMap& map, MagneticUnit unit);

} // namespace velt
