#include "render/MapLevels.h"

#include <algorithm>
#include <cmath>

namespace velt {
namespace {

constexpr double kMantissas[] = {1.0, 2.0, 5.0};

int floorDiv(int n, int d) {
    return n / d - (n % d < 0 ? 1 : 0);
}

} // namespace

double roundLevel(int n) {
    const int decade = floorDiv(n, 3);
    const double m = kMantissas[n - 3 * decade];
    // A division by the power keeps 0.2 and 0.5 the doubles those texts read as.
    return decade >= 0 ? m * std::pow(10.0, decade) : m / std::pow(10.0, -decade);
}

int roundLevelAtOrBelow(double v) {
    int n = 3 * static_cast<int>(std::floor(std::log10(v)));
    // log10 may be a hair off at a power of ten: step to the right level.
    while (roundLevel(n) > v) {
        --n;
    }
    while (roundLevel(n + 1) <= v) {
        ++n;
    }
    return n;
}

int roundLevelAtOrAbove(double v) {
    const int n = roundLevelAtOrBelow(v);
    return roundLevel(n) == v ? n : n + 1;
}

double MapColourScale::position(double v) const {
    if (!(v > 0.0)) {
        return 0.0;
    }
    const double lo = std::log(roundLevel(bottom));
    const double hi = std::log(roundLevel(top));
    return std::clamp((std::log(v) - lo) / (hi - lo), 0.0, 1.0);
}

int MapColourScale::colourIndex(double v, int colours) const {
    const int i = static_cast<int>(position(v) * colours);
    return std::min(i, colours - 1);
}

std::vector<double> MapColourScale::levels() const {
    std::vector<double> out;
    for (int n = bottom; n <= top; ++n) {
        out.push_back(roundLevel(n));
    }
    return out;
}

MapColourScale colourScaleOf(const std::vector<double>& values, double unitFactor) {
    double largest = 0.0;
    double smallest = INFINITY;
    for (const double v : values) {
        if (v > 0.0) {
            largest = std::max(largest, v);
            smallest = std::min(smallest, v);
        }
    }
    if (!(largest > 0.0)) {
        return {};
    }
    largest *= unitFactor;
    smallest = std::max(smallest * unitFactor, largest * kScaleDepth);
    MapColourScale s{roundLevelAtOrBelow(smallest), roundLevelAtOrAbove(largest)};
    if (s.top == s.bottom) {
        ++s.top;
    }
    return s;
}

} // namespace velt
