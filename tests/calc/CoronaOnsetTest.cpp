// Peek's corona onset gradient by hand.

#include "calc/CoronaOnset.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velt::testing {
namespace {

TEST(CoronaOnset, PeekByHand) {
    // 1 cm, a smooth surface, the reference air: 30/√2·(1 + 0.301).
    EXPECT_NEAR(peekOnsetGradient(0.01, 1.0, 1.0), 30.0 / std::sqrt(2.0) * 1.301, 1e-12);
    EXPECT_NEAR(relativeAirDensity(101.325, 20.0), 1.0, 1e-15);
    // 90 kPa and 30 °C: 0.888231·0.967013 = 0.858931.
    EXPECT_NEAR(relativeAirDensity(90.0, 30.0), 0.858931, 1e-6);
}

// The worked example of the CIGRE Green Book "Overhead Lines" (2017), eq. 4.221: a Lapwing
// conductor (r = 1.911 cm), m = 0.82, δ = 0.915 gives 27.6 kV/cm peak.
TEST(CoronaOnset, PublishedExample) {
    EXPECT_NEAR(peekOnsetGradient(0.01911, 0.82, 0.915) * std::sqrt(2.0), 27.6, 0.05);
}

} // namespace
} // namespace velt::testing
