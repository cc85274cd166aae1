#include "calc/CholeskySolve.h"

#include <cmath>

namespace velt {
namespace {

// Sum of row[k] * other[k] for k < count, with four partial sums so that the loop does not
// wait on one addition at a time.
double dot(const double* row, const double* other, std::size_t count) {
    double s[4] = {0.0, 0.0, 0.0, 0.0};
    std::size_t k = 0;
    for (; k + 4 <= count; k += 4) {
        for (std::size_t j = 0; j < 4; ++j) {
            s[j] += row[k + j] * other[k + j];
        }
    }
    for (; k < count; ++k) {
        s[0] += row[k] * other[k];
    }
    return (s[0] + s[1]) + (s[2] + s[3]);
}

// The lower factor L (A = L L^T) in the lower triangle of `a`, row by row.
bool factor(SquareMatrix& a) {
    const std::size_t n = a.size;
    for (std::size_t i = 0; i < n; ++i) {
        double* row = &a.values[i * n];
        for (std::size_t j = 0; j < i; ++j) {
            const double* upper = &a.values[j * n];
            row[j] = (row[j] - dot(row, upper, j)) / upper[j];
        }
        const double pivot = row[i] - dot(row, row, i);
        if (!(pivot > 0.0) || !std::isfinite(pivot)) {
            return false;
        }
        row[i] = std::sqrt(pivot);
    }
    return true;
}

void substitute(const SquareMatrix& l, std::vector<double>& b, std::size_t columns) {
    const std::size_t n = l.size;
    for (std::size_t c = 0; c < columns; ++c) {
        for (std::size_t i = 0; i < n; ++i) {
            double s = b[i * columns + c];
            for (std::size_t k = 0; k < i; ++k) {
                s -= l.at(i, k) * b[k * columns + c];
            }
            b[i * columns + c] = s / l.at(i, i);
        }
        for (std::size_t i = n; i-- > 0;) {
            double s = b[i * columns + c];
            for (std::size_t k = i + 1; k < n; ++k) {
                s -= l.at(k, i) * b[k * columns + c];
            }
            b[i * columns + c] = s / l.at(i, i);
        }
    }
}

} // namespace

bool solvePositiveDefinite(SquareMatrix& a, std::vector<double>& b, std::size_t columns) {
    if (!factor(a)) {
        return false;
    }
    substitute(a, b, columns);
    for (const double v : b) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

} // namespace velt
