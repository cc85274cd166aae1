#include "analysis/ProfileField.h"

#include "calc/NeighbourConductors.h"

#include <memory>
#include <utility>

namespace velt {
namespace {

// The conductors in the frame of the profile's pass, placed as the driver places them.
ConductorList conductorsOf(const LineProject& project, const LineDataForm& form,
                           const FieldProfile& f) {
    auto frame = std::make_unique<LineProject>(project);
    const double dx = frameOffsetOf(f);
    for (double& x : frame->conductorX) {
        x += dx;
    }
    frame->frameOffset = dx;
    return corridorConductors(*frame, form, false);
}

} // namespace

double frameOffsetOf(const FieldProfile& f) {
    return f.resultLineKind || f.resultOnConductors || f.resultTowerShifted ? 0.0 : f.resultAxisX;
}

ProfileField::ProfileField(const FieldProfile& f, ConductorList conductors)
    : vertical_(f.resultLineKind), line_(f.resultLineKind ? f.resultLineX : f.resultPointY) {
    if (f.resultFieldKind) {
        magnetic_.emplace(conductors);
    } else {
        electric_ = ElectricEngine::solve(std::move(conductors));
    }
}

std::optional<ProfileField> ProfileField::of(const LineProject& project, const LineDataForm& form,
                                             const FieldProfile& profile) {
    if (profile.resultOnConductors) {
        return std::nullopt;
    }
    ProfileField field(profile, conductorsOf(project, form, profile));
    if (!field.electric_ && !field.magnetic_) {
        return std::nullopt;
    }
    return field;
}

double ProfileField::at(double position) const {
    const double x = vertical_ ? line_ : position;
    const double y = vertical_ ? position : line_;
    return magnetic_ ? magnetic_->at(x, y).magnitude : electric_->rms(x, y);
}

} // namespace velt
