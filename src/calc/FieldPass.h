#pragma once
// One electric or magnetic field pass over the line project.

#include "calc/CalculationUi.h"
#include "model/FieldProfile.h"
#include "model/LineDataForm.h"
#include "model/LineProject.h"

namespace velt {

/// Everything a pass reads and writes: the single records, the dialogs' stored settings
/// and the user interface.
struct PassContext {
    LineProject& project;
    FieldProfile& profile;
    const LineDataForm& form;
    CalculationUi& ui;
};

/// The electric field pass. `lineMode` 0.0 horizontal line, 1.0 vertical line at `lineX`;
/// `onConductors` evaluates on the working-conductor surfaces. Returns false when the
/// configuration was refused (the message has been shown; nothing was changed).
bool computeElectricField(PassContext& ctx, double lineMode, double lineX, bool onConductors,
                          bool magnetic);

/// The magnetic field pass, same arguments; its profile is always of the magnetic kind.
bool computeMagneticField(PassContext& ctx, double lineMode, double lineX, bool onConductors,
                          bool magnetic);

} // namespace velt
