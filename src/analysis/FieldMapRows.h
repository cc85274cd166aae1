#pragma once
// The field along one row of a map: every conductor's share added for all the row's points
// at once, over arrays the compiler vectorises, by the same arithmetic as the engines.

#include "calc/ElectricEngine.h"
#include "calc/FieldConductor.h"

#include <vector>

namespace velt {

/// The field's sources, one array a quantity: the charges (times 1 / (2 pi eps0)) of every
/// conductor, or the currents of the working conductors.
struct MapSources {
    bool magnetic = false;
    std::vector<double> x;
    std::vector<double> y;
    std::vector<double> sin;
    std::vector<double> cos;
};

/// The solved charges of every conductor of `engine`.
MapSources chargeSources(const ElectricEngine& engine);
/// The currents of the working conductors of `conductors`.
MapSources currentSources(const ConductorList& conductors);

/// Working arrays of one row, made once for many rows of `columns` points.
class RowWork {
  public:
    explicit RowWork(int columns);

  private:
    friend void fieldRow(const MapSources&, const double*, double, RowWork&, double*);
    int columns_;
    std::vector<double> sinX_, sinY_, cosX_, cosY_, largest_;
};

/// The field at (x[i], y) for every point of the row into `out` (as many as `work` was made
/// for), with the passes' definition: the largest of the 41 instants, over sqrt 2 for the
/// electric field [kV/m RMS], as it is for the magnetic one [A/m peak]. A point on a
/// conductor's axis gives no finite value.
void fieldRow(const MapSources& sources, const double* x, double y, RowWork& work, double* out);

} // namespace velt
