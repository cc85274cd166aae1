#include "calc/PhaseTables.h"

#include "calc/FieldConstants.h"

#include <cmath>

namespace velt {

ConductorPhase conductorPhase(std::uint32_t i, std::uint32_t bundleSize, bool swapped,
                              bool electric, bool expanded) {
    const int bundle = static_cast<int>((i - 1) / bundleSize) + 1;
    if (bundle <= 3) {
        return {1, bundle};
    }
    const int m = bundle - 3;
    if (!swapped) {
        return {2, m};
    }
    if (electric && !expanded) {
        constexpr int kTrs[] = {3, 1, 2};
        return {2, kTrs[m - 1]};
    }
    return {2, 4 - m};
}

double phaseLag(int j) {
    return (j - 1) * 2.0 * (1.0 / 3.0) * kPi;
}

double phaseValue(double peak, int j, double t) {
    return peak * std::sin(kOmega * t - phaseLag(j));
}

} // namespace velt
