#pragma once
// The field profile as a CSV table (UTF-8, a point as decimal separator): velt-calc --csv
// and the desktop program's export of a variant.

#include "model/CalculationOptions.h"
#include "model/FieldProfile.h"

#include <ostream>

namespace velt {

/// Along a line: the position as the report prints it (x relative to the tower axis, or the
/// height y) and the field, with the two components for the magnetic field; as many rows as
/// the report. On the conductors: one row with the surface maximum (and the interference
/// levels when computed).
/// With `unit` microtesla a magnetic profile's values are B [uT] instead of H [A/m].
void writeProfileCsv(std::ostream& out, const FieldProfile& profile,
                     MagneticUnit unit = MagneticUnit::AmperesPerMetre);

} // namespace velt
