#include "render/GraphExport.h"

#include "model/FileReplacement.h"
#include "render/DocumentBytes.h"
#include "render/GifWriter.h"
#include "render/GraphDocuments.h"
#include "render/GraphPainter.h"
#include "results/ProfileCsv.h"

#include <QImage>

#include <sstream>

namespace velt {
namespace {

std::string svgOf(const GraphFileSource& s) {
    return svgBytes(s.size, s.svgDpi, s.title, [&](QPainter& painter, QSize canvas) {
        paintWindowGraph(painter, canvas, s.profile, s.towerShifted, s.extras);
    });
}

std::string csvBytes(const FieldProfile& profile) {
    std::ostringstream table;
    writeProfileCsv(table, profile);
    return table.str();
}

} // namespace

std::string graphFileBytes(GraphFormat format, const GraphFileSource& s) {
    switch (format) {
    case GraphFormat::Png:
        return pngBytes(graphImage(s.size, s.profile, s.towerShifted, s.extras));
    case GraphFormat::Gif:
        return gifBytes(graphImage(s.size, s.profile, s.towerShifted, s.extras));
    case GraphFormat::Svg:
        return svgOf(s);
    case GraphFormat::Pdf:
        return graphPdfBytes(s.profile, s.towerShifted, s.extras);
    case GraphFormat::Csv:
        return csvBytes(s.profile);
    }
    return {};
}

bool writeGraphFile(const std::string& path, GraphFormat format, const GraphFileSource& source) {
    const std::string bytes = graphFileBytes(format, source);
    return !bytes.empty() && replaceFile(path, bytes);
}

} // namespace velt
