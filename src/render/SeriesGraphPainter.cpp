#include "render/SeriesGraphPainter.h"

#include "render/PainterHelpers.h"
#include "render/QtTextMeasure.h"

#include <QPainter>
#include <QPainterPath>

namespace velt {
namespace {

const QColor kGridGrey(224, 224, 224);

// The graph's own colours, which the GIF palette keeps exactly.
QColor colourOf(SeriesInk ink) {
    switch (ink) {
    case SeriesInk::Red:
        return {255, 0, 0};
    case SeriesInk::Blue:
        return {0, 0, 255};
    case SeriesInk::Green:
        return {0, 128, 0};
    case SeriesInk::Black:
        break;
    }
    return {0, 0, 0};
}

void paintTicks(QPainter& painter, const std::vector<SeriesTick>& ticks) {
    for (const SeriesTick& tick : ticks) {
        drawLine(painter, tick.line);
        drawPlacedText(painter, tick.label);
    }
}

void paintAxes(QPainter& painter, const SeriesGraphLayout& g) {
    const int w = g.frame.lineWidth;
    painter.setPen(QPen(kGridGrey, w));
    for (const PixelLine& line : g.grid) {
        drawLine(painter, line);
    }
    painter.setPen(QPen(Qt::black, w));
    painter.drawRect(areaOf(g.plot).adjusted(0, 0, -1, -1));
    paintTicks(painter, g.xTicks);
    paintTicks(painter, g.valueTicks);
    drawPlacedText(painter, g.xCaption);
    drawPlacedText(painter, g.valueCaption);
    painter.setPen(QPen(colourOf(SeriesInk::Blue), w));
    paintTicks(painter, g.zoneTicks);
    if (g.zoneCaption) {
        drawPlacedText(painter, *g.zoneCaption);
    }
}

void paintLines(QPainter& painter, const SeriesGraphLayout& g) {
    const int w = g.frame.lineWidth;
    painter.setClipRect(areaOf(g.plot));
    for (const SeriesCurve& curve : g.curves) {
        painter.setPen(QPen(colourOf(curve.ink), 2 * w));
        if (curve.points.size() == 1) {
            // A calculation between two refused ones.
            const PixelPoint p = curve.points.front();
            painter.drawRect(QRect(p.x - w, p.y - w, 2 * w, 2 * w));
            continue;
        }
        // One path a run: a vector document keeps it as one line to edit.
        QPainterPath path;
        path.addPolygon(QPolygonF(polylineOf(curve.points)));
        painter.drawPath(path);
    }
    if (g.levelLine) {
        painter.setPen(QPen(colourOf(SeriesInk::Red), w, Qt::DashLine));
        drawLine(painter, *g.levelLine);
    }
    if (g.markedLine) {
        painter.setPen(QPen(colourOf(SeriesInk::Green), 2 * w));
        drawLine(painter, *g.markedLine);
    }
    painter.setClipping(false);
}

void paintLegend(QPainter& painter, const SeriesGraphLayout& g) {
    const int w = g.frame.lineWidth;
    painter.fillRect(areaOf(g.legendBox), Qt::white);
    painter.setPen(QPen(Qt::black, w));
    painter.drawRect(areaOf(g.legendBox).adjusted(0, 0, -1, -1));
    for (const SeriesLegendEntry& entry : g.legend) {
        painter.setPen(QPen(colourOf(entry.ink), entry.dashed ? w : 2 * w,
                            entry.dashed ? Qt::DashLine : Qt::SolidLine));
        drawLine(painter, entry.stroke);
        painter.setPen(Qt::black);
        drawPlacedText(painter, entry.text);
    }
}

// Laid out in the painter's font on its device, and drawn.
void paintInFrame(QPainter& painter, const SeriesGraph& graph, const SeriesGraphFrame& frame) {
    const QtTextMeasure measure(painter);
    paintSeriesGraph(painter, layoutSeriesGraph(graph, frame, measure, translatedSource));
}

} // namespace

void paintSeriesGraph(QPainter& painter, const SeriesGraphLayout& g) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.fillRect(QRect(0, 0, g.frame.width, g.frame.height), Qt::white);
    paintAxes(painter, g);
    paintLines(painter, g);
    paintLegend(painter, g);
    // The title last: the painter's own font comes back with the rest of its state.
    painter.setPen(Qt::black);
    painter.setFont(styledFont(painter.font(), TextStyle::Bold));
    drawPlacedText(painter, g.title);
    painter.restore();
}

void paintWindowSeriesGraph(QPainter& painter, QSize size, const SeriesGraph& graph) {
    paintInFrame(painter, graph, windowSeriesFrame(size.width(), size.height()));
}

void paintPrintedSeriesGraph(QPainter& painter, QSize pageSize, const SeriesGraph& graph) {
    paintInFrame(painter, graph, printedSeriesFrame(pageSize.width(), pageSize.height()));
}

} // namespace velt
