#include "calc/SurfaceGradient.h"

#include "calc/FieldConstants.h"
#include "calc/SurfaceResults.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velt {
namespace {

// The search stops when the bracket is this narrow [rad]; the field then varies by far
// less than 0.1 % across it.
constexpr double kAngleTolerance = 1e-7;

struct Instants {
    std::array<double, kInstants> sin;
    std::array<double, kInstants> cos;
};

const Instants& instants() {
    static const Instants table = [] {
        Instants t{};
        for (int k = 0; k < kInstants; ++k) {
            t.sin[k] = std::sin(kOmega * k * kTimeStep);
            t.cos[k] = std::cos(kOmega * k * kTimeStep);
        }
        return t;
    }();
    return table;
}

struct NormalField {
    double s = 0.0; ///< [kV/m]
    double c = 0.0;
};

// The field on the surface is normal: the line charge's, plus the surrounding field's
// normal component doubled, since the conductor's multipoles answer each Taylor term with
// its mirror image (exact up to order K, and the conductor's own answer beyond).
NormalField normalField(const CircleCharges& charges, double radius, double theta) {
    const std::complex<double> u = std::polar(1.0, theta);
    std::complex<double> power = 1.0;
    NormalField e{charges.terms[0].s.real(), charges.terms[0].c.real()};
    for (std::size_t n = 1; n < charges.surrounding.size(); ++n) {
        power *= u;
        const double weight = 2.0 * static_cast<double>(n);
        e.s -= weight * (charges.surrounding[n].s * power).real();
        e.c -= weight * (charges.surrounding[n].c * power).real();
    }
    return {e.s / radius, e.c / radius};
}

// The program's rule in time: the largest of the 41 instants, as an RMS value.
double rmsOverPeriod(const NormalField& e) {
    const Instants& t = instants();
    double largest = 0.0;
    for (int k = 0; k < kInstants; ++k) {
        largest = std::max(largest, std::fabs(e.s * t.sin[k] + e.c * t.cos[k]));
    }
    return largest / std::sqrt(2.0);
}

double fieldAt(const CircleCharges& charges, double radius, double theta) {
    return rmsOverPeriod(normalField(charges, radius, theta));
}

// Golden-section search for the largest field between angles a and b.
double refineMaximum(const CircleCharges& charges, double radius, double a, double b) {
    const double g = 0.5 * (std::sqrt(5.0) - 1.0);
    double x1 = b - g * (b - a);
    double x2 = a + g * (b - a);
    double f1 = fieldAt(charges, radius, x1);
    double f2 = fieldAt(charges, radius, x2);
    while (b - a > kAngleTolerance) {
        if (f1 < f2) {
            a = x1;
            x1 = x2;
            f1 = f2;
            x2 = a + g * (b - a);
            f2 = fieldAt(charges, radius, x2);
        } else {
            b = x2;
            x2 = x1;
            f2 = f1;
            x1 = b - g * (b - a);
            f1 = fieldAt(charges, radius, x1);
        }
    }
    return std::max(f1, f2);
}

double largestOnSurface(const CircleCharges& charges, double radius) {
    const double step = 2.0 * kPi / kSurfaceSamples;
    int best = 0;
    double bestValue = -1.0;
    for (int k = 0; k < kSurfaceSamples; ++k) {
        const double value = fieldAt(charges, radius, k * step);
        if (value > bestValue) {
            best = k;
            bestValue = value;
        }
    }
    const double refined = refineMaximum(charges, radius, (best - 1) * step, (best + 1) * step);
    return std::max(bestValue, refined);
}

} // namespace

std::vector<double> surfaceGradients(const std::vector<ConductorCircle>& circles,
                                     const CircleSolution& solution) {
    std::vector<double> gradients(circles.size());
    for (std::size_t j = 0; j < circles.size(); ++j) {
        gradients[j] =
            surfaceFieldFromMaximum(largestOnSurface(solution.conductors[j], circles[j].radius));
    }
    return gradients;
}

} // namespace velt
