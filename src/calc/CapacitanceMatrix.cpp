#include "calc/CapacitanceMatrix.h"

#include "calc/FieldConstants.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace velt {
namespace {

struct MatrixBuffer {
    Matrix m;
};

void normalise(double& mant, std::int32_t& exp) {
    double t = std::fabs(mant);
    while (t >= 1e-10) {
        t *= 1e-10;
        mant *= 1e-10;
        exp += 10;
    }
    while (t <= 1.0) {
        t *= 1e10;
        mant *= 1e10;
        exp -= 10;
    }
}

// Minor of `a` without row i and column j, in the same layout.
void minorOf(int n, const Matrix& a, int i, int j, Matrix& m) {
    for (int r = 1, mr = 1; r <= n; ++r) {
        if (r == i) {
            continue;
        }
        for (int c = 1, mc = 1; c <= n; ++c) {
            if (c != j) {
                m[mr][mc++] = a[r][c];
            }
        }
        ++mr;
    }
}

} // namespace

double bundleEquivalentRadius(double r, std::uint32_t n, double s) {
    if (n == 1) {
        return r;
    }
    const double circle = s / (2.0 * std::sin(kPi / n));
    return std::pow(n * r * std::pow(circle, n - 1.0), 1.0 / n);
}

bool assignRadii(LineProject& p, bool expanded) {
    const std::uint32_t lpr = p.phaseConductorCount;
    const std::uint32_t lpo = p.groundWireCount;
    const std::uint32_t n = p.conductorCount;
    if (!expanded) {
        p.equivalentRadius[0] =
            bundleEquivalentRadius(p.phaseRadius, p.phaseBundleSize, p.phaseBundleSpacing);
        std::fill(p.conductorRadius + 1, p.conductorRadius + lpr + 1, p.equivalentRadius[0]);
    }
    if (lpo > 0) {
        p.equivalentRadius[1] =
            bundleEquivalentRadius(p.groundWireRadius, p.groundBundleSize, p.groundBundleSpacing);
        std::fill(p.conductorRadius + lpr + 1, p.conductorRadius + lpr + lpo + 1,
                  p.equivalentRadius[1]);
    }
    if (n > lpr + lpo) {
        p.equivalentRadius[2] =
            bundleEquivalentRadius(p.shieldWireRadius, p.shieldBundleSize, p.shieldBundleSpacing);
        std::fill(p.conductorRadius + lpr + lpo + 1, p.conductorRadius + n + 1,
                  p.equivalentRadius[2]);
    }
    return std::all_of(p.conductorRadius + 1, p.conductorRadius + n + 1,
                       [](double r) { return std::isfinite(r) && r > 0.0; });
}

void buildPotentialCoefficients(const LineProject& p, Matrix& a) {
    const int n = static_cast<int>(p.conductorCount);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            if (i == j) {
                a[i][i] =
                    std::log(2.0 * p.conductorY[i] / p.conductorRadius[i]) * p.potentialFactor;
                continue;
            }
            const double dx = p.conductorX[i] - p.conductorX[j];
            const double d = std::sqrt(dx * dx + std::pow(p.conductorY[i] - p.conductorY[j], 2));
            const double image =
                std::sqrt(dx * dx + std::pow(p.conductorY[i] + p.conductorY[j], 2));
            a[i][j] = std::log(image / d) * p.potentialFactor;
        }
    }
}

Determinant determinant(int n, Matrix& a) {
    double mant = 1.0;
    std::int32_t exp = 0;
    for (int k = 1; k <= n; ++k) {
        int p = k;
        for (int r = k + 1; r <= n; ++r) {
            if (std::fabs(a[r][k]) > std::fabs(a[p][k])) {
                p = r;
            }
        }
        mant *= a[p][k];
        if (mant == 0.0 || !std::isfinite(mant)) {
            // A zero pivot: the matrix is singular, and nothing sensible follows from it.
            return {0.0, 0};
        }
        normalise(mant, exp);
        if (k == n) {
            break;
        }
        if (p != k) {
            mant = -mant;
            for (int c = k; c <= n; ++c) {
                std::swap(a[k][c], a[p][c]);
            }
        }
        for (int r = k + 1; r <= n; ++r) {
            for (int c = k + 1; c <= n; ++c) {
                a[r][c] -= a[r][k] * a[k][c] / a[k][k];
            }
        }
    }
    return {mant, exp};
}

