#pragma once
// The window version of a variant's graph, drawn by the render layer's graph painter.

#include "model/FieldProfile.h"

#include <QSize>

class QPainter;

namespace velt {

/// Draws the graph of `record` into a paint area of `size`. `liveTowerShifted` is the live
/// line project's tower-shift flag, which the axis rule reads.
void paintVariantGraph(QPainter& painter, QSize size, const FieldProfile& record,
                       bool liveTowerShifted);

} // namespace velt
