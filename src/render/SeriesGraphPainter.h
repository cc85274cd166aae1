#pragma once
// Draws the graph of a series on a QPainter: a window, the printer page or an image.

#include "render/SeriesGraphLayout.h"

#include <QSize>

class QPainter;

namespace velt {

/// Draws `layout` in the painter's current font (laid out with the same font and device).
void paintSeriesGraph(QPainter& painter, const SeriesGraphLayout& layout);

/// The window version of `graph` on a drawing area of `size`.
void paintWindowSeriesGraph(QPainter& painter, QSize size, const SeriesGraph& graph);

/// The printed version on a landscape page of `pageSize` device pixels.
void paintPrintedSeriesGraph(QPainter& painter, QSize pageSize, const SeriesGraph& graph);

} // namespace velt
