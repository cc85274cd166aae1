#include "calc/MagneticEngine.h"

#include "calc/FieldConstants.h"

namespace velt {

MagneticEngine::MagneticEngine(const ConductorList& conductors) {
    for (const FieldConductor& c : conductors) {
        if (c.role == ConductorRole::Working) {
            working_.push_back(c);
        }
    }
}

PlanePhasor MagneticEngine::field(double px, double py) const {
    PlanePhasor f;
    for (const FieldConductor& c : working_) {
        const double dx = px - c.x;
        const double dy = py - c.y;
        const double d2 = dx * dx + dy * dy;
        if (!(d2 > 0.0)) {
            continue;
        }
        const double scale = 2.0 * kPi * d2;
        f.sinX += dy * c.current.sin / scale;
        f.sinY += (c.x - px) * c.current.sin / scale;
        f.cosX += dy * c.current.cos / scale;
        f.cosY += (c.x - px) * c.current.cos / scale;
    }
    return f;
}

InstantMaxima MagneticEngine::at(double x, double y) const {
    return instantMaxima(field(x, y));
}

FieldEllipse MagneticEngine::ellipse(double x, double y) const {
    return ellipseOf(field(x, y));
}

} // namespace velt
