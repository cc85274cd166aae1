#include "render/FieldMapPainter.h"

#include "render/PainterHelpers.h"
#include "render/QtTextMeasure.h"
#include "render/Viridis.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace velt {
namespace {

const QColor kNoValueGrey(224, 224, 224);
const QColor kLimitRed(255, 0, 0);
const QColor kLineMagenta(255, 0, 255);
// The wires as the tower preview draws them; shield wires as the graph does.
const QColor kWorkingRed(255, 0, 0);
const QColor kGroundGreen(0, 128, 0);
const QColor kShieldBlue(0, 0, 255);

QColor colourOf(std::int16_t index) {
    if (index < 0) {
        return kNoValueGrey;
    }
    const RgbColour c = viridisColours()[static_cast<std::size_t>(index)];
    return {c.r, c.g, c.b};
}

QImage rasterImage(const MapRaster& r) {
    QImage image(r.width, r.height, QImage::Format_RGB32);
    for (int y = 0; y < r.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < r.width; ++x) {
            line[x] = colourOf(r.colours[static_cast<std::size_t>(y * r.width + x)]).rgb();
        }
    }
    return image;
}

QImage legendImage() {
    QImage image(1, kViridisColours, QImage::Format_RGB32);
    for (int k = 0; k < kViridisColours; ++k) {
        image.setPixel(0, kViridisColours - 1 - k, colourOf(static_cast<std::int16_t>(k)).rgb());
    }
    return image;
}

// A label on a white box, so that it reads over any colour.
void drawBoxedText(QPainter& painter, const PlacedText& text, const QColor& ink) {
    const QFontMetrics metrics = painter.fontMetrics();
    const QString s = QString::fromStdString(text.text);
    painter.fillRect(QRect(text.at.x, text.at.y, metrics.horizontalAdvance(s), metrics.height()),
                     Qt::white);
    painter.setPen(ink);
    drawPlacedText(painter, text);
}

void paintContours(QPainter& painter, const FieldMapLayout& g) {
    const int w = g.frame.lineWidth;
    for (const MapContour& contour : g.contours) {
        painter.setPen(contour.limit ? QPen(kLimitRed, 2 * w) : QPen(Qt::white, w));
        for (const auto& line : contour.lines) {
            // One path a line: a vector document keeps it as one line to edit.
            QPainterPath path;
            path.addPolygon(QPolygonF(polylineOf(line)));
            painter.drawPath(path);
        }
    }
    for (const MapContour& contour : g.contours) {
        if (contour.label) {
            drawBoxedText(painter, *contour.label, contour.limit ? kLimitRed : Qt::black);
        }
    }
}

QColor wireColour(MapWire kind) {
    switch (kind) {
    case MapWire::Ground:
        return kGroundGreen;
    case MapWire::Shield:
        return kShieldBlue;
    case MapWire::Working:
        break;
    }
    return kWorkingRed;
}

void paintScene(QPainter& painter, const FieldMapLayout& g) {
    const int w = g.frame.lineWidth;
    if (g.towerAxis) {
        painter.setPen(QPen(Qt::white, w, Qt::DashDotDotLine));
        drawLine(painter, *g.towerAxis);
    }
    if (g.calculationLine) {
        painter.setPen(QPen(kLineMagenta, 2 * w, Qt::DashLine));
        drawLine(painter, *g.calculationLine);
    }
    if (!g.building.empty()) {
        painter.setPen(QPen(Qt::black, 2 * w));
        painter.drawPolyline(polylineOf(g.building));
    }
    for (const MapWireDot& dot : g.wires) {
        const QColor colour = wireColour(dot.kind);
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
        drawDot(painter, dot.box);
    }
    painter.setBrush(Qt::NoBrush);
}

void paintTicks(QPainter& painter, const std::vector<MapTick>& ticks) {
    for (const MapTick& tick : ticks) {
        drawLine(painter, tick.line);
        drawPlacedText(painter, tick.label);
    }
}

void paintAxesAndLegend(QPainter& painter, const FieldMapLayout& g) {
    painter.setPen(QPen(Qt::black, g.frame.lineWidth));
    painter.drawRect(areaOf(g.plot).adjusted(0, 0, -1, -1));
    paintTicks(painter, g.xTicks);
    paintTicks(painter, g.yTicks);
    drawPlacedText(painter, g.xCaption);
    drawPlacedText(painter, g.yCaption);
    // One band a colour, exactly as the scale has it.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(areaOf(g.legendBar), legendImage());
    painter.drawRect(areaOf(g.legendBar).adjusted(0, 0, -1, -1));
    paintTicks(painter, g.legendTicks);
    drawPlacedText(painter, g.legendUnit);
    painter.setPen(QPen(kLimitRed, 2 * g.frame.lineWidth));
    for (const PixelLine& line : g.legendLimits) {
        drawLine(painter, line);
    }
}

} // namespace

void paintFieldMap(QPainter& painter, const FieldMapLayout& g) {
    painter.save();
    painter.fillRect(QRect(0, 0, g.frame.width, g.frame.height), Qt::white);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(areaOf(g.plot), rasterImage(g.raster));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(areaOf(g.plot));
    paintContours(painter, g);
    paintScene(painter, g);
    painter.setClipping(false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintAxesAndLegend(painter, g);
    const QFont regular = painter.font();
    painter.setPen(Qt::black);
    painter.setFont(styledFont(regular, TextStyle::Bold));
    drawPlacedText(painter, g.title);
    painter.setFont(regular);
    painter.restore();
}

void paintWindowFieldMap(QPainter& painter, QSize size, const FieldMap& map,
                         const CalculationOptions& options) {
    const FieldMapFrame frame = windowMapFrame(size.width(), size.height());
    paintFieldMap(painter,
                  layoutFieldMap(map, options, frame, QtTextMeasure(painter), translatedSource));
}

void paintPrintedFieldMap(QPainter& painter, QSize pageSize, const FieldMap& map,
                          const CalculationOptions& options) {
    const FieldMapFrame frame = printedMapFrame(pageSize.width(), pageSize.height());
    paintFieldMap(painter,
                  layoutFieldMap(map, options, frame, QtTextMeasure(painter), translatedSource));
}

} // namespace velt
