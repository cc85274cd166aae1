#include "render/GraphPainter.h"

#include "render/PainterHelpers.h"
#include "render/QtTextMeasure.h"

#include <QPainter>
#include <QPainterPath>

namespace velt {
namespace {

QColor colourOf(GraphInk ink) {
    switch (ink) {
    case GraphInk::Red:
        return {255, 0, 0};
    case GraphInk::Lime:
        return {0, 255, 0};
    case GraphInk::Green:
        return {0, 128, 0};
    case GraphInk::Blue:
        return {0, 0, 255};
    case GraphInk::Orange:
        return {255, 128, 0};
    case GraphInk::Magenta:
        return {200, 0, 200};
    case GraphInk::DarkMagenta:
        return {120, 0, 120};
    case GraphInk::Black:
        break;
    }
    return {0, 0, 0};
}

Qt::PenStyle penStyleOf(GraphDash dash) {
    switch (dash) {
    case GraphDash::Dash:
        return Qt::DashLine;
    case GraphDash::DashDot:
        return Qt::DashDotLine;
    case GraphDash::DashDotDot:
        return Qt::DashDotDotLine;
    case GraphDash::Solid:
        break;
    }
    return Qt::SolidLine;
}

void setInk(QPainter& painter, GraphInk ink, GraphDash dash = GraphDash::Solid) {
    painter.setPen(QPen(colourOf(ink), 1, penStyleOf(dash)));
}

void drawTexts(QPainter& painter, const std::vector<PlacedText>& texts) {
    for (const PlacedText& text : texts) {
        drawPlacedText(painter, text);
    }
}

// The 1 kV/m markers, the comment and the maximum, left of the panel.
void paintMarkers(QPainter& painter, const GraphLayout& g) {
    painter.setClipRect(areaOf(g.markerClip));
    setInk(painter, GraphInk::Red);
    for (const CrossingMarker& marker : g.crossings) {
        drawPlacedText(painter, marker.label);
        painter.drawPolyline(polylineOf(marker.line));
        drawPlacedText(painter, marker.distance);
    }
    if (g.comment) {
        setInk(painter, GraphInk::Black);
        drawPlacedText(painter, *g.comment);
    }
    if (g.maximum) {
        setInk(painter, GraphInk::Red);
        drawLine(painter, g.maximum->line);
        drawPlacedText(painter, g.maximum->label);
    }
    painter.setClipping(false);
}

void paintCrossSection(QPainter& painter, const GraphLayout& g) {
    painter.setClipRect(areaOf(g.plotClip));
    const int d = g.dotDiameter;
    for (const ConductorDot& dot : g.conductors) {
        const QColor colour = colourOf(dot.ink);
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
        const PixelPoint c = dot.centre;
        drawDot(painter, {c.x - d / 2, c.y - d / 2, c.x - d / 2 + d, c.y - d / 2 + d});
    }
    painter.setBrush(Qt::NoBrush);
    if (!g.building.empty()) {
        setInk(painter, GraphInk::Red, GraphDash::Dash);
        painter.drawPolyline(polylineOf(g.building));
    }
    painter.setClipping(false);
}

// The limits' zones stand on the axis under its ticks.
void paintZoneMarks(QPainter& painter, const GraphLayout& g) {
    const QColor orange = colourOf(GraphInk::Orange);
    for (const PixelRect& bar : g.zoneMarks) {
        painter.fillRect(areaOf(bar), orange);
    }
}

// The limits' levels lie on grid lines as often as not: drawn over the grid, under the
// curves.
void paintLimitLines(QPainter& painter, const GraphLayout& g) {
    if (g.limitLines.empty()) {
        return;
    }
    painter.setClipRect(areaOf(g.plotClip));
    for (const LimitLine& limit : g.limitLines) {
        setInk(painter, GraphInk::Orange, GraphDash::Dash);
        drawLine(painter, limit.line);
        setInk(painter, GraphInk::Orange);
        drawPlacedText(painter, limit.label);
    }
    painter.setClipping(false);
}

void paintAxes(QPainter& painter, const GraphLayout& g) {
    setInk(painter, GraphInk::Black);
    for (const PixelLine& line : g.ticks) {
        drawLine(painter, line);
    }
    drawTexts(painter, g.xLabels);
    drawTexts(painter, g.valueLabels);
    drawTexts(painter, g.heightLabels);
    drawTexts(painter, g.captions);
}

void paintCurves(QPainter& painter, const GraphLayout& g) {
    painter.setClipRect(areaOf(g.plotClip));
    for (const GraphCurve& curve : g.curves) {
        setInk(painter, curve.ink, curve.dash);
        // One path per curve: a vector document (SVG, PDF) keeps it as one line to edit.
        QPainterPath path;
        path.addPolygon(QPolygonF(polylineOf(curve.points)));
        painter.drawPath(path);
    }
    painter.setClipping(false);
    setInk(painter, GraphInk::Black);
    drawLine(painter, g.startLine);
    for (const PixelLine& line : g.separator) {
        drawLine(painter, line);
    }
}

void paintPanel(QPainter& painter, const GraphLayout& g) {
    setInk(painter, GraphInk::Black);
    const QFont regular = painter.font();
    for (const PanelLine& line : g.panel) {
        painter.setFont(styledFont(regular, line.style));
        drawPlacedText(painter, line.text);
    }
    painter.setFont(regular);
    for (const LegendStroke& stroke : g.legend) {
        setInk(painter, stroke.ink, stroke.dash);
        drawLine(painter, stroke.line);
    }
}

} // namespace

void paintGraph(QPainter& painter, const GraphLayout& g) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBrush(Qt::NoBrush);
    painter.fillRect(areaOf(g.frame.clear), Qt::white);
    setInk(painter, GraphInk::Black);
    if (g.onConductors) {
        drawTexts(painter, g.surfaceTexts);
        painter.restore();
        return;
    }
    if (g.plotShown) {
        paintMarkers(painter, g);
        setInk(painter, GraphInk::Black);
        drawLine(painter, g.xAxis);
        paintCrossSection(painter, g);
        paintZoneMarks(painter, g);
        paintAxes(painter, g);
        paintLimitLines(painter, g);
        paintCurves(painter, g);
    }
    paintPanel(painter, g);
    painter.restore();
}

void paintWindowGraph(QPainter& painter, QSize size, const FieldProfile& profile, bool towerShifted,
                      const CalculationExtras* extras, SourceTranslator translate) {
    const GraphFrame frame = windowFrame(size.width(), size.height());
    paintGraph(painter, layoutGraph(profile, frame, towerShifted, QtTextMeasure(painter), extras,
                                    translate));
}

void paintPrintedGraph(QPainter& painter, QSize pageSize, const FieldProfile& profile,
                       bool towerShifted, const CalculationExtras* extras) {
    const GraphFrame frame = printedFrame(pageSize.width(), pageSize.height());
    paintGraph(painter, layoutGraph(profile, frame, towerShifted, QtTextMeasure(painter), extras,
                                    translatedSource));
}

} // namespace velt