bool invertByCofactors(int n, const Matrix& a, Matrix& inverse, PassProgress* progress) {
    auto work = std::make_unique<MatrixBuffer>();
    std::memcpy(work->m, a, sizeof(Matrix));
    const Determinant whole = determinant(n, work->m);
    if (whole.mantissa == 0.0) {
        return false;
    }
    for (int i = 1; i <= n; ++i) {
        if (progress) {
            progress->advance();
        }
        for (int j = 1; j <= n; ++j) {
            minorOf(n, a, i, j, work->m);
            const Determinant minor = n > 1 ? determinant(n - 1, work->m) : Determinant{1.0, 0};
            const double sign = (i + j) % 2 == 0 ? 1.0 : -1.0;
            inverse[i][j] = sign * (minor.mantissa / whole.mantissa) *
                            std::pow(10.0, minor.exponent - whole.exponent);
        }
    }
    return true;
}

bool invertByElimination(int n, const Matrix& a, Matrix& inverse, PassProgress* progress) {
    auto work = std::make_unique<MatrixBuffer>();
    std::memcpy(work->m, a, sizeof(Matrix));
    Matrix& w = work->m;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            inverse[i][j] = i == j ? 1.0 : 0.0;
        }
    }
    for (int k = 1; k <= n; ++k) {
        if (progress) {
            progress->advance();
        }
        int p = k;
        for (int r = k + 1; r <= n; ++r) {
            if (std::fabs(w[r][k]) > std::fabs(w[p][k])) {
                p = r;
            }
        }
        if (w[p][k] == 0.0 || !std::isfinite(w[p][k])) {
            return false;
        }
        if (p != k) {
            for (int c = 1; c <= n; ++c) {
                std::swap(w[k][c], w[p][c]);
                std::swap(inverse[k][c], inverse[p][c]);
            }
        }
        const double pivot = w[k][k];
        for (int c = 1; c <= n; ++c) {
            w[k][c] /= pivot;
            inverse[k][c] /= pivot;
        }
        for (int r = 1; r <= n; ++r) {
            const double factor = w[r][k];
            if (r == k || factor == 0.0) {
                continue;
            }
            for (int c = 1; c <= n; ++c) {
                w[r][c] -= factor * w[k][c];
                inverse[r][c] -= factor * inverse[k][c];
            }
        }
    }
    return true;
}

bool buildCapacitanceMatrix(LineProject& p, CalculationUi& ui) {
    const int n = static_cast<int>(p.conductorCount);
    auto coefficients = std::make_unique<MatrixBuffer>();
    buildPotentialCoefficients(p, coefficients->m);

    auto scratch = std::make_unique<MatrixBuffer>();
    std::memcpy(scratch->m, coefficients->m, sizeof(Matrix));
    const Determinant det = determinant(n, scratch->m);
    p.determinantMantissa = det.mantissa;
    p.determinantExponent = det.exponent;

    PassProgress progress(ui, n);
    if (det.mantissa == 0.0 ||
        !invertByElimination(n, coefficients->m, p.capacitanceMatrix, &progress)) {
        return false;
    }
    ui.setStatus(0, "");
    // Partial capacitances: the row sum on the diagonal, the mutual ones with their sign
    // changed.
    for (int i = 1; i <= n; ++i) {
        double sum = 0.0;
        for (int j = 1; j <= n; ++j) {
            sum += p.capacitanceMatrix[i][j];
        }
        p.capacitanceMatrix[i][i] = sum;
    }
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            if (i != j) {
                p.capacitanceMatrix[i][j] = -p.capacitanceMatrix[i][j];
            }
        }
    }
    return true;
}

} // namespace velt
