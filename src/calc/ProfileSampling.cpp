#include "calc/ProfileSampling.h"

#include "calc/FieldPassCommon.h"

#include "model/DecimalText.h"
#include "model/TextSlots.h"
#include "model/Translatable.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace velt {
namespace {

// Maxima closer than this (relative) are equal: a symmetric line must not pick its side by
// the last bit of a rounding.
constexpr double kEqualMaximaTolerance = 1e-9;

void storeProfile(FieldProfile& r, int count, const double* positions, const double* values) {
    r.profilePointCount = count;
    double max = 0.0;
    for (int i = 1; i <= count; ++i) {
        r.resultPosition[i] = std::fabs(positions[i]);
        r.resultValue[i] = values[i];
        max = std::max(max, values[i]);
    }
    int last = count;
    for (int i = 1; i <= count; ++i) {
        if (values[i] >= max - kEqualMaximaTolerance * max) {
            last = i;
        }
    }
    r.resultMaxValue = max;
    r.resultMaxIndex = last;
    r.maxPosition = count > 0 ? r.resultPosition[last] : 0.0;
    r.valueAxisMax = max;
}

std::int32_t highestConductor(const LineProject& p) {
    std::int32_t highest = 0;
    const std::uint32_t n = std::min<std::uint32_t>(
        p.phaseConductorCount + p.groundWireCount + p.shieldWireCount, kConductorSlots - 1);
    for (std::uint32_t i = 1; i <= n; ++i) {
        const double top = std::min(std::ceil(p.conductorY[i]), double{INT_MAX});
        if (top > highest) {
            highest = static_cast<std::int32_t>(top);
        }
    }
    return highest;
}

bool askDrawingRange(PassContext& ctx) {
    const LineProject& p = ctx.project;
    FieldProfile& r = ctx.profile;
    for (;;) {
        const double proposed =
            !p.towerShifted && p.halfRange > 0.0 ? p.halfRange : p.profileLength;
        const auto answer = ctx.ui.askDrawingRange(formatNumber("%.2lf", proposed));
        if (!answer) {
            return false;
        }
        r.drawRange = readDecimal(*answer);
        if (r.drawRange <= 0.0) {
            ctx.ui.showMessage(
                VELT_TRANSLATE_NOOP("velt", "Zakres rysunku musi być większy od 0.0 [m]!"));
        } else if (r.drawRange > p.profileLength) {
            ctx.ui.showMessage(VELT_TRANSLATE_NOOP(
                "velt", "Zakres rysunku nie może być większy od zakresu obliczeń!"));
        } else {
            return true;
        }
    }
}

void storeAxis(const LineProject& p, FieldProfile& r, bool verticalLine) {
    if (verticalLine) {
        // A vertical line never offsets the conductors: the axis is where the tower stands.
        r.resultAxisX = p.towerShift;
        r.resultAxisOffset = 0.0;
        r.resultAxisOffsetSet = false;
    } else if (p.towerShifted) {
        r.resultAxisX = p.towerShift;
    } else {
        r.resultAxisX = p.halfRange;
        r.resultAxisOffsetSet = p.halfRange > 0.0;
        r.resultAxisOffset = p.halfRange > 0.0 ? p.lastHalfRange : 0.0;
    }
}

} // namespace

bool sampleProfile(PassContext& ctx, int count, const double* positions, const double* values,
                   bool /*onConductors*/, double lineX, bool magnetic) {
    LineProject& p = ctx.project;
    FieldProfile& r = ctx.profile;
    copyLineResults(ctx, lineX);
    storeProfile(r, count, positions, values);
    if (!p.towerShifted) {
        p.firstPassMaxIndex = r.resultMaxIndex;
    }
    r.maxConductorHeight = highestConductor(p);
    if (!p.towerShifted && p.firstPassRunning) {
        return true;
    }
    if (!askDrawingRange(ctx)) {
        return false;
    }
    r.resultDrawRange = r.drawRange;
    r.valueAxisMax = std::trunc(1.0 + 10.0 * r.resultMaxValue) * 0.1;
    r.valueAxisStep = 0.1 * r.valueAxisMax;
    r.heightAxisStep = 0.1 * r.maxConductorHeight;
    r.resultFieldKind = magnetic;
    storeAxis(p, r, r.resultLineKind);

    copyGeometrySnapshot(ctx);
    copyTowerNames(ctx);
    copyLineResults(ctx, lineX);
    return true;
}

} // namespace velt
