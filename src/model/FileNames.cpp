#include "model/FileNames.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace velt {
namespace {

namespace fs = std::filesystem;

// The extension's position (at its dot), or npos when the last component has none.
std::size_t extensionStart(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.find_last_of('.');
    return dot == std::string::npos || dot < nameStart ? std::string::npos : dot;
}

std::string casedAs(std::string text, int (*convert)(int)) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [convert](unsigned char c) { return static_cast<char>(convert(c)); });
    return text;
}

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return casedAs(a, ::tolower) == casedAs(b, ::tolower);
}

} // namespace

std::string replaceExtension(const std::string& path, const std::string& extension) {
    const std::size_t dot = extensionStart(path);
    if (dot == std::string::npos) {
        return path + extension;
    }
    return path.substr(0, dot) + extension;
}

std::string withExtension(const std::string& path, const std::string& extension) {
    const std::size_t dot = extensionStart(path);
    if (dot != std::string::npos && sameIgnoringCase(path.substr(dot), extension)) {
        return path;
    }
    return replaceExtension(path, extension);
}

std::string existingExtensionCase(const std::string& path) {
    std::error_code error;
    if (fs::exists(path, error)) {
        return path;
    }
    const std::size_t dot = extensionStart(path);
    if (dot == std::string::npos) {
        return path;
    }
    const fs::path wanted(path);
    const fs::path folder = wanted.has_parent_path() ? wanted.parent_path() : fs::path(".");
    const std::string stem = wanted.filename().string().substr(0, wanted.stem().string().size());
    const std::string extension = path.substr(dot);
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() == stem.size() + extension.size() &&
            name.compare(0, stem.size(), stem) == 0 &&
            sameIgnoringCase(name.substr(stem.size()), extension)) {
            return (wanted.has_parent_path() ? (folder / name).string() : name);
        }
    }
    return path;
}

std::string extensionInCaseOf(const std::string& path, const std::string& extension) {
    const std::size_t dot = extensionStart(path);
    if (dot == std::string::npos) {
        return extension;
    }
    const std::string own = path.substr(dot);
    const bool hasLetters =
        std::any_of(own.begin(), own.end(), [](unsigned char c) { return std::isalpha(c) != 0; });
    if (hasLetters && own == casedAs(own, ::toupper)) {
        return casedAs(extension, ::toupper);
    }
    if (hasLetters && own == casedAs(own, ::tolower)) {
        return casedAs(extension, ::tolower);
    }
    return extension;
}

} // namespace velt
