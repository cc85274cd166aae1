#pragma once
// Draws a field graph on a QPainter: the variant's window, the printer page or an image.

#include "render/GraphLayout.h"
#include "render/PainterHelpers.h"
#include "render/SourceText.h"

#include <QSize>

class QPainter;

namespace velt {

/// Draws `layout` in the painter's current font (laid out with the same font and device).
void paintGraph(QPainter& painter, const GraphLayout& layout);

/// The window version of the graph of `profile` on a drawing area of `size`.
/// `towerShifted` is the line project's current flag; `extras`, what the calculation's
/// options add (none: the graph as it always was), its texts in the user's language.
void paintWindowGraph(QPainter& painter, QSize size, const FieldProfile& profile, bool towerShifted,
                      const CalculationExtras* extras = nullptr,
                      SourceTranslator translate = translatedSource);

/// The printed version on a landscape page of `pageSize` device pixels.
void paintPrintedGraph(QPainter& painter, QSize pageSize, const FieldProfile& profile,
                       bool towerShifted, const CalculationExtras* extras = nullptr);

} // namespace velt
