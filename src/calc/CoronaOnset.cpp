#include "calc/CoronaOnset.h"

#include <cmath>

namespace velt {
namespace {

const double kAirGradient = 30.0 / std::sqrt(2.0); // kV/cm RMS
constexpr double kRadiusTerm = 0.301; // √cm
constexpr double kZeroCelsius = 273.15;

} // namespace

double relativeAirDensity(double pressureKPa, double temperatureC) {
    return pressureKPa / kReferencePressureKPa * kReferenceTemperatureK /
           (kZeroCelsius + temperatureC);
}

double peekOnsetGradient(double radius, double surfaceFactor, double airDensity) {
    const double radiusCm = 100.0 * radius;
    return kAirGradient * surfaceFactor * airDensity *
           (1.0 + kRadiusTerm / std::sqrt(airDensity * radiusCm));
}

} // namespace velt
