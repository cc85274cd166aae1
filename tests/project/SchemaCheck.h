#pragma once
// A JSON Schema check for the keywords the project schema uses. A keyword it does not
// know is an error, so the schema cannot grow a rule that no test enforces.

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace velt::test {

/// What `instance` breaks of `schema` (a 2020-12 document with its "$defs"), one line
/// each with the path of the value; empty when it validates.
std::vector<std::string> schemaErrors(const nlohmann::json& schema, const nlohmann::json& instance);

} // namespace velt::test
