#pragma once
// The field of the current set-up over a whole cross-section: the main line, the lines
// beside it and the building's conductors, on a rectangular grid.

#include "analysis/FieldMapGrid.h"
#include "analysis/FieldMapScene.h"
#include "model/LineDataForm.h"
#include "model/LineProject.h"

#include <cmath>
#include <optional>
#include <vector>

namespace velt {

struct FieldMap {
    FieldMapGrid grid;
    bool magnetic = false;
    /// grid.points() values row by row from the ground up, x fastest: the electric field
    /// [kV/m RMS] or the magnetic field [A/m peak], each as the profile defines it; NaN where
    /// a point has no value (inside a conductor or the building).
    std::vector<double> values;
    FieldMapScene scene;

    double at(int column, int row) const {
        return values[static_cast<std::size_t>(row) * static_cast<std::size_t>(grid.columns) +
                      static_cast<std::size_t>(column)];
    }
    static bool hasValue(double v) { return !std::isnan(v); }
};

/// The map of the field the line data names (electric or magnetic) on `grid`, with the
/// conductors as they are between calculations (bundles not expanded). The charges are
/// solved once; the rows are shared among `threads` threads (0 or more than the cores: all
/// cores), and the values do not depend on how many. None when the charges cannot be solved.
std::optional<FieldMap> computeFieldMap(const LineProject& project, const LineDataForm& form,
                                        const FieldMapGrid& grid, int threads = 0);

} // namespace velt
