#include "render/TowerNeighbours.h"

#include "calc/NeighbourConductors.h"

namespace velt {

std::vector<TowerNeighbourWire> towerNeighbourWires(const LineDataForm& form,
                                                    const LineProject& project) {
    // Placed as the calculation places them beside the project's own conductors.
    const double axis = mainTowerAxis(project);
    std::vector<TowerNeighbourWire> wires;
    int line = kMainLine;
    for (const NeighbourLine& n : form.options.neighbours) {
        for (const FieldConductor& c : neighbourConductors(n, ++line, axis)) {
            wires.push_back({c.x, c.y, c.role != ConductorRole::Working});
        }
    }
    return wires;
}

} // namespace velt
