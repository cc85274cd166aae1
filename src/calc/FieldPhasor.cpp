#include "calc/FieldPhasor.h"

#include <cmath>

namespace velt {

const std::array<PassInstant, kInstants>& passInstants() {
    static const std::array<PassInstant, kInstants> table = [] {
        std::array<PassInstant, kInstants> t{};
        for (int k = 1; k <= kInstants; ++k) {
            const double wt = kOmega * ((k - 1) * kTimeStep);
            t[k - 1] = {std::sin(wt), std::cos(wt)};
        }
        return t;
    }();
    return table;
}

double largestMagnitude(const PlanePhasor& f) {
    return instantMaxima(f).magnitude;
}

InstantMaxima instantMaxima(const PlanePhasor& f) {
    InstantMaxima m;
    for (const PassInstant& at : passInstants()) {
        const double x = f.sinX * at.sin + f.cosX * at.cos;
        const double y = f.sinY * at.sin + f.cosY * at.cos;
        const double h = std::sqrt(x * x + y * y);
        m.magnitude = h > m.magnitude ? h : m.magnitude;
        m.componentX = x > m.componentX ? x : m.componentX;
        m.componentY = y > m.componentY ? y : m.componentY;
    }
    return m;
}

FieldEllipse ellipseOf(const PlanePhasor& f) {
    // |F(t)|^2 = m + d cos(2wt + phi): m the mean, d the half swing of the squared length.
    const double s2 = f.sinX * f.sinX + f.sinY * f.sinY;
    const double c2 = f.cosX * f.cosX + f.cosY * f.cosY;
    const double sc = f.sinX * f.cosX + f.sinY * f.cosY;
    const double mean = 0.5 * (s2 + c2);
    const double swing = std::hypot(0.5 * (s2 - c2), sc);
    return {std::sqrt(0.5 * (mean + swing)), std::sqrt(0.5 * (s2 + c2))};
}

} // namespace velt
