#pragma once
// The graph of a series as a picture file: a PNG or GIF image and an SVG drawing of the
// window version, the printed page as PDF. Its table is the series' own CSV.

#include "render/SeriesGraphLayout.h"
#include "results/GraphFormat.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <string>

namespace velt {

/// What a series picture is drawn from.
struct SeriesGraphFileSource {
    const SeriesGraph& graph;
    QSize size{};    ///< window version in logical pixels (PNG, GIF, SVG)
    int svgDpi = 96; ///< texts of the SVG drawing are sized as on this screen
    QString title{}; ///< the SVG drawing's title
};

/// The window version as an image of `size` pixels, as a window of that size shows it.
QImage seriesGraphImage(QSize size, const SeriesGraph& graph);

/// The printed page as a PDF file of one A4 landscape page at 600 dpi; empty when it could
/// not be drawn.
std::string seriesGraphPdfBytes(const SeriesGraph& graph);

/// The bytes of the picture in `format`; empty for the table (GraphFormat::Csv) and when
/// drawing failed.
std::string seriesGraphFileBytes(GraphFormat format, const SeriesGraphFileSource& source);

} // namespace velt
