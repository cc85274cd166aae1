#pragma once
// A tower named in a project file by catalogue and display key.

#include "model/TowerDefinition.h"

#include <optional>
#include <string>

namespace velt {

/// Reads the tower with the given display key ("S12 <-> P") from a catalogue; any extension
/// of cataloguePath is replaced. message receives the program's message on failure.
std::optional<TowerDefinition> readCatalogueTower(const std::string& cataloguePath,
                                                  const std::string& displayKey,
                                                  std::string& message);

} // namespace velt
