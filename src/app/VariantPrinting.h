#pragma once
// The printout of a variant: its graph or its map on one landscape page of the default
// printer.

#include "analysis/CalculationExtras.h"
#include "analysis/FieldMap.h"
#include "model/CalculationOptions.h"
#include "model/FieldProfile.h"

class QPrinter;

namespace velt {

/// Draws the printed graph of `record` as a document of one landscape page on `printer`.
/// False when the printer (or the PDF file) could not be opened.
bool printVariant(QPrinter& printer, const FieldProfile& record, bool liveTowerShifted,
                  const CalculationExtras* extras = nullptr);

/// The printed map, as printVariant prints a graph.
bool printFieldMap(QPrinter& printer, const FieldMap& map, const CalculationOptions& options);

} // namespace velt
