#pragma once
// Peek's corona onset gradient of a stranded conductor in fair weather.
//
//     E0 = 30/√2·m·δ·(1 + 0.301 / √(δ·r)) kV/cm RMS, r in cm,
//
// 30 kV/cm peak being the breakdown gradient of air (21.2 kV/cm RMS), and 0.301 √cm Peek's
// constant for parallel wires.

namespace velt {

/// Surface factor of a weathered stranded conductor.
inline constexpr double kStrandedSurfaceFactor = 0.82;
/// The reference atmosphere of the relative air density.
inline constexpr double kReferencePressureKPa = 101.325;
inline constexpr double kReferenceTemperatureK = 293.15;

/// Relative air density at pressure `pressureKPa` and temperature `temperatureC` [°C]:
/// (p / 101.325)·(293.15 / (273.15 + T)); 1.0 at sea level and 20 °C.
double relativeAirDensity(double pressureKPa, double temperatureC);

/// Corona onset gradient [kV/cm RMS] of a conductor of radius `radius` [m] with surface
/// factor `surfaceFactor` in air of relative density `airDensity`.
double peekOnsetGradient(double radius, double surfaceFactor = kStrandedSurfaceFactor,
                         double airDensity = 1.0);

} // namespace velt
