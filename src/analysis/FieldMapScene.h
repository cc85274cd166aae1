#pragma once
// What a field map shows besides the field: the conductors of every line, the building and
// the calculation line, placed as the map places its points (x from the main tower's axis,
// y above the ground) [m].

#include "calc/FieldConductor.h"
#include "model/LineDataForm.h"
#include "model/LineProject.h"

#include <optional>
#include <vector>

namespace velt {

struct MapConductor {
    double x = 0.0;
    double y = 0.0;
    double radius = 0.0; ///< as the field engines count it (a bundle's equivalent radius)
    ConductorRole role = ConductorRole::Working;
    int line = kMainLine;
};

/// The front wall from the ground up to (frontX, frontY), the roof on to (roofX, roofY).
struct BuildingOutline {
    double frontX = 0.0;
    double frontY = 0.0;
    double roofX = 0.0;
    double roofY = 0.0;

    /// Whether (x, y) lies inside: between the front wall and the roof's end, under the roof.
    bool covers(double x, double y) const;
};

/// The line the profile is calculated along: at height `at` or at distance `at`.
struct MapLine {
    bool vertical = false;
    double at = 0.0;
};

struct FieldMapScene {
    /// Every line's working conductors, ground wires and shield wires; the building's
    /// conductors are its outline.
    std::vector<MapConductor> conductors;
    std::optional<BuildingOutline> building;
    std::optional<MapLine> line; ///< none for a calculation on the conductors
};

/// The scene of the current set-up; `conductors` are corridorConductors of its project and
/// form, as they are between calculations (bundles not expanded).
FieldMapScene fieldMapScene(const LineProject& project, const LineDataForm& form,
                            const ConductorList& conductors);

} // namespace velt
