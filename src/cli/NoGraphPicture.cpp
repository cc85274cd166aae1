// velt-calc built without the render layer: the picture options are refused.

#include "cli/GraphPicture.h"

namespace velt {

std::string checkPictureOption(const std::string& /*path*/) {
    return "this velt-calc was built without pictures";
}

std::string checkPictureSize(const std::string& text) {
    return checkPictureOption(text);
}

bool writeGraphPicture(const std::string& /*path*/, GraphFormat /*format*/,
                       const std::string& /*size*/, const FieldProfile& /*profile*/,
                       bool /*towerShifted*/, std::ostream& /*out*/, std::ostream& err,
                       const CalculationExtras* /*extras*/) {
    err << checkPictureOption({}) << '\n';
    return false;
}

bool writeMapPicture(const std::string& /*path*/, GraphFormat /*format*/, const FieldMap& /*map*/,
                     const CalculationOptions& /*options*/, std::ostream& /*out*/,
                     std::ostream& err) {
    err << checkPictureOption({}) << '\n';
    return false;
}

} // namespace velt
