#include "calc/SurfaceResults.h"

#include "calc/Computability.h"
#include "calc/FieldConstants.h"
#include "model/DecimalText.h"

#include <cmath>

namespace velt {
namespace {

double observerDistance(double x1, double y1, double d) {
    return std::sqrt((d - x1) * (d - x1) + (y1 - 1.8) * (y1 - 1.8));
}

} // namespace

double surfaceMaximum(const double* values, int count) {
    double m = 0.0;
    for (int i = 1; i <= count; ++i) {
        if (values[i] > m) {
            m = values[i];
        }
    }
    return m;
}

double surfaceFieldFromMaximum(double maxFieldKvPerM) {
    return 0.01 * maxFieldKvPerM;
}

double surfaceInductionFromMaximum(double maxFieldAPerM) {
    return maxFieldAPerM * 4.0 * kPi * 1e-4;
}

std::optional<std::string> checkInterferenceInputs(const LineProject& p, const LineDataForm& form) {
    if (!(readDecimal(form.interference.frequency) > 0.0)) {
        return kInterferenceFrequencyMessage;
    }
    const double d = readDecimal(form.interference.distance);
    if (!(observerDistance(p.conductorX[1], p.conductorY[1], d) > 0.0)) {
        return kInterferencePointMessage;
    }
    return std::nullopt;
}

void interferenceLevels(double e, double r, double x1, double y1, double d, double f,
                        double (&levels)[5]) {
    const double dist = std::log10(observerDistance(x1, y1, d));
    const double lf = std::log10(f);
    const double l10f = std::log10(10.0 * f);
    const double size = 40.0 * std::log10(100.0 * r) + 12.0 * std::log10(y1 + 5.0);
    levels[0] = 3.25 * e + 17.9 - 32.0 * dist + size - 10.0 * l10f * l10f;
    levels[1] = 3.8 * e + 24.0 - 34.0 * dist - 22.0 * lf - 15.0 * lf * lf;
    levels[2] = 3.8 * e + 14.0 - 34.0 * dist - 22.0 * lf - 15.0 * lf * lf;
    levels[3] = 4.5 * e + 14.0 - 34.0 * dist - 22.0 * lf - 15.0 * lf * lf;
    levels[4] = 3.25 * e + 12.3 - 32.0 * dist + size - 10.0 * l10f * l10f;
}

void storeInterference(PassContext& ctx) {
    FieldProfile& r = ctx.profile;
    r.interferenceComputed = false;
    if (!ctx.form.interferenceChecked) {
        return;
    }
    r.interferenceComputed = true;
    const LineProject& p = ctx.project;
    interferenceLevels(r.maxSurfaceGradient, p.phaseRadius, p.conductorX[1], p.conductorY[1],
                       readDecimal(ctx.form.interference.distance),
                       readDecimal(ctx.form.interference.frequency), r.interferenceLevel);
}

} // namespace velt
