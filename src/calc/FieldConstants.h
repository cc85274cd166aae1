#pragma once
// Constants of the field passes; pi is this truncated value everywhere.

namespace velt {

inline constexpr double kPi = 3.1415926;
inline constexpr double kEps0 = 8.85e-12;
inline constexpr double kFrequency = 50.0;
inline constexpr double kOmega = 2.0 * kPi * kFrequency;
/// One period sampled at 41 instants, both ends included.
inline constexpr int kInstants = 41;
inline constexpr double kTimeStep = 0.0005;
/// A pass covers its range in 200 steps.
inline constexpr double kStepFraction = 0.005;

} // namespace velt
