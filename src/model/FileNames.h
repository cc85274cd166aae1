#pragma once
// File names derived from the name a user picked.

#include <string>

namespace velt {

/// Replaces the part after the last dot of the last path component by `extension`
/// (which starts with the dot); a name without an extension gets it appended.
std::string replaceExtension(const std::string& path, const std::string& extension);

/// `path` as it is when its extension already is `extension` in any case ("SLUPY.LIN" for
/// ".lin"), else replaceExtension.
std::string withExtension(const std::string& path, const std::string& extension);

/// `path`, or when no such file exists the file in its folder whose name differs only in the
/// case of the extension ("WIEZE.VELT_INDEX" for "WIEZE.VELT_index"); `path` when there is none.
std::string existingExtensionCase(const std::string& path);

/// `extension` in the case of `path`'s own extension: all capitals or all small letters when
/// that one is so written, else as given.
std::string extensionInCaseOf(const std::string& path, const std::string& extension);

} // namespace velt
