#include "render/SeriesGraphExport.h"

#include "render/DocumentBytes.h"
#include "render/GifWriter.h"
#include "render/SeriesGraphPainter.h"

namespace velt {

QImage seriesGraphImage(QSize size, const SeriesGraph& graph) {
    return canvasImage(size, [&](QPainter& painter, QSize canvas) {
        paintWindowSeriesGraph(painter, canvas, graph);
    });
}

std::string seriesGraphPdfBytes(const SeriesGraph& graph) {
    return a4PdfBytes([&](QPainter& painter, QPaintDevice& /*device*/, QSize page) {
        paintPrintedSeriesGraph(painter, page, graph);
    });
}

std::string seriesGraphFileBytes(GraphFormat format, const SeriesGraphFileSource& s) {
    switch (format) {
    case GraphFormat::Png:
        return pngBytes(seriesGraphImage(s.size, s.graph));
    case GraphFormat::Gif:
        return gifBytes(seriesGraphImage(s.size, s.graph));
    case GraphFormat::Svg:
        return svgBytes(s.size, s.svgDpi, s.title, [&](QPainter& painter, QSize canvas) {
            paintWindowSeriesGraph(painter, canvas, s.graph);
        });
    case GraphFormat::Pdf:
        return seriesGraphPdfBytes(s.graph);
    case GraphFormat::Csv:
        break;
    }
    return {};
}

} // namespace velt
