// Peek's corona onset gradient by hand.

#include "calc/CoronaOnset.h"

#include <gtest/gtest.h>

namespace velt::testing {
namespace {

TEST(CoronaOnset, PeekByHand) {
    // 1 cm, a smooth surface, the reference air: 21.1·(1 + 0.301).
    EXPECT_NEAR(peekOnsetGradient(0.01, 1.0, 1.0), 27.4511, 1e-12);
    // 1.6 cm, stranded: 21.1·0.82·(1 + 0.301/√1.6) = 21.41921.
    EXPECT_NEAR(peekOnsetGradient(0.016), 21.41921, 1e-5);
    EXPECT_NEAR(relativeAirDensity(101.325, 20.0), 1.0, 1e-15);
    // 90 kPa and 30 °C: 0.888231·0.967013 = 0.858931.
    const double delta = relativeAirDensity(90.0, 30.0);
    EXPECT_NEAR(delta, 0.858931, 1e-6);
    EXPECT_NEAR(peekOnsetGradient(0.01, 0.9, delta), 21.60859, 1e-5);
}

} // namespace
} // namespace velt::testing
