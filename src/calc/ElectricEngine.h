#pragma once
// The electric field of any list of conductors: line charges with their images in the
// ground (y = 0), the charges from the conductor voltages by the potential coefficients.

#include "calc/FieldConductor.h"
#include "calc/FieldPhasor.h"

#include <optional>
#include <utility>
#include <vector>

namespace velt {

class ElectricEngine {
  public:
    /// Solves the charges of all conductors for both voltage components at once. None when
    /// the potential coefficients are singular or not positive definite (conductors in one
    /// place, below ground, or thicker than their distance).
    static std::optional<ElectricEngine> solve(ConductorList conductors);

    /// The pass's value at (x, y): the largest field at its 41 instants over sqrt 2 [kV/m].
    double rms(double x, double y) const;
    /// The field ellipse at (x, y), RMS [kV/m].
    FieldEllipse ellipse(double x, double y) const;
    /// The field vector at (x, y) [kV/m, peak]. A conductor whose axis or image is the
    /// point itself adds nothing.
    PlanePhasor field(double x, double y) const;

    const ConductorList& conductors() const { return conductors_; }
    /// Charge of conductor i times 1 / (2 pi eps0) [kV].
    const std::vector<Sinusoid>& charges() const { return charges_; }

  private:
    ElectricEngine(ConductorList conductors, std::vector<Sinusoid> charges)
        : conductors_(std::move(conductors)), charges_(std::move(charges)) {}

    ConductorList conductors_;
    std::vector<Sinusoid> charges_;
};

} // namespace velt
