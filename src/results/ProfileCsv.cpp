#include "results/ProfileCsv.h"

#include "analysis/MagneticUnits.h"
#include "model/DecimalText.h"
#include "results/Report.h"

namespace velt {
namespace {

std::string full(double value) {
    return formatNumber("%.17g", value);
}

void writeSurface(std::ostream& out, const FieldProfile& f) {
    if (f.resultFieldKind) {
        out << "Emx(mT)\n" << full(f.maxSurfaceGradient) << '\n';
        return;
    }
    out << "Emx(kV/cm)";
    if (f.interferenceComputed) {
        for (int k = 1; k <= 5; ++k) {
            out << ",L" << k << "(dB)";
        }
    }
    out << '\n' << full(f.maxSurfaceGradient);
    if (f.interferenceComputed) {
        for (const double level : f.interferenceLevel) {
            out << ',' << full(level);
        }
    }
    out << '\n';
}

} // namespace

void writeProfileCsv(std::ostream& out, const FieldProfile& f, MagneticUnit unit) {
    if (f.resultOnConductors) {
        writeSurface(out, f);
        return;
    }
    const bool vertical = f.resultLineKind;
    const bool magnetic = f.resultFieldKind;
    const bool tesla = unit == MagneticUnit::Microtesla;
    out << (vertical ? "y(m)" : "x(m)")
        << (!magnetic ? ",ks(kV/m)\n"
                      : (tesla ? ",kx(uT),ky(uT),kw(uT)\n" : ",kx(A/m),ky(A/m),kw(A/m)\n"));
    const auto shown = [&](double h) { return full(magnetic ? inMagneticUnit(h, unit) : h); };
    const int rows = reportRowCount(f);
    for (int i = 1; i <= rows; ++i) {
        double position = f.resultPosition[i];
        if (!vertical) {
            position = (magnetic ? f.resultPositionH[i] : f.resultPosition[i]) - f.resultAxisX;
        }
        out << full(position);
        if (magnetic) {
            out << ',' << shown(f.resultValueX[i]) << ',' << shown(f.resultValueY[i]);
        }
        out << ',' << shown(f.resultValue[i]) << '\n';
    }
}

} // namespace velt
