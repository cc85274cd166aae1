// The printout of a variant.

#include "app/VariantPrinting.h"

#include "render/GraphDocuments.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace velt {

bool printVariant(QPrinter& printer, const FieldProfile& record, bool liveTowerShifted,
                  const CalculationExtras* extras) {
    printer.setPageOrientation(QPageLayout::Landscape);
    // The page is the whole paper; the printed layout keeps its own margins.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QSize page = printer.pageLayout().fullRectPixels(printer.resolution()).size();
    paintPrintedPage(painter, printer, page, record, liveTowerShifted, extras);
    return painter.end();
}

} // namespace velt
