#pragma once
// The conductors of the accepted line as round conductors for the surface gradient.

#include "calc/ConductorCircle.h"
#include "calc/FieldConductor.h"
#include "model/LineProject.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace velt {

/// One bundle, or single wire, of the line and where its circles stand in the list.
struct LineBundle {
    double x = 0.0; ///< position in the line data [m]
    double y = 0.0;
    ConductorRole role = ConductorRole::Working;
    int circuit = 0; ///< 1 or 2 for a working bundle, else 0
    int phase = 0;   ///< 1 R, 2 S, 3 T for a working bundle, else 0
    std::size_t firstCircle = 0;
    std::size_t circleCount = 0;
    int line = kMainLine; ///< neighbouring lines from 1
};

struct LineCircles {
    std::vector<ConductorCircle> circles;
    std::vector<LineBundle> bundles;
};

/// The conductors of a line whose data were accepted (bundles not expanded): every working
/// bundle as its sub-conductors of radius phaseRadius, laid out as on the conductor surfaces
/// and at the working voltages of the electric pass there; ground wires, then shield wires
/// and the building's conductors, grounded, a class with bundles laid out alike with its own
/// radius and spacing. Conductors of other lines may be appended to the circles. nullopt
/// when the line cannot be computed on the conductors or a ground or shield bundle has more
/// than 4 sub-conductors.
std::optional<LineCircles> lineCircles(const LineProject& project);

} // namespace velt
