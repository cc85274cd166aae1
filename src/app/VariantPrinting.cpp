// The printout of a variant.

#include "app/VariantPrinting.h"

#include "render/FieldMapPainter.h"
#include "render/GraphDocuments.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace velt {

bool printLandscapePage(QPrinter& printer,
                        const std::function<void(QPainter& painter, QSize page)>& paint) {
    printer.setPageOrientation(QPageLayout::Landscape);
    // The page is the whole paper; the printed layout keeps its own margins.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    paint(painter, printer.pageLayout().fullRectPixels(printer.resolution()).size());
    return painter.end();
}

bool printVariant(QPrinter& printer, const FieldProfile& record, bool liveTowerShifted,
                  const CalculationExtras* extras) {
    return printLandscapePage(printer, [&](QPainter& painter, QSize page) {
        paintPrintedPage(painter, printer, page, record, liveTowerShifted, extras);
    });
}

bool printFieldMap(QPrinter& printer, const FieldMap& map, const CalculationOptions& options) {
    return printLandscapePage(printer, [&](QPainter& painter, QSize page) {
        paintPrintedFieldMap(painter, page, map, options);
    });
}

} // namespace velt
