#pragma once
// The printout of a variant: its graph on one landscape page, on the default printer or,
// where none is installed, in a PDF file.

#include "model/FieldProfile.h"

#include <QString>

class QPrinter;

namespace velt {

/// Draws the printed graph of `record` as a document of one landscape page on `printer`.
/// False when the printer (or the PDF file) could not be opened.
bool printVariant(QPrinter& printer, const FieldProfile& record, bool liveTowerShifted);

/// The same page as a PDF file at 600 dpi, written whole or not at all; false when it could not be written (an earlier file stays as it was).
bool printVariantToPdf(const QString& fileName, const FieldProfile& record, bool liveTowerShifted);

} // namespace velt
