#include "analysis/CalculationExtras.h"

#include "analysis/ProfileField.h"
#include "calc/AccurateGradient.h"
#include "calc/CoronaOnset.h"
#include "calc/NeighbourCircles.h"
#include "calc/NeighbourConductors.h"
#include "calc/SurfaceResults.h"
#include "model/DecimalText.h"

#include <algorithm>

namespace velt {
namespace {

std::optional<AccurateGradients> bundleGradients(const LineProject& p, const LineDataForm& form) {
    auto circles = lineCircles(p);
    if (!circles || !appendNeighbourCircles(*circles, form.options.neighbours, p.towerShift)) {
        return std::nullopt;
    }
    return accurateGradients(*circles);
}

SurfaceExtras surfaceExtras(const LineProject& p, const LineDataForm& form, const FieldProfile& f) {
    SurfaceExtras s;
    s.method = form.options.surfaceMethod;
    s.specifiedGradient = f.maxSurfaceGradient;
    s.surfaceFactor = form.options.coronaSurfaceFactor;
    s.airDensity = airDensityOf(form.options);
    const auto gradients = bundleGradients(p, form);
    if (!gradients) {
        return s;
    }
    s.computed = true;
    s.accurateGradient = gradients->maxWorkingGradient;
    s.coronaOnset = peekOnsetGradient(p.phaseRadius, s.surfaceFactor, s.airDensity);
    for (const BundleGradient& g : gradients->bundles) {
        BundleGradientRow row{g.bundle.x - p.towerShift,
                              g.bundle.y,
                              g.bundle.role,
                              g.bundle.line,
                              g.bundle.phase,
                              g.gradient,
                              std::nullopt};
        if (g.bundle.role == ConductorRole::Working && g.bundle.line == kMainLine &&
            s.coronaOnset > 0.0) {
            row.onsetRatio = g.gradient / s.coronaOnset;
        }
        s.bundles.push_back(row);
    }
    return s;
}

// The accurate method's gradient replaces the four points', and the interference follows it.
void takeAccurateGradient(const LineProject& p, const LineDataForm& form, const SurfaceExtras& s,
                          FieldProfile& f) {
    f.maxSurfaceGradient = s.accurateGradient;
    if (f.interferenceComputed) {
        interferenceLevels(f.maxSurfaceGradient, p.phaseRadius, p.conductorX[1], p.conductorY[1],
                           readDecimal(form.interference.distance),
                           readDecimal(form.interference.frequency), f.interferenceLevel);
    }
}

std::vector<NeighbourDrawing> neighbourDrawings(const LineProject& p, const LineDataForm& form,
                                                const FieldProfile& f) {
    std::vector<NeighbourDrawing> drawings;
    const double axis = p.towerShift + frameOffsetOf(f);
    int line = kMainLine;
    for (const NeighbourLine& n : form.options.neighbours) {
        NeighbourDrawing d;
        d.line = ++line;
        d.label = n.label;
        for (const FieldConductor& c : neighbourConductors(n, line, axis)) {
            (c.role == ConductorRole::Working ? d.working : d.ground).emplace_back(c.x, c.y);
        }
        drawings.push_back(std::move(d));
    }
    return drawings;
}

} // namespace

double airDensityOf(const CalculationOptions& options) {
    return options.relativeAirDensity.value_or(1.0);
}

CalculationExtras completeCalculation(const LineProject& project, const LineDataForm& form,
                                      FieldProfile& profile) {
    CalculationExtras extras;
    const CalculationOptions& options = form.options;
    extras.magneticUnit = options.magneticUnit;
    extras.limits = options.limits;
    if (profile.resultOnConductors && !profile.resultFieldKind) {
        extras.surface = surfaceExtras(project, form, profile);
        if (extras.surface.computed && options.surfaceMethod == SurfaceMethod::Accurate) {
            takeAccurateGradient(project, form, extras.surface, profile);
        }
    }
    if (!options.limits.empty() && !profile.resultOnConductors) {
        if (const auto field = ProfileField::of(project, form, profile)) {
            extras.zones = exposureZones(options.limits, profile,
                                         [&](double position) { return field->at(position); });
        }
    }
    extras.neighbours = neighbourDrawings(project, form, profile);
    return extras;
}

} // namespace velt
