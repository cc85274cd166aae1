#pragma once
// The printout of a variant: its graph or its map on one landscape page of the default
// printer.

#include "analysis/CalculationExtras.h"
#include "analysis/FieldMap.h"
#include "model/CalculationOptions.h"
#include "model/FieldProfile.h"

#include <QSize>

#include <functional>

class QPainter;
class QPrinter;

namespace velt {

/// Draws the printed graph of `record` as a document of one landscape page on `printer`.
/// False when the printer (or the PDF file) could not be opened.
bool printVariant(QPrinter& printer, const FieldProfile& record, bool liveTowerShifted,
                  const CalculationExtras* extras = nullptr);

/// The printed map, as printVariant prints a graph.
bool printFieldMap(QPrinter& printer, const FieldMap& map, const CalculationOptions& options);

/// Draws `paint` as a document of one landscape page of `page` device pixels, the whole
/// paper, on `printer`. False when the printer (or the PDF file) could not be opened.
bool printLandscapePage(QPrinter& printer,
                        const std::function<void(QPainter& painter, QSize page)>& paint);

} // namespace velt
