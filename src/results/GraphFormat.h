#pragma once
// The forms a variant's graph is written in, named by the file's extension.

#include <optional>
#include <string>

namespace velt {

enum class GraphFormat { Png, Gif, Svg, Pdf, Csv };

/// The format a file name's extension names, in either case; none for another extension.
std::optional<GraphFormat> graphFormatOf(const std::string& path);

} // namespace velt
