#include "analysis/FieldMapGrid.h"

#include "calc/NeighbourConductors.h"
#include "model/DecimalText.h"
#include "model/Translatable.h"

#include <algorithm>
#include <cmath>

namespace velt {
namespace {

// Messages of a refused grid, for the caller to show (translated).
const std::string kRangeMessage =
    VELT_TRANSLATE_NOOP("velt", "Zasięg mapy pola musi być większy od 0.0!");
const std::string kTopMessage =
    VELT_TRANSLATE_NOOP("velt", "Wysokość mapy pola musi być większa od 0.0!");
const std::string kStepXMessage =
    VELT_TRANSLATE_NOOP("velt", "Krok siatki X musi być większy od 0.0!");
const std::string kStepYMessage =
    VELT_TRANSLATE_NOOP("velt", "Krok siatki Y musi być większy od 0.0!");

bool positive(double v) {
    return std::isfinite(v) && v > 0.0;
}

bool refused(const std::optional<double>& v) {
    return v && !positive(*v);
}

double highestConductor(const LineProject& project, const LineDataForm& form) {
    double highest = 0.0;
    for (const FieldConductor& c : corridorConductors(project, form, false)) {
        highest = std::max(highest, c.y);
    }
    return highest;
}

// Points of `length` in steps of `step`, both ends included; a hair short of a whole step
// still counts as one.
double pointsAlong(double length, double step) {
    return std::floor(length / step + 1e-9) + 1.0;
}

std::string tooManyPoints(double points) {
    return filledIn(
        VELT_TRANSLATE_NOOP("velt", "Siatka mapy pola ma %1 punktów, a może mieć najwyżej %2!"),
        {formatNumber("%.0f", points), std::to_string(kMaxMapPoints)});
}

} // namespace

std::variant<FieldMapGrid, std::string>
fieldMapGrid(const LineProject& project, const LineDataForm& form, const FieldMapRequest& r) {
    if (!positive(r.range)) {
        return kRangeMessage;
    }
    if (refused(r.top)) {
        return kTopMessage;
    }
    if (refused(r.stepX)) {
        return kStepXMessage;
    }
    if (refused(r.stepY)) {
        return kStepYMessage;
    }
    // A shifted tower's line starts at x = 0 of its frame, the axis at the shift.
    const double width = project.towerShifted ? r.range : 2.0 * r.range;
    const double top = r.top.value_or(highestConductor(project, form) + kMapHeadroom);
    FieldMapGrid g;
    g.left = project.towerShifted ? -project.towerShift : -r.range;
    g.stepX = r.stepX.value_or(width / kDefaultMapStepsAcross);
    g.stepY = r.stepY.value_or(top / kDefaultMapStepsUp);
    const double columns = pointsAlong(width, g.stepX);
    const double rows = pointsAlong(top, g.stepY);
    if (!(columns * rows <= static_cast<double>(kMaxMapPoints))) {
        return tooManyPoints(columns * rows);
    }
    g.columns = static_cast<int>(columns);
    g.rows = static_cast<int>(rows);
    return g;
}

} // namespace velt
