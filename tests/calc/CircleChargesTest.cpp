// The surface gradient of round conductors against closed forms, bundle formulas and
// itself at higher orders.

#include "CalcFixtures.h"

#include "calc/BundleExpansion.h"
#include "calc/CircleCharges.h"
#include "calc/FieldConstants.h"
#include "calc/LineCircles.h"
#include "calc/MultipoleTranslation.h"
#include "calc/SurfaceGradient.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace velt::testing {
namespace {

using Circles = std::vector<ConductorCircle>;

std::vector<double> gradientsOf(const Circles& circles, int order = 0) {
    const auto solution = solveCircleCharges(circles, {order, 1000});
    EXPECT_TRUE(solution && solution->converged);
    return solution ? surfaceGradients(circles, *solution) : std::vector<double>(circles.size());
}

// RMS gradient [kV/cm] of a cylinder of radius a at potential v whose axis is h from a
// grounded plane (or from the axis of its mirror at −v): line charge q = v/acosh(h/a)
// (over 2π·eps0) at b = √(h² − a²) from the plane; the field is largest nearest the plane.
double mirroredCylinderGradient(double a, double h, double v) {
    const double q = v / std::acosh(h / a);
    const double b = std::sqrt(h * h - a * a);
    return q * (1.0 / (b - h + a) + 1.0 / (b + h - a)) / std::sqrt(2.0) * 0.01;
}

// n sub-conductors of radius r and spacing s as the bundle layout places them.
Circles bundle(std::uint32_t n, double r, double s, double y, double v) {
    Circles c;
    for (std::uint32_t k = 1; k <= n; ++k) {
        const auto [px, py] = subConductorPosition(0.0, y, s, n, k);
        c.push_back({px, py, r, v, 0.0});
    }
    return c;
}

struct Cylinder {
    double a, h;
};

TEST(CircleCharges, CylinderOverGroundMatchesTheClosedForm) {
    for (const auto [a, h] : {Cylinder{0.01, 10.0}, Cylinder{0.016, 12.0}, Cylinder{0.5, 2.0},
                              Cylinder{1.0, 1.5}, Cylinder{1.0, 1.1}}) {
        const double expected = mirroredCylinderGradient(a, h, 100.0);
        EXPECT_NEAR(gradientsOf({{0.0, h, a, 100.0, 0.0}})[0], expected, 1e-6 * expected) << h;
    }
}

TEST(CircleCharges, OppositeCylindersMatchBipolarCoordinates) {
    // Far above ground the pair at +v and −v is the mirror problem of the closed form. Tilted
    // by half a sample step, or by an odd angle, its largest field lies between the samples.
    for (const double h : {0.12, 0.2, 0.5}) {
        for (const double tilt : {0.0, kPi / 72, 0.3}) {
            const double a = 0.1, y = 1e4, dx = h * std::cos(tilt), dy = h * std::sin(tilt);
            const auto g =
                gradientsOf({{-dx, y - dy, a, 200.0, 0.0}, {dx, y + dy, a, -200.0, 0.0}});
            const double expected = mirroredCylinderGradient(a, h, 200.0);
            EXPECT_NEAR(g[0], expected, 1e-6 * expected) << h << " " << tilt;
            EXPECT_NEAR(g[1], expected, 1e-6 * expected) << h << " " << tilt;
        }
    }
}

TEST(CircleCharges, EqualCylindersSideBySideAgreeWithAHighOrder) {
    for (const double spacing : {0.03, 0.08, 0.25}) {
        const Circles pair{{-spacing / 2, 5.0, 0.01, 100.0, 0.0},
                           {spacing / 2, 5.0, 0.01, 100.0, 0.0}};
        const auto adaptive = gradientsOf(pair);
        const auto high = gradientsOf(pair, kMaxOrder);
        EXPECT_NEAR(adaptive[0], high[0], 1e-9 * high[0]) << spacing;
        EXPECT_NEAR(adaptive[0], adaptive[1], 1e-12 * high[0]) << spacing;
    }
}

TEST(CircleCharges, SurfacesAreEquipotentialsAndTheGroundIsAtZero) {
    Bench b;
    setUpLargest(b);
    const Circles circles = lineCircles(*b.project)->circles;
    const auto solution = solveCircleCharges(circles);
    ASSERT_TRUE(solution && solution->converged);
    const double tolerance = 1e-8 * b.project->phaseVoltagePeak;
    for (const ConductorCircle& c : circles) {
        for (int k = 0; k < 12; ++k) {
            const double theta = k * kPi / 6;
            const auto [s, cs] = potentialAt(circles, *solution, c.x + c.radius * std::cos(theta),
                                             c.y + c.radius * std::sin(theta));
            EXPECT_NEAR(s, c.vSin, tolerance);
            EXPECT_NEAR(cs, c.vCos, tolerance);
        }
    }
    for (const double x : {-40.0, -9.1, 0.0, 30.0, 70.0}) {
        const auto [s, cs] = potentialAt(circles, *solution, x, 0.0);
        EXPECT_NEAR(s, 0.0, 1e-12);
        EXPECT_NEAR(cs, 0.0, 1e-12);
    }
}

// E_max = E_avg·(1 + (n − 1)·r/R) neglects terms of order (r/R)²; closer than s/r ≈ 15
// they exceed 1 % (2.5 to 3 % at s/r = 8).
TEST(CircleCharges, RegularBundleFollowsMarktMengele) {
    const double r = 0.01;
    for (const std::uint32_t n : {2u, 3u, 4u}) {
        for (const double ratio : {15.0, 20.0, 30.0, 40.0}) {
            const double s = ratio * r;
            const Circles circles = bundle(n, r, s, 1000.0, 100.0);
            const auto solution = solveCircleCharges(circles);
            ASSERT_TRUE(solution);
            double q = 0.0;
            for (const CircleCharges& c : solution->conductors) {
                q += c.terms[0].s.real();
            }
            const double bigR = s / (2.0 * std::sin(kPi / n));
            const double average = q / (n * r) / std::sqrt(2.0) * 0.01;
            const double expected = average * (1.0 + (n - 1) * r / bigR);
            const auto g = surfaceGradients(circles, *solution);
            EXPECT_NEAR(*std::max_element(g.begin(), g.end()), expected, 0.01 * expected)
                << n << " " << ratio;
        }
    }
}

// Two sub-conductors: the neighbour's line charge mirrored in each cylinder gives
// E_max = E_avg·(1 + 2r/(s + r)), good to the next image even when close.
TEST(CircleCharges, TwoSubConductorsFollowTheFirstImage) {
    const double r = 0.01;
    for (const double ratio : {8.0, 10.0, 15.0, 25.0, 40.0}) {
        const Circles circles = bundle(2, r, ratio * r, 1000.0, 100.0);
        const auto solution = solveCircleCharges(circles);
        ASSERT_TRUE(solution);
        const double average =
            solution->conductors[0].terms[0].s.real() / r / std::sqrt(2.0) * 0.01;
        const double expected = average * (1.0 + 2.0 / (ratio + 1.0));
        EXPECT_NEAR(surfaceGradients(circles, *solution)[0], expected, 0.005 * expected) << ratio;
    }
}

TEST(CircleCharges, GradientConvergesWithTheOrder) {
    // The four-conductor bundle of the largest built-in line, 14 m above ground.
    const Circles realistic = bundle(4, 0.016, 0.4, 14.0, 342.9);
    for (int order = 1; order <= 8; ++order) {
        const double g = gradientsOf(realistic, order)[0];
        EXPECT_NEAR(gradientsOf(realistic, order + 2)[0], g, 1e-6 * g) << order;
    }
    // A close bundle (s/r = 10): the error against a high order falls with every order.
    const Circles close = bundle(3, 0.016, 0.16, 14.0, 342.9);
    const double reference = gradientsOf(close, 30)[0];
    double previous = 1.0;
    for (int order = 1; order <= 5; ++order) {
        const double error = std::fabs(gradientsOf(close, order)[0] / reference - 1.0);
        EXPECT_LT(error, previous) << order;
        previous = error;
    }
    EXPECT_LT(std::fabs(gradientsOf(close)[0] / reference - 1.0), 1e-12);
}

TEST(CircleCharges, TimeRuleTakesTheLargestOfTheInstants) {
    // Instants fall every kPi/20 of the period: |v·sin(ωt − φ)| peaks on one for φ = kPi/4,
    // and kPi/60 from the nearest one for phases S and T (S on its negative half-wave).
    struct Case {
        double phase, factor;
    };
    const double r = 0.01, h = 10.0, v = 100.0;
    const double reference = gradientsOf({{0.0, h, r, v, 0.0}})[0];
    for (const auto [phase, factor] :
         {Case{kPi / 4, 1.0}, Case{2 * kPi / 3, std::sin(31 * kPi / 60)},
          Case{4 * kPi / 3, std::sin(31 * kPi / 60)}}) {
        const Circles c{{0.0, h, r, v * std::cos(phase), -v * std::sin(phase)}};
        EXPECT_NEAR(gradientsOf(c)[0], reference * factor, 1e-12 * reference) << phase;
    }
}

TEST(CircleCharges, RefusesConductorsThatTouch) {
    const ConductorCircle free{0.0, 10.0, 0.01, 100.0, 0.0};
    const Circles refused[] = {
        {free, {0.02, 10.0, 0.01, 0.0, 0.0}}, // touching each other
        {{0.0, 0.01, 0.01, 100.0, 0.0}},      // touching the ground
        {{0.0, 10.0, 0.0, 100.0, 0.0}},       // no radius
        {{0.0, 10.0, 0.01, std::numeric_limits<double>::quiet_NaN(), 0.0}},
    };
    for (const Circles& c : refused) {
        EXPECT_FALSE(solveCircleCharges(c).has_value());
    }
    EXPECT_TRUE(solveCircleCharges({free, {0.0201, 10.0, 0.01, 0.0, 0.0}}).has_value());
}

} // namespace
} // namespace velt::testing
