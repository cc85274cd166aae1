#include "render/GraphScales.h"

#include "render/PixelGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace velt {
namespace {

constexpr double kMarkedField = 1.0; // kV/m

// Searching upward: the first i with v[i] < 1 <= v[i + 1] gives j = i - 1.
int crossingUpward(const FieldProfile& f, int count) {
    for (int i = 1; i + 1 <= count; ++i) {
        if (f.resultValue[i] < kMarkedField && f.resultValue[i + 1] >= kMarkedField) {
            return i - 1;
        }
    }
    return -1;
}

// Searching downward: the first n with v[n] < 1 <= v[n - 1] gives j = n - 1.
int crossingDownward(const FieldProfile& f, int count) {
    for (int n = count; n >= 2; --n) {
        if (f.resultValue[n] < kMarkedField && f.resultValue[n - 1] >= kMarkedField) {
            return n - 1;
        }
    }
    return -1;
}

double axisPosition(const FieldProfile& f, bool towerShifted) {
    const bool vertical = f.resultLineKind;
    // Without the correction the profile starts at the axis, unless a shifted tower (of the
    // variant, or the user's current one) places the axis inside the profile.
    const bool startsAtAxis = !f.resultTowerShifted && !towerShifted && !f.resultAxisOffsetSet;
    if (vertical || startsAtAxis) {
        return 0.0;
    }
    return niceAxis(std::ceil(f.resultAxisX));
}

} // namespace

double nice(double v) {
    if (v > 10.0) {
        return std::ceil(v / 10.0) * 10.0;
    }
    if (v > 5.0) {
        return 10.0;
    }
    if (v > 2.0) {
        return 5.0;
    }
    if (v > 1.0) {
        return 2.0;
    }
    return v > 0.0 ? 1.0 : v;
}

double niceAxis(double v) {
    if (v > 10.0) {
        return std::ceil(v / 10.0) * 10.0;
    }
    if (v > 5.0) {
        return 10.0;
    }
    return v > 1.0 ? 5.0 : v;
}

GraphScales graphScales(const FieldProfile& f, int plotW, int plotH, bool towerShifted,
                        double valueFactor) {
    GraphScales s;
    s.axis = axisPosition(f, towerShifted);
    s.shift = f.resultLineKind ? 0.0 : s.axis - f.resultAxisX;
    s.xMax = nice(std::ceil(f.drawRange));
    s.heightScale = nice(f.maxConductorHeight);
    s.valueFactor = valueFactor;
    s.valueScale = nice(f.valueAxisMax * valueFactor);
    s.px = ratio(plotW, s.xMax);
    s.kv = ratio(plotH, s.valueScale);
    s.kh = ratio(plotH, s.heightScale);
    s.gx = plotW / 50.0;
    s.gy = plotH / 50.0;
    return s;
}

int GraphMapping::pointX(int i, double extra) const {
    return pixel(left + ((i - 1.0) * step + scales.shift) * scales.px + extra);
}

int GraphMapping::valueY(double v) const {
    return top + std::abs(pixel(v * scales.valueFactor * scales.kv - plotH));
}

int GraphMapping::heightY(double z) const {
    return top + std::abs(pixel(z * scales.kh - plotH));
}

int GraphMapping::positionX(double u) const {
    return pixel(left + (u + scales.shift) * scales.px);
}

double buildingInProfile(const FieldProfile& f, double x) {
    const bool leftHalf = !f.resultTowerShifted && !f.resultLineKind && f.resultAxisOffsetSet;
    return leftHalf ? x + f.resultAxisX : x;
}

int storedPointCount(const FieldProfile& f) {
    return std::clamp(f.profilePointCount, 0, kProfileSlots - 1);
}

std::vector<int> crossingIndices(const FieldProfile& f) {
    const int count = storedPointCount(f);
    std::vector<int> found;
    if (f.resultTowerShifted) {
        found = {crossingDownward(f, count), crossingUpward(f, count)};
    } else if (f.resultAxisOffsetSet) {
        found = {crossingUpward(f, count)};
    } else {
        found = {crossingDownward(f, count)};
    }
    std::erase(found, -1);
    return found;
}

} // namespace velt
