#include "project/ProjectFiles.h"

#include "model/FileReplacement.h"
#include "model/Translatable.h"
#include "project/PolishMessages.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace velt {
namespace {

const char* const kCannotOpenMessage = VELT_TRANSLATE_NOOP("velt", "Nie mogę otworzyć pliku!\n");
const char* const kCannotSaveMessage = VELT_TRANSLATE_NOOP("velt", "Nie mogę zapisać pliku!\n");

} // namespace

std::optional<std::string> readProjectText(const std::string& path, std::string& text) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::is_regular_file(status)) {
        return kCannotOpenMessage + path;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxProjectFileBytes) {
        return "The project file is larger than 1 MB: " + path;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        return kCannotOpenMessage + path;
    }
    // An empty file reads as nothing, which the loader refuses as not JSON.
    std::ostringstream buffer;
    buffer << file.rdbuf();
    if (file.bad()) {
        return kCannotOpenMessage + path;
    }
    text = buffer.str();
    return std::nullopt;
}

std::string projectFolderOf(const std::string& path) {
    return std::filesystem::path(path).parent_path().string();
}

LoadResult openProjectFile(const std::string& path, LineProject& project, LoadedProject& loaded) {
    std::string text;
    if (auto failure = readProjectText(path, text)) {
        return {LoadStatus::FileError, *failure, polishProjectMessage(*failure)};
    }
    return loadProject(text, projectFolderOf(path), project, loaded);
}

std::optional<std::string> saveProjectFile(const std::string& path, const std::string& text) {
    if (!replaceFile(path, text)) {
        return kCannotSaveMessage + path;
    }
    return std::nullopt;
}

} // namespace velt
