#include "results/GraphFormat.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace velt {
namespace {

std::string lowerExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return {};
    }
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

} // namespace

std::optional<GraphFormat> graphFormatOf(const std::string& path) {
    const std::string extension = lowerExtension(path);
    const std::pair<const char*, GraphFormat> formats[] = {
        {"png", GraphFormat::Png}, {"gif", GraphFormat::Gif}, {"svg", GraphFormat::Svg},
        {"pdf", GraphFormat::Pdf}, {"csv", GraphFormat::Csv},
    };
    for (const auto& [name, format] : formats) {
        if (extension == name) {
            return format;
        }
    }
    return std::nullopt;
}

} // namespace velt
