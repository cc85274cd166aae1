#pragma once
// The field along the line of a stored profile at any point, by the same definition as the
// profile's own points: the engines over the conductors the last pass computed with.

#include "calc/ElectricEngine.h"
#include "calc/MagneticEngine.h"
#include "model/FieldProfile.h"
#include "model/LineDataForm.h"
#include "model/LineProject.h"

#include <optional>

namespace velt {

/// What the profile's pass had added to every conductor x: the half range when a horizontal
/// line under an unshifted tower kept its left half, else nothing.
double frameOffsetOf(const FieldProfile& profile);

class ProfileField {
  public:
    /// The field of the profile's last pass, from the project and the line data it was
    /// computed with (conductors as they are between calculations). None on the conductors
    /// and when the potential coefficients are singular.
    static std::optional<ProfileField> of(const LineProject& project, const LineDataForm& form,
                                          const FieldProfile& profile);

    /// The pass's value at `position` along the line, counted as the profile's samples
    /// count it (profilePositions) [kV/m RMS or A/m peak].
    double at(double position) const;

  private:
    ProfileField(const FieldProfile& profile, ConductorList conductors);

    bool vertical_;
    double line_; ///< x of the vertical line or y of the horizontal one
    std::optional<ElectricEngine> electric_;
    std::optional<MagneticEngine> magnetic_;
};

} // namespace velt
