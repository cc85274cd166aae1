// The electric field pass: line charges with their images in the ground, charges from the
// conductor voltages through the capacitance matrix, the largest field over one period.

#include "calc/BundleExpansion.h"
#include "calc/CapacitanceMatrix.h"
#include "calc/Computability.h"
#include "calc/ElectricEngine.h"
#include "calc/FieldConstants.h"
#include "calc/FieldPassCommon.h"
#include "calc/NeighbourConductors.h"
#include "calc/PhaseTables.h"
#include "calc/ProfileSampling.h"
#include "calc/SurfaceResults.h"
#include "model/Translatable.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

namespace velt {
namespace {

struct Charges {
    double q[kInstants + 1][kConductorSlots]; ///< instant k (1..41), conductor i (1..N)
};

// Charges of conductors 1..N at every instant; they do not depend on the evaluation point.
void computeCharges(const LineProject& p, bool expanded, std::uint32_t bundleSize, Charges& c) {
    const int n = static_cast<int>(p.conductorCount);
    const std::uint32_t lpr = p.phaseConductorCount;
    double v[kConductorSlots] = {};
    for (int k = 1; k <= kInstants; ++k) {
        const double t = (k - 1) * kTimeStep;
        for (std::uint32_t i = 1; i <= lpr; ++i) {
            const ConductorPhase ph =
                conductorPhase(i, bundleSize, p.phaseOrderSwapped, true, expanded);
            v[i] = phaseValue(p.phaseVoltagePeak, ph.phase, t);
        }
        for (int i = static_cast<int>(lpr) + 1; i <= n; ++i) {
            v[i] = 0.0;
        }
        for (int i = 1; i <= n; ++i) {
            double q = p.capacitanceMatrix[i][i] * v[i];
            for (int j = 1; j <= n; ++j) {
                if (j != i) {
                    q += p.capacitanceMatrix[i][j] * (v[i] - v[j]);
                }
            }
            c.q[k][i] = q;
        }
    }
}

// RMS of the largest field vector over the period at (px, py) [kV/m].
double fieldAt(const LineProject& p, const Charges& c, double px, double py) {
    const int n = static_cast<int>(p.conductorCount);
    double gx[kConductorSlots];
    double gy[kConductorSlots];
    for (int i = 1; i <= n; ++i) {
        const double dx = px - p.conductorX[i];
        const double d2 = dx * dx + (py - p.conductorY[i]) * (py - p.conductorY[i]);
        const double i2 = dx * dx + (py + p.conductorY[i]) * (py + p.conductorY[i]);
        const bool defined = d2 > 0.0 && i2 > 0.0;
        gx[i] = defined ? dx / d2 - dx / i2 : 0.0;
        gy[i] = defined ? (py - p.conductorY[i]) / d2 - (py + p.conductorY[i]) / i2 : 0.0;
    }
    double largest = 0.0;
    for (int k = 1; k <= kInstants; ++k) {
        double sx = 0.0;
        double sy = 0.0;
        for (int i = 1; i <= n; ++i) {
            sx += c.q[k][i] * gx[i];
            sy += c.q[k][i] * gy[i];
        }
        const double ex = sx * p.potentialFactor;
        const double ey = sy * p.potentialFactor;
        largest = std::max(largest, std::sqrt(ex * ex + ey * ey));
    }
    return largest / std::sqrt(2.0);
}

} // namespace

bool computeElectricField(PassContext& ctx, double lineMode, double lineX, bool onConductors,
                          bool magnetic) {
    if (!admitPass(ctx, onConductors, true)) {
        return false;
    }
    LineProject& p = ctx.project;
    ctx.ui.setStatus(1, VELT_TRANSLATE_NOOP(
                            "velt", "Poczekaj chwilę. Wykonuję obliczenia pola elektrycznego..."));
    // Lines beside this one share one matrix with it; taken before the bundles expand.
    const bool corridor = !ctx.form.options.neighbours.empty();
    const ConductorList conductors =
        corridor ? corridorConductors(p, ctx.form, onConductors) : ConductorList{};
    const std::uint32_t bundleSize = p.phaseBundleSize;
    BundleExpansion expansion(p, onConductors);
    assignRadii(p, expansion.expanded());
    p.potentialFactor = 1.0 / (2.0 * kPi * kEps0);
    bool solved = buildCapacitanceMatrix(p, ctx.ui);
    std::optional<ElectricEngine> engine;
    if (solved && corridor) {
        engine = ElectricEngine::solve(conductors);
        solved = engine.has_value();
    }
    if (!solved) {
        expansion.undo();
        ctx.ui.setStatus(0, "");
        ctx.ui.setStatus(1, "");
        ctx.ui.showMessage(kSingularMessage);
        return false;
    }

    auto charges = std::make_unique<Charges>();
    computeCharges(p, expansion.expanded(), expansion.expanded() ? bundleSize : 1, *charges);
    EvaluationPoints points;
    passPoints(p, lineMode, lineX, onConductors, points);
    double values[kProfileSlots] = {};
    evaluatePoints(ctx, points, p.conductorCount, values, [&](int, double px, double py) {
        return engine ? engine->rms(px, py) : fieldAt(p, *charges, px, py);
    });
    ctx.ui.setStatus(0, "");
    ctx.ui.setStatus(1, VELT_TRANSLATE_NOOP("velt", "Obliczenia wykonane!"));

    FieldProfile& r = ctx.profile;
    if (!onConductors) {
        r.resultOnConductors = false;
        const auto& positions = lineMode == 1.0 ? points.y : points.x;
        if (!sampleProfile(ctx, points.count, positions.data(), values, onConductors, lineX,
                           magnetic)) {
            return false;
        }
    } else {
        r.resultOnConductors = true;
        r.maxSurfaceGradient = surfaceFieldFromMaximum(surfaceMaximum(values, points.count));
    }
    expansion.undo();
    if (onConductors) {
        storeInterference(ctx);
    }
    copyPassResults(ctx, lineX, onConductors);
    return true;
}

} // namespace velt
