#include "render/GraphExport.h"

#include "model/FileReplacement.h"
#include "render/GifWriter.h"
#include "render/GraphDocuments.h"
#include "results/ProfileCsv.h"

#include <QBuffer>
#include <QImage>

#include <sstream>

namespace velt {
namespace {

std::string bufferBytes(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        return {};
    }
    return bufferBytes(bytes);
}

std::string svgBytes(const GraphFileSource& s) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) ||
        !writeGraphSvg(buffer, s.size, s.svgDpi, s.profile, s.towerShifted, s.title)) {
        return {};
    }
    return bufferBytes(bytes);
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
        return pngBytes(graphImage(s.size, s.profile, s.towerShifted));
    case GraphFormat::Gif:
        return gifBytes(graphImage(s.size, s.profile, s.towerShifted));
    case GraphFormat::Svg:
        return svgBytes(s);
    case GraphFormat::Pdf:
        return graphPdfBytes(s.profile, s.towerShifted);
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
