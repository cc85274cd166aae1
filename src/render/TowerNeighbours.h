#pragma once
// The neighbouring lines of the line data as the tower preview draws them.

#include "model/LineDataForm.h"
#include "model/LineProject.h"
#include "render/TowerPreview.h"

#include <vector>

namespace velt {

/// The conductors of every neighbouring line of `form`, in the frame of `project`'s own
/// conductors (towerConductors), its tower's axis where the calculation puts it.
std::vector<TowerNeighbourWire> towerNeighbourWires(const LineDataForm& form,
                                                    const LineProject& project);

} // namespace velt
