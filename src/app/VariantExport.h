#pragma once
// "Eksportuj wariant...": the active variant as a PNG image of its window, an SVG drawing
// through the same painter, the printed page as PDF, or its profile as a CSV table.

#include <QSize>
#include <QString>

#include <optional>

namespace velt {

class VariantView;

enum class ExportFormat { Png, Svg, Pdf, Csv };

/// The save question's filter, one entry per format.
QString exportFilter();

/// The format named by the extension of `path`; none for another extension.
std::optional<ExportFormat> exportFormatOf(const QString& path);

/// Writes the variant of `view` to `path` as `format`, through a temporary file renamed over
/// it (an earlier file stays whole on failure). `towerShifted` is the line project's flag.
/// A PNG image is the window itself, or drawn anew at `pngSize` when that differs.
bool exportVariant(const VariantView& view, bool towerShifted, const QString& path,
                   ExportFormat format, QSize pngSize = {});

} // namespace velt
