#include "render/GraphDocuments.h"

#include "render/DocumentBytes.h"
#include "render/GraphPainter.h"

#include <QFontMetrics>
#include <QPainter>

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
                      const FieldProfile& profile, bool towerShifted,
                      const CalculationExtras* extras) {
    painter.setFont(panelFittingFont(painter.font(), page, &device));
    paintPrintedGraph(painter, page, profile, towerShifted, extras);
}

std::string graphPdfBytes(const FieldProfile& profile, bool towerShifted,
                          const CalculationExtras* extras) {
    return a4PdfBytes([&](QPainter& painter, QPaintDevice& device, QSize page) {
        paintPrintedPage(painter, device, page, profile, towerShifted, extras);
    });
}

QImage graphImage(QSize size, const FieldProfile& profile, bool towerShifted,
                  const CalculationExtras* extras, SourceTranslator translate) {
    return canvasImage(size, [&](QPainter& painter, QSize canvas) {
        paintWindowGraph(painter, canvas, profile, towerShifted, extras, translate);
    });
}

bool writeGraphSvg(QIODevice& device, QSize size, int dpi, const FieldProfile& profile,
                   bool towerShifted, const QString& title, const CalculationExtras* extras) {
    return writeSvg(device, size, dpi, title, [&](QPainter& painter, QSize canvas) {
        paintWindowGraph(painter, canvas, profile, towerShifted, extras);
    });
}

} // namespace velt
