// The printout of a variant.

#include "app/VariantPrinting.h"

#include "render/GraphDocuments.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace velt {

bool printVariant(QPrinter& printer, const FieldProfile& record, bool liveTowerShifted) {
    return printLandscapePage(printer, [&](QPainter& painter, QSize page) {
        paintPrintedPage(painter, printer, page, record, liveTowerShifted);
    });
}

bool printLandscapePage(QPrinter& printer,
                        const std::function<void(QPainter& painter, QSize page)>& paint) {
    printer.setPageOrientation(QPageLayout::Landscape);
    // The page is the whole paper; the printed layout keeps its own margins.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QSize page = printer.pageLayout().fullRectPixels(printer.resolution()).size();
    paint(painter, page);
    return painter.end();
}

} // namespace velt
