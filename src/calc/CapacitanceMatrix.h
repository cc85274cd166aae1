#pragma once
// Potential coefficients, their determinant and inverse, and the partial capacitances.

#include "calc/CalculationUi.h"
#include "calc/PassProgress.h"
#include "model/LineProject.h"

#include <cstdint>

namespace velt {

/// A square matrix in the 1-based layout of the capacitance matrix.
using Matrix = double[kMatrixSlots][kMatrixSlots];

/// Radius of one conductor that stands for a bundle of n sub-conductors of radius r whose
/// neighbours are s apart.
double bundleEquivalentRadius(double r, std::uint32_t n, double s);

/// Gives every conductor its radius: working conductors the bundle-equivalent radius unless
/// `expanded` (then each sub-conductor keeps the sub-conductor radius), ground and shield
/// conductors theirs. False when a radius comes out unusable.
bool assignRadii(LineProject& project, bool expanded);

/// Maxwell's potential coefficients of conductors 1..N into `p`.
void buildPotentialCoefficients(const LineProject& project, Matrix& p);

struct Determinant {
    double mantissa = 0.0;
    std::int32_t exponent = 0;
};

/// Gaussian elimination with partial pivoting; the value is mantissa x 10^exponent. `a` is
/// overwritten. A singular matrix gives mantissa 0.
Determinant determinant(int n, Matrix& a);

/// The inverse by cofactors and determinants (the reference method, O(n^5)).
/// Progress advances before each row. False when `a` is singular.
bool invertByCofactors(int n, const Matrix& a, Matrix& inverse, PassProgress* progress = nullptr);

/// The inverse by Gauss-Jordan elimination with partial pivoting (O(n^3)); progress advances
/// before each row. False when `a` is singular.
bool invertByElimination(int n, const Matrix& a, Matrix& inverse, PassProgress* progress = nullptr);

/// Fills the project's capacitance matrix (partial capacitances) and determinant for the
/// current conductors and radii; progress goes to status panel 0. False when the potential
/// coefficients are singular.
bool buildCapacitanceMatrix(LineProject& project, CalculationUi& ui);

} // namespace velt
