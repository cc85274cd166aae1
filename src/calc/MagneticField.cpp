// The magnetic field pass: straight line currents without ground images, the largest field
// and the largest components over one period (peak values).

#include "calc/BundleExpansion.h"
#include "calc/CapacitanceMatrix.h"
#include "calc/FieldConstants.h"
#include "calc/FieldPassCommon.h"
#include "calc/MagneticEngine.h"
#include "calc/NeighbourConductors.h"
#include "calc/PhaseCurrents.h"
#include "calc/PhaseTables.h"
#include "calc/ProfileSampling.h"
#include "calc/SurfaceResults.h"
#include "model/Translatable.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace velt {
namespace {

InstantMaxima fieldAt(const LineProject& p,
                      const double (&currents)[kInstants + 1][kConductorSlots], double px,
                      double py) {
    InstantMaxima f;
    for (int k = 1; k <= kInstants; ++k) {
        double hx = 0.0;
        double hy = 0.0;
        for (std::uint32_t i = 1; i <= p.phaseConductorCount; ++i) {
            const double dx = px - p.conductorX[i];
            const double dy = py - p.conductorY[i];
            const double d2 = dx * dx + dy * dy;
            if (d2 > 0.0) {
                hx += dy * currents[k][i] / (2.0 * kPi * d2);
                hy += (p.conductorX[i] - px) * currents[k][i] / (2.0 * kPi * d2);
            }
        }
        const double h = std::sqrt(hx * hx + hy * hy);
        f.magnitude = h > f.magnitude ? h : f.magnitude;
        f.componentX = hx > f.componentX ? hx : f.componentX;
        f.componentY = hy > f.componentY ? hy : f.componentY;
    }
    return f;
}

} // namespace

bool computeMagneticField(PassContext& ctx, double lineMode, double lineX, bool onConductors,
                          bool /*magnetic*/) {
    if (!admitPass(ctx, onConductors, false)) {
        return false;
    }
    LineProject& p = ctx.project;
    const CircuitCurrents amps = circuitCurrents(p, ctx.form, onConductors);
    ctx.ui.setStatus(1, VELT_TRANSLATE_NOOP(
                            "velt", "Poczekaj chwilę. Wykonuję obliczenia pola magnetycznego..."));
    // Every line's currents add up; taken before the bundles expand.
    std::optional<MagneticEngine> corridor;
    if (!ctx.form.options.neighbours.empty()) {
        corridor.emplace(corridorConductors(p, ctx.form, onConductors));
    }
    const std::uint32_t bundleSize = p.phaseBundleSize;
    BundleExpansion expansion(p, onConductors);
    assignRadii(p, expansion.expanded());

    double currents[kInstants + 1][kConductorSlots] = {};
    const std::uint32_t perBundle = expansion.expanded() ? bundleSize : 1;
    for (int k = 1; k <= kInstants; ++k) {
        const double t = (k - 1) * kTimeStep;
        for (std::uint32_t i = 1; i <= p.phaseConductorCount; ++i) {
            const ConductorPhase ph =
                conductorPhase(i, perBundle, p.phaseOrderSwapped, false, expansion.expanded());
            currents[k][i] = phaseValue(ph.circuit == 1 ? amps.first : amps.second, ph.phase, t);
        }
    }

    EvaluationPoints points;
    passPoints(p, lineMode, lineX, onConductors, points);
    double values[kProfileSlots] = {};
    evaluatePoints(ctx, points, p.phaseConductorCount, values, [&](int i, double px, double py) {
        const InstantMaxima f = corridor ? corridor->at(px, py) : fieldAt(p, currents, px, py);
        p.fieldComponentX[i] = f.componentX;
        p.fieldComponentY[i] = f.componentY;
        return f.magnitude;
    });
    ctx.ui.setStatus(0, "");

    FieldProfile& r = ctx.profile;
    r.resultMaxCurrent1 = amps.entered1;
    r.resultMaxCurrent2 = amps.entered2;
    r.resultFieldKind = true;
    std::copy(points.x.begin(), points.x.end(), std::begin(r.resultPositionH));
    if (!onConductors) {
        r.resultOnConductors = false;
        if (!sampleProfile(ctx, points.count, points.y.data(), values, onConductors, lineX, true)) {
            return false;
        }
    } else {
        r.resultOnConductors = true;
        // A magnetic calculation has no interference levels; none may be left from before.
        r.interferenceComputed = false;
        r.maxSurfaceGradient = surfaceInductionFromMaximum(surfaceMaximum(values, points.count));
    }
    expansion.undo();
    copyPassResults(ctx, lineX, onConductors);
    ctx.ui.setStatus(1, "");
    return true;
}

} // namespace velt
