#pragma once
// File names derived from the name a user picked.

#include <string>

namespace velt {

/// Replaces the part after the last dot of the last path component by `extension`
/// (which starts with the dot); a name without an extension gets it appended.
std::string replaceExtension(const std::string& path, const std::string& extension);

} // namespace velt
