#include "render/TowerPreviewPainter.h"

#include "render/PainterHelpers.h"

#include <QPainter>

namespace velt {
namespace {

const QColor kWorkingRed(255, 0, 0);
const QColor kGroundGreen(0, 128, 0);
// Neighbouring lines as the graph draws them.
const QColor kNeighbourMagenta(200, 0, 200);
const QColor kNeighbourGroundMagenta(120, 0, 120);

const QColor& colourOf(const TowerDot& dot) {
    if (dot.neighbour) {
        return dot.groundWire ? kNeighbourGroundMagenta : kNeighbourMagenta;
    }
    return dot.groundWire ? kGroundGreen : kWorkingRed;
}

void paintDots(QPainter& painter, const TowerPreviewGeometry& g) {
    for (const TowerDot& dot : g.dots) {
        const QColor& colour = colourOf(dot);
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
        drawDot(painter, dot.box);
    }
}

// The legend texts stand on white, whatever they cover.
void paintLegend(QPainter& painter, const TowerPreviewGeometry& g) {
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    painter.setBrush(kWorkingRed);
    drawDot(painter, g.workingLegendDot);
    painter.setBrush(Qt::white);
    drawPlacedText(painter,
                   {g.workingLegendText.at, translatedSource(g.workingLegendText.text.c_str())});
    painter.setBrush(kGroundGreen);
    drawDot(painter, g.groundLegendDot);
    painter.setBrush(Qt::white);
    drawPlacedText(painter,
                   {g.groundLegendText.at, translatedSource(g.groundLegendText.text.c_str())});
    painter.setBackgroundMode(Qt::TransparentMode);
}

} // namespace

void paintTowerPreview(QPainter& painter, QSize size, const LineProject& project,
                       const TowerDrawingStyle& style,
                       const std::vector<TowerNeighbourWire>& neighbours) {
    paintTowerPreview(painter, towerPreviewGeometry(size.width(), size.height(),
                                                    towerConductors(project), style, neighbours));
}

void paintTowerPreview(QPainter& painter, const TowerPreviewGeometry& g) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(0, 0, g.width, g.height), Qt::white);
    if (g.drawn) {
        paintDots(painter, g);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        for (const PixelLine& line : g.groundLines) {
            drawLine(painter, line);
        }
        for (const PixelLine& line : g.footStrokes) {
            drawLine(painter, line);
        }
        paintLegend(painter, g);
        painter.setPen(QPen(Qt::black, 1, Qt::DashDotDotLine));
        drawLine(painter, g.axis);
    }
    painter.restore();
}

} // namespace velt
