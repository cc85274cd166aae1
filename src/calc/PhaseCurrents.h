#pragma once
// The phase currents the magnetic pass gives each circuit.

#include "model/LineDataForm.h"
#include "model/LineProject.h"

namespace velt {

struct CircuitCurrents {
    double entered1 = 0.0; ///< as entered for the first circuit
    double entered2 = 0.0; ///< as entered for the second circuit (two circuits only)
    double first = 0.0;    ///< the larger current, carried by conductors 1..3
    double second = 0.0;   ///< the smaller one, carried by the second circuit
};

/// The amplitudes of the entered currents; on the conductors each sub-conductor of a bundle
/// carries its share.
CircuitCurrents circuitCurrents(const LineProject& project, const LineDataForm& form,
                                bool onConductors);

} // namespace velt
