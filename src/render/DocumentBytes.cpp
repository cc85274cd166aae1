#include "render/DocumentBytes.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace velt {
namespace {

std::string bufferBytes(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

QImage canvasImage(QSize size, const CanvasPaint& paint) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, size);
    painter.end();
    return image;
}

std::string pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        return {};
    }
    return bufferBytes(bytes);
}

bool writeSvg(QIODevice& device, QSize size, int dpi, const QString& title,
              const CanvasPaint& paint) {
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(dpi);
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    paint(painter, size);
    return painter.end();
}

std::string svgBytes(QSize size, int dpi, const QString& title, const CanvasPaint& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !writeSvg(buffer, size, dpi, title, paint)) {
        return {};
    }
    return bufferBytes(bytes);
}

std::string a4PdfBytes(const PagePaint& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) {
        return {};
    }
    bool painted = false;
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(600);
        // The page is the whole paper; the printed layouts keep their own margins.
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (painter.begin(&pdf)) {
            const QSize page = pdf.pageLayout().fullRectPixels(pdf.resolution()).size();
            paint(painter, pdf, page);
            painted = painter.end();
        }
    }
    if (!painted) {
        return {};
    }
    return bufferBytes(bytes);
}

} // namespace velt
