#include "calc/ElectricEngine.h"

#include "calc/CholeskySolve.h"

#include <cmath>
#include <utility>

namespace velt {
namespace {

// Maxwell's potential coefficients without the factor 1 / (2 pi eps0), which the charges
// carry instead; the same formulas as the pass's matrix.
SquareMatrix potentialCoefficients(const ConductorList& c) {
    const std::size_t n = c.size();
    SquareMatrix p(n);
    for (std::size_t i = 0; i < n; ++i) {
        p.at(i, i) = std::log(2.0 * c[i].y / c[i].radius);
        for (std::size_t j = 0; j < i; ++j) {
            const double dx = c[i].x - c[j].x;
            const double d = std::sqrt(dx * dx + std::pow(c[i].y - c[j].y, 2));
            const double image = std::sqrt(dx * dx + std::pow(c[i].y + c[j].y, 2));
            p.at(i, j) = p.at(j, i) = std::log(image / d);
        }
    }
    return p;
}

} // namespace

std::optional<ElectricEngine> ElectricEngine::solve(ConductorList conductors) {
    const std::size_t n = conductors.size();
    SquareMatrix p = potentialCoefficients(conductors);
    std::vector<double> q(2 * n);
    for (std::size_t i = 0; i < n; ++i) {
        q[2 * i] = conductors[i].voltage.sin;
        q[2 * i + 1] = conductors[i].voltage.cos;
    }
    if (!solvePositiveDefinite(p, q, 2)) {
        return std::nullopt;
    }
    std::vector<Sinusoid> charges(n);
    for (std::size_t i = 0; i < n; ++i) {
        charges[i] = {q[2 * i], q[2 * i + 1]};
    }
    return ElectricEngine(std::move(conductors), std::move(charges));
}

PlanePhasor ElectricEngine::field(double px, double py) const {
    PlanePhasor f;
    for (std::size_t i = 0; i < conductors_.size(); ++i) {
        const FieldConductor& c = conductors_[i];
        const double dx = px - c.x;
        const double d2 = dx * dx + (py - c.y) * (py - c.y);
        const double i2 = dx * dx + (py + c.y) * (py + c.y);
        if (!(d2 > 0.0 && i2 > 0.0)) {
            continue;
        }
        const double gx = dx / d2 - dx / i2;
        const double gy = (py - c.y) / d2 - (py + c.y) / i2;
        f.sinX += charges_[i].sin * gx;
        f.sinY += charges_[i].sin * gy;
        f.cosX += charges_[i].cos * gx;
        f.cosY += charges_[i].cos * gy;
    }
    return f;
}

double ElectricEngine::rms(double x, double y) const {
    return largestMagnitude(field(x, y)) / std::sqrt(2.0);
}

FieldEllipse ElectricEngine::ellipse(double x, double y) const {
    return ellipseOf(field(x, y));
}

} // namespace velt
