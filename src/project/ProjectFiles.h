#pragma once
// Project files on disk: read whole with their folder for the files they name, written
// through a temporary file and a rename.

#include "project/ProjectFile.h"

#include <cstdint>
#include <optional>
#include <string>

namespace velt {

/// No project is anywhere near this size; a larger file is refused before it is read.
inline constexpr std::uintmax_t kMaxProjectFileBytes = 1024 * 1024;

/// Reads the whole project file `path` into `text` (UTF-8 as it is); the message when it is a
/// folder, unreadable or oversized.
std::optional<std::string> readProjectText(const std::string& path, std::string& text);

/// The folder the files a project names are looked up in: the project file's own.
std::string projectFolderOf(const std::string& path);

/// Reads and loads the project file `path` into `project` (zero on entry) and `loaded`.
/// A folder, an unreadable or an oversized file is a FileError with its message.
LoadResult openProjectFile(const std::string& path, LineProject& project, LoadedProject& loaded);

/// Writes `text` to `path`; an earlier file stays whole when that fails. The message on
/// failure.
std::optional<std::string> saveProjectFile(const std::string& path, const std::string& text);

} // namespace velt
