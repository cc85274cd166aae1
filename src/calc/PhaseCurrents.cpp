#include "calc/PhaseCurrents.h"

#include "model/DecimalText.h"

#include <algorithm>

namespace velt {

CircuitCurrents circuitCurrents(const LineProject& p, const LineDataForm& form, bool onConductors) {
    CircuitCurrents a;
    a.entered1 = readDecimal(form.currents.firstCircuit);
    if (p.circuitMode != 1) {
        a.entered2 = readDecimal(form.currents.secondCircuit);
        a.first = std::max(a.entered1, a.entered2);
        a.second = std::min(a.entered1, a.entered2);
    } else {
        a.first = a.entered1;
    }
    if (onConductors) {
        a.first /= p.phaseBundleSize;
        a.second /= p.phaseBundleSize;
    }
    return a;
}

} // namespace velt
