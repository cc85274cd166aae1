#pragma once
// The main line's conductors as a field pass sees them.

#include "calc/FieldConductor.h"
#include "model/LineDataForm.h"
#include "model/LineProject.h"

namespace velt {

/// The project's conductors, in its current frame: along a line every bundle is one
/// conductor of the bundle-equivalent radius; on the conductors the working bundles are
/// their sub-conductors, each carrying its share of the current. Voltages follow the
/// electric pass's phase table and currents the magnetic pass's, the first circuit carrying
/// the larger of the two entered currents. The project must pass checkComputable.
ConductorList mainLineConductors(const LineProject& project, const LineDataForm& form,
                                 bool onConductors);

} // namespace velt
