#pragma once
// Draws a field map on a QPainter: a window, the printer page or an image.

#include "render/FieldMapLayout.h"

#include <QSize>

class QPainter;

namespace velt {

/// Draws `layout` in the painter's current font (laid out with the same font and device).
void paintFieldMap(QPainter& painter, const FieldMapLayout& layout);

/// The window version of `map` on a drawing area of `size`, with the limits and the
/// magnetic unit of `options`.
void paintWindowFieldMap(QPainter& painter, QSize size, const FieldMap& map,
                         const CalculationOptions& options);

/// The printed version on a landscape page of `pageSize` device pixels.
void paintPrintedFieldMap(QPainter& painter, QSize pageSize, const FieldMap& map,
                          const CalculationOptions& options);

} // namespace velt
