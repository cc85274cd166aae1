#include "cli/CatalogueTower.h"

namespace velt {

std::optional<TowerDefinition> readCatalogueTower(const std::string& cataloguePath,
                                                  const std::string& displayKey,
                                                  std::string& message) {
    (void)cataloguePath;
    (void)displayKey;
    message = "Catalogue towers are not available yet";
    return std::nullopt;
}

} // namespace velt
