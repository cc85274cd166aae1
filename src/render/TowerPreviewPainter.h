#pragma once
// Draws the tower cross-section of TowerPreview on a QPainter.

#include "render/TowerPreview.h"

#include <QSize>

class QPainter;

namespace velt {

/// Fills the area white and draws the working conductors and ground wires of `project`,
/// in the painter's font.
void paintTowerPreview(QPainter& painter, QSize size, const LineProject& project,
                       const TowerDrawingStyle& style = {});

/// Draws a computed geometry.
void paintTowerPreview(QPainter& painter, const TowerPreviewGeometry& geometry);

} // namespace velt
