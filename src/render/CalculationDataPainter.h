#pragma once
// Draws the calculation data panel.

#include "model/LineProject.h"

#include <QSize>

class QPainter;

namespace velt {

/// `paintCalculationData`: fills `size` with white and draws the panel.
void paintCalculationData(QPainter& painter, QSize size, const LineProject& project);

} // namespace velt
