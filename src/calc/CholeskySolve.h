#pragma once
// Linear systems with a symmetric positive definite matrix, of any size.

#include <cstddef>
#include <vector>

namespace velt {

/// A square matrix of doubles, row after row.
struct SquareMatrix {
    std::size_t size = 0;
    std::vector<double> values;

    explicit SquareMatrix(std::size_t n) : size(n), values(n * n, 0.0) {}
    double& at(std::size_t row, std::size_t column) { return values[row * size + column]; }
    double at(std::size_t row, std::size_t column) const { return values[row * size + column]; }
};

/// Solves A X = B by Cholesky's factorisation (O(n^3)): `a` is overwritten by its factor,
/// `b` (n rows of `columns` values, row after row) by X. False, with `b` unusable, when A is
/// not positive definite (a singular A included) or a value is not finite.
bool solvePositiveDefinite(SquareMatrix& a, std::vector<double>& b, std::size_t columns);

} // namespace velt
