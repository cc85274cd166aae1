#include "linedata/AuxiliaryChecks.h"

#include "model/DecimalText.h"

namespace velt {

std::string towerShiftText(const LineProject& project) {
    return formatGeneral(project.towerShift);
}

std::optional<std::string> acceptTowerShift(LineProject& project, const std::string& text) {
    const double shift = readDecimal(text);
    // A refused value is not stored: the dialog can still be closed without "&Tak", and
    // the positions must never take a negative shift.
    if (shift < 0.0) {
        return kNegativeShiftMessage;
    }
    project.towerShift = shift;
    return std::nullopt;
}

bool towerShiftedByText(const std::string& text) {
    return readDecimal(text) > 0.0;
}

std::optional<std::string> checkPhaseCurrents(const PhaseCurrentForm& form,
                                              const std::string& message) {
    // "Pierwszy tor" is always enabled.
    if (!(readDecimal(form.firstCircuit) > 0.0)) {
        return message;
    }
    if (form.secondCircuitEnabled && !(readDecimal(form.secondCircuit) > 0.0)) {
        return message;
    }
    return std::nullopt;
}

} // namespace velt
