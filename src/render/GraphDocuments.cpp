#include "render/GraphDocuments.h"

#include "render/GraphPainter.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>

namespace velt {
namespace {

// The device's default font is larger than the page's panel (an eighth of the width, less
// its margin of a twelfth of the height): scaled down so that the longest panel line fits.
QFont panelFittingFont(QFont font, QSize page, QPaintDevice* device) {
    const int available = page.width() / 8 - page.height() / 12 - page.width() / 100;
    QFont bold = font;
    bold.setBold(true);
    const int needed =
        QFontMetrics(bold, device).horizontalAdvance(QStringLiteral("Wsp. szczytu frontu: [m]"));
    if (needed > available && available > 0) {
        const int pixels = QFontMetrics(font, device).height();
        font.setPixelSize(std::max(1, pixels * available / needed));
    }
    return font;
}

} // namespace

void paintPrintedPage(QPainter& painter, QPaintDevice& device, QSize page,
                      const FieldProfile& profile, bool towerShifted) {
    painter.setFont(panelFittingFont(painter.font(), page, &device));
    paintPrintedGraph(painter, page, profile, towerShifted);
}

std::string graphPdfBytes(const FieldProfile& profile, bool towerShifted) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) {
        return {};
    }
    bool painted = false;
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(600);
        // The page is the whole paper; the printed layout keeps its own margins.
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (painter.begin(&pdf)) {
            const QSize page = pdf.pageLayout().fullRectPixels(pdf.resolution()).size();
            paintPrintedPage(painter, pdf, page, profile, towerShifted);
            painted = painter.end();
        }
    }
    if (!painted) {
        return {};
    }
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QImage graphImage(QSize size, const FieldProfile& profile, bool towerShifted) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintWindowGraph(painter, size, profile, towerShifted);
    painter.end();
    return image;
}

bool writeGraphSvg(QIODevice& device, QSize size, int dpi, const FieldProfile& profile,
                   bool towerShifted, const QString& title) {
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
    paintWindowGraph(painter, size, profile, towerShifted);
    return painter.end();
}

} // namespace velt
