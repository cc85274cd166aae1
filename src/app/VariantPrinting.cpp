// The printout of a variant.

#include "app/VariantPrinting.h"

#include "render/GraphPainter.h"

#include <QFile>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cstdio>

namespace velt {
namespace {

// The printer's default font is larger than the page's panel (an eighth of the width, less
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

bool printVariant(QPrinter& printer, const FieldProfile& record, bool liveTowerShifted) {
    printer.setPageOrientation(QPageLayout::Landscape);
    // The page is the whole paper; the printed layout keeps its own margins.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QSize page = printer.pageLayout().fullRectPixels(printer.resolution()).size();
    painter.setFont(panelFittingFont(painter.font(), page, &printer));
    paintPrintedGraph(painter, page, record, liveTowerShifted);
    return painter.end();
}

bool printVariantToPdf(const QString& fileName, const FieldProfile& record, bool liveTowerShifted) {
    const QString temporary = fileName + QStringLiteral(".~velt");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(600);
    printer.setOutputFileName(temporary);
    if (!printVariant(printer, record, liveTowerShifted)) {
        QFile::remove(temporary);
        return false;
    }
    // QFile::rename does not replace an existing file.
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(fileName).constData()) != 0) {
        QFile::remove(temporary);
        return false;
    }
    return true;
}

} // namespace velt
