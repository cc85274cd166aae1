#include "render/FieldMapExport.h"

#include "model/FileReplacement.h"
#include "render/DocumentBytes.h"
#include "render/FieldMapPainter.h"
#include "render/GifWriter.h"
#include "results/FieldMapCsv.h"

#include <sstream>

namespace velt {
namespace {

std::string svgOf(const FieldMapFileSource& s) {
    return svgBytes(s.size, s.svgDpi, s.title, [&](QPainter& painter, QSize canvas) {
        paintWindowFieldMap(painter, canvas, s.map, s.options);
    });
}

std::string csvOf(const FieldMapFileSource& s) {
    std::ostringstream table;
    writeFieldMapCsv(table, s.map, s.options.magneticUnit);
    return table.str();
}

} // namespace

QImage fieldMapImage(QSize size, const FieldMap& map, const CalculationOptions& options) {
    return canvasImage(size, [&](QPainter& painter, QSize canvas) {
        paintWindowFieldMap(painter, canvas, map, options);
    });
}

std::string fieldMapPdfBytes(const FieldMap& map, const CalculationOptions& options) {
    return a4PdfBytes([&](QPainter& painter, QPaintDevice& /*device*/, QSize page) {
        paintPrintedFieldMap(painter, page, map, options);
    });
}

std::string fieldMapFileBytes(GraphFormat format, const FieldMapFileSource& s) {
    switch (format) {
    case GraphFormat::Png:
        return pngBytes(fieldMapImage(s.size, s.map, s.options));
    case GraphFormat::Gif:
        return gifBytes(fieldMapImage(s.size, s.map, s.options));
    case GraphFormat::Svg:
        return svgOf(s);
    case GraphFormat::Pdf:
        return fieldMapPdfBytes(s.map, s.options);
    case GraphFormat::Csv:
        return csvOf(s);
    }
    return {};
}

bool writeFieldMapFile(const std::string& path, GraphFormat format,
                       const FieldMapFileSource& source) {
    const std::string bytes = fieldMapFileBytes(format, source);
    return !bytes.empty() && replaceFile(path, bytes);
}

} // namespace velt
