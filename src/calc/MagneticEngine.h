#pragma once
// The magnetic field of any list of conductors: straight currents in the working
// conductors, without images in the ground.

#include "calc/FieldConductor.h"
#include "calc/FieldPhasor.h"

namespace velt {

class MagneticEngine {
  public:
    /// Keeps the working conductors of `conductors`; the others carry no current.
    explicit MagneticEngine(const ConductorList& conductors);

    /// The pass's values at (x, y): the largest |H| and the largest Hx and Hy at its 41
    /// instants, peak [A/m].
    InstantMaxima at(double x, double y) const;
    /// The field ellipse at (x, y), RMS [A/m].
    FieldEllipse ellipse(double x, double y) const;
    /// The field vector at (x, y) [A/m, peak]. A conductor through the point adds nothing.
    PlanePhasor field(double x, double y) const;

  private:
    ConductorList working_;
};

} // namespace velt
