#include "calc/CircleCharges.h"

#include "calc/DenseLu.h"
#include "calc/MultipoleTranslation.h"

#include <algorithm>
#include <cmath>

namespace velt {
namespace {

using Circles = std::vector<ConductorCircle>;
using Conductors = std::vector<CircleCharges>;

constexpr double kOrderTolerance = 1e-9;
// The surface field keeps Taylor terms until they no longer count.
constexpr double kSeriesTolerance = 1e-13;
constexpr double kSweepTolerance = 1e-12;

bool standsClear(const ConductorCircle& c) {
    return std::isfinite(c.x) && std::isfinite(c.y) && std::isfinite(c.vSin) &&
           std::isfinite(c.vCos) && c.radius > 0.0 && c.y - c.radius > 0.0;
}

bool separated(const Circles& circles) {
    for (std::size_t i = 0; i < circles.size(); ++i) {
        if (!standsClear(circles[i])) {
            return false;
        }
        for (std::size_t j = i + 1; j < circles.size(); ++j) {
            const double d = std::hypot(circles[i].x - circles[j].x, circles[i].y - circles[j].y);
            if (!(d > circles[i].radius + circles[j].radius)) {
                return false;
            }
        }
    }
    return true;
}

// Radius over the distance to the nearest source of the surrounding field. Another
// conductor's image is never nearer than that conductor or this one's own image.
double proximity(const Circles& circles, std::size_t j) {
    const ConductorCircle& at = circles[j];
    double nearest = 2.0 * at.y;
    for (std::size_t i = 0; i < circles.size(); ++i) {
        if (i != j) {
            nearest = std::min(nearest, std::hypot(at.x - circles[i].x, at.y - circles[i].y));
        }
    }
    return at.radius / nearest;
}

// The smallest order whose first neglected term, ρ^(order+1), is below the tolerance.
int orderFor(double rho, double tolerance, int lowest, int highest) {
    const double order = std::ceil(std::log(tolerance) / std::log(rho)) - 1.0;
    return static_cast<int>(
        std::clamp(order, static_cast<double>(lowest), static_cast<double>(highest)));
}

DenseLu potentialCoefficients(const Circles& circles) {
    const int n = static_cast<int>(circles.size());
    std::vector<double> a(static_cast<std::size_t>(n * n));
    for (int j = 0; j < n; ++j) {
        const ConductorCircle& at = circles[j];
        for (int i = 0; i < n; ++i) {
            const ConductorCircle& from = circles[i];
            const double dx = at.x - from.x;
            a[j * n + i] =
                i == j ? std::log(2.0 * at.y / at.radius)
                       : std::log(std::hypot(dx, at.y + from.y) / std::hypot(dx, at.y - from.y));
        }
    }
    return DenseLu(std::move(a), n);
}

// t[0..] of everything but conductor j's own terms about its axis.
void surroundingSeries(const Circles& circles, const Conductors& conductors, std::size_t j,
                       std::span<SinCos> t) {
    std::fill(t.begin(), t.end(), SinCos{});
    for (std::size_t i = 0; i < circles.size(); ++i) {
        if (i != j) {
            addTaylorCoefficients(circles[i], conductors[i].terms, false, circles[j], t);
        }
        addTaylorCoefficients(circles[i], conductors[i].terms, true, circles[j], t);
    }
}

double change(std::complex<double> from, std::complex<double> to) {
    return std::abs(to - from);
}

// On its own surface multipole m is a_m·e^(−imθ) and the surrounding term m is t_m·e^(imθ):
// a_m = −conj(t_m) cancels mode m. Returns the largest change; mean[j] gets the multipoles'
// share of the mean potential on surface j.
double sweepMultipoles(const Circles& circles, Conductors& conductors, std::vector<double>& meanS,
                       std::vector<double>& meanC, std::vector<SinCos>& scratch) {
    double largest = 0.0;
    for (std::size_t j = 0; j < circles.size(); ++j) {
        std::vector<SinCos>& terms = conductors[j].terms;
        const std::span<SinCos> t(scratch.data(), terms.size());
        surroundingSeries(circles, conductors, j, t);
        meanS[j] = t[0].s.real();
        meanC[j] = t[0].c.real();
        for (std::size_t m = 1; m < terms.size(); ++m) {
            const SinCos next{-std::conj(t[m].s), -std::conj(t[m].c)};
            largest = std::max({largest, change(terms[m].s, next.s), change(terms[m].c, next.c)});
            terms[m] = next;
        }
    }
    return largest;
}

// Line charges from the voltages less the multipoles' mean potential on each surface, which
// `meanS` and `meanC` bring and are used up for.
double solveLineCharges(const DenseLu& p, const Circles& circles, std::vector<double>& meanS,
                        std::vector<double>& meanC, Conductors& conductors) {
    for (std::size_t j = 0; j < circles.size(); ++j) {
        meanS[j] = circles[j].vSin - meanS[j];
        meanC[j] = circles[j].vCos - meanC[j];
    }
    p.solve(meanS);
    p.solve(meanC);
    double largest = 0.0;
    for (std::size_t j = 0; j < circles.size(); ++j) {
        const SinCos next{meanS[j], meanC[j]};
        SinCos& q = conductors[j].terms[0];
        largest = std::max({largest, change(q.s, next.s), change(q.c, next.c)});
        q = next;
    }
    return largest;
}

double largestLineCharge(const Conductors& conductors) {
    double largest = 0.0;
    for (const CircleCharges& c : conductors) {
        largest = std::max({largest, std::abs(c.terms[0].s), std::abs(c.terms[0].c)});
    }
    return largest;
}

void iterate(const Circles& circles, const DenseLu& p, int maxSweeps, CircleSolution& solution) {
    const std::size_t n = circles.size();
    std::vector<double> meanS(n, 0.0);
    std::vector<double> meanC(n, 0.0);
    std::size_t widest = 1;
    for (const CircleCharges& c : solution.conductors) {
        widest = std::max(widest, c.terms.size());
    }
    std::vector<SinCos> scratch(widest);
    while (!solution.converged && solution.sweeps < maxSweeps) {
        ++solution.sweeps;
        const double dq = solveLineCharges(p, circles, meanS, meanC, solution.conductors);
        const double da = sweepMultipoles(circles, solution.conductors, meanS, meanC, scratch);
        solution.converged =
            std::max(dq, da) <= kSweepTolerance * largestLineCharge(solution.conductors);
    }
}

} // namespace

int adaptiveOrder(const Circles& circles, std::size_t j) {
    return orderFor(proximity(circles, j), kOrderTolerance, 1, kMaxOrder);
}

std::optional<CircleSolution> solveCircleCharges(const Circles& circles,
                                                 const CircleChargeOptions& options) {
    if (!separated(circles)) {
        return std::nullopt;
    }
    const DenseLu p = potentialCoefficients(circles);
    if (p.singular()) {
        return std::nullopt;
    }
    CircleSolution solution;
    solution.conductors.resize(circles.size());
    for (std::size_t j = 0; j < circles.size(); ++j) {
        const int order =
            options.order > 0 ? std::min(options.order, kMaxOrder) : adaptiveOrder(circles, j);
        solution.conductors[j].terms.assign(static_cast<std::size_t>(order) + 1, SinCos{});
    }
    iterate(circles, p, options.maxSweeps, solution);
    for (std::size_t j = 0; j < circles.size(); ++j) {
        CircleCharges& c = solution.conductors[j];
        const int order = static_cast<int>(c.terms.size()) - 1;
        const int local = orderFor(proximity(circles, j), kSeriesTolerance, order, kMaxLocalOrder);
        c.surrounding.resize(static_cast<std::size_t>(local) + 1);
        surroundingSeries(circles, solution.conductors, j, c.surrounding);
    }
    return solution;
}

std::pair<double, double> potentialAt(const Circles& circles, const CircleSolution& solution,
                                      double x, double y) {
    std::pair<double, double> sum{0.0, 0.0};
    for (std::size_t i = 0; i < circles.size(); ++i) {
        const auto [s, c] =
            termsPotential(circles[i], solution.conductors[i].terms, std::complex<double>{x, y});
        sum.first += s;
        sum.second += c;
    }
    return sum;
}

} // namespace velt
