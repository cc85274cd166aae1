#include "calc/FieldPassCommon.h"

#include "calc/Computability.h"
#include "calc/CorridorChecks.h"
#include "calc/PassProgress.h"
#include "calc/SurfaceResults.h"
#include "model/TextSlots.h"

#include <algorithm>
#include <cstring>

namespace velt {

bool admitPass(PassContext& ctx, bool onConductors, bool electric) {
    const LineProject& p = ctx.project;
    std::optional<std::string> refusal = checkComputable(p, onConductors);
    if (!refusal && !onConductors && profilePointCount(p.calcRange, p.calcStep) < 1) {
        refusal = kRangeMessage;
    }
    if (!refusal && electric && onConductors && ctx.form.interferenceChecked) {
        refusal = checkInterferenceInputs(p, ctx.form);
    }
    if (!refusal) {
        refusal = checkCorridor(p, ctx.form, onConductors);
    }
    if (refusal) {
        ctx.ui.showMessage(*refusal);
        return false;
    }
    return true;
}

void passPoints(const LineProject& p, double lineMode, double lineX, bool onConductors,
                EvaluationPoints& points) {
    if (onConductors) {
        surfacePoints(p, points);
    } else {
        linePoints(profilePointCount(p.calcRange, p.calcStep), p.calcStep, lineMode, lineX,
                   p.pointY, points);
    }
}

void evaluatePoints(PassContext& ctx, const EvaluationPoints& points, std::uint32_t axisConductors,
                    double (&values)[kProfileSlots], const PointEvaluation& fieldAt) {
    LineProject& p = ctx.project;
    PassProgress progress(ctx.ui, points.count);
    for (int i = 1; i <= points.count; ++i) {
        progress.advance();
        p.pointX = points.x[i];
        p.pointY = points.y[i];
        double px = p.pointX;
        double py = p.pointY;
        moveOffConductorAxis(p, axisConductors, px, py);
        values[i] = fieldAt(i, px, py);
    }
}

void copyLineResults(PassContext& ctx, double lineX) {
    const LineProject& p = ctx.project;
    FieldProfile& r = ctx.profile;
    r.resultStep = p.calcStep;
    r.resultPhaseConductorCount = static_cast<std::int32_t>(p.phaseConductorCount);
    r.resultGroundWireCount = static_cast<std::int32_t>(p.groundWireCount);
    r.resultPointX = p.pointX;
    r.resultPointY = p.pointY;
    r.resultLineKind = ctx.form.verticalLine();
    r.resultLineX = lineX;
}

void copyGeometrySnapshot(PassContext& ctx) {
    const LineProject& p = ctx.project;
    FieldProfile& r = ctx.profile;
    std::copy(std::begin(p.conductorX), std::end(p.conductorX), std::begin(r.resultConductorX));
    std::copy(std::begin(p.conductorY), std::end(p.conductorY), std::begin(r.resultConductorY));
    std::copy(std::begin(p.fieldComponentX), std::end(p.fieldComponentX),
              std::begin(r.resultValueX));
    std::copy(std::begin(p.fieldComponentY), std::end(p.fieldComponentY),
              std::begin(r.resultValueY));
}

void copyTowerNames(PassContext& ctx) {
    const LineProject& p = ctx.project;
    FieldProfile& r = ctx.profile;
    copyText(r.resultTowerSeries, sizeof r.resultTowerSeries,
             textOf(p.towerSeries, sizeof p.towerSeries), kTowerNameSlots);
    copyText(r.resultTowerType, sizeof r.resultTowerType, textOf(p.towerType, sizeof p.towerType),
             kTowerNameSlots);
}

void copyPassResults(PassContext& ctx, double lineX, bool onConductors) {
    const LineProject& p = ctx.project;
    FieldProfile& r = ctx.profile;
    copyLineResults(ctx, lineX);
    copyGeometrySnapshot(ctx);
    if (onConductors) {
        // No profile sampling runs on the conductors: the names and the axis of this
        // calculation are recorded here, not left from an earlier one.
        copyTowerNames(ctx);
        r.resultAxisX = p.towerShift;
        r.resultAxisOffset = 0.0;
        r.resultAxisOffsetSet = false;
    }
}

} // namespace velt
