#include "model/TowerDefinition.h"

namespace velt {

std::string displayKey(const std::string& series, const std::string& type) {
    return series + " <-> " + type;
}

} // namespace velt
