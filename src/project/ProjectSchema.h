#pragma once
// The project file's JSON Schema, compiled in. It is the one list of the keys the reader
// takes, and its descriptions (unit and range) complete the reader's messages.

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace velt {

/// The schema document as shipped (docs/velt-project.schema.json).
std::string_view projectSchemaText();

/// The parsed schema.
const nlohmann::json& projectSchema();

/// The schema of the value at `keyPath` ("line.y", "tower.phaseDiameter"; "" for the whole
/// project), looking into every alternative of a choice; nullptr for a key it does not know.
const nlohmann::json* projectSchemaAt(std::string_view keyPath);

/// The keys an object at `keyPath` may hold, sorted. For a choice of objects
/// (the tower), the keys of the alternative that lists `probe`, or of the last one.
std::vector<std::string> projectSchemaKeys(std::string_view keyPath, std::string_view probe = {});

/// " (description)" for the key at `keyPath`, or nothing for a key the schema does not know.
std::string projectKeyNote(std::string_view keyPath);

} // namespace velt
