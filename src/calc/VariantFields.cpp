#include "calc/VariantFields.h"

namespace velt {

void fillVariantFields(FieldProfile& f, const LineProject& p, const LineDataForm& form) {
    f.variantNumber = p.variantCounter;
    f.resultVoltage = p.nominalVoltage;
    f.resultPhaseRadius = p.phaseRadius;
    f.resultPhaseSpacing = p.phaseBundleSpacing;
    f.resultPhaseBundleSize = p.phaseBundleSize;
    f.resultGroundRadius = p.groundWireRadius;
    f.resultGroundSpacing = p.groundBundleSpacing;
    f.resultGroundBundleSize = p.groundBundleSize;
    f.resultShieldRadius = p.shieldWireRadius;
    f.resultShieldSpacing = p.shieldBundleSpacing;
    f.resultShieldBundleSize = p.shieldBundleSize;
    f.resultRange = p.calcRange;
    f.resultConductorCount = p.conductorCount;
    f.resultShieldWireCount = p.shieldWireCount;
    f.resultCircuitMode = p.circuitMode;
    f.resultFieldKind = form.magnetic();
}

} // namespace velt
