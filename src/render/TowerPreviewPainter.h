#pragma once
// Draws the tower cross-section of TowerPreview on a QPainter.

#include "render/TowerPreview.h"

#include <QSize>

class QPainter;

namespace velt {

/// Fills the area white and draws the working conductors and ground wires of `project`,
/// in the painter's font, and the conductors of neighbouring lines (towerNeighbourWires).
void paintTowerPreview(QPainter& painter, QSize size, const LineProject& project,
                       const TowerDrawingStyle& style = {},
                       const std::vector<TowerNeighbourWire>& neighbours = {});

/// Draws a computed geometry.
void paintTowerPreview(QPainter& painter, const TowerPreviewGeometry& geometry);

} // namespace velt
