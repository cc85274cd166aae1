#include "analysis/MagneticUnits.h"

namespace velt {

double amperesPerMetreOf(double microtesla) {
    return microtesla * 1e-6 / kMu0;
}

double microteslaOf(double amperesPerMetre) {
    return amperesPerMetre * kMu0 * 1e6;
}

double inMagneticUnit(double amperesPerMetre, MagneticUnit unit) {
    return unit == MagneticUnit::Microtesla ? microteslaOf(amperesPerMetre) : amperesPerMetre;
}

} // namespace velt
