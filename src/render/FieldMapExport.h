#pragma once
// A field map written to a file in one of its forms: a PNG or GIF picture and an SVG
// drawing of the window version, the printed page as PDF, the values as a CSV table.
// velt-calc and the desktop program both write maps through here.

#include "analysis/FieldMap.h"
#include "model/CalculationOptions.h"
#include "results/GraphFormat.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <string>

namespace velt {

/// What a map file is drawn from.
struct FieldMapFileSource {
    const FieldMap& map;
    const CalculationOptions& options; ///< the limits drawn and the magnetic unit
    QSize size{};                      ///< window version in logical pixels (PNG, GIF, SVG)
    int svgDpi = 96;                   ///< texts of the SVG drawing are sized as on this screen
    QString title{};                   ///< the SVG drawing's title
};

/// The window version as an image of `size` pixels, as a window of that size shows it.
QImage fieldMapImage(QSize size, const FieldMap& map, const CalculationOptions& options);

/// The printed page as a PDF file of one A4 landscape page at 600 dpi; empty when it could
/// not be drawn.
std::string fieldMapPdfBytes(const FieldMap& map, const CalculationOptions& options);

/// The bytes of the file; empty when drawing failed.
std::string fieldMapFileBytes(GraphFormat format, const FieldMapFileSource& source);

/// Writes the file whole or not at all: an earlier file of the name stays as it was when any
/// step fails. False on failure.
bool writeFieldMapFile(const std::string& path, GraphFormat format,
                       const FieldMapFileSource& source);

} // namespace velt
