#pragma once
// The pixel shapes on a QPainter, with the canvas conventions of the pictures: rectangles
// and ellipses leave out their right and bottom edge, texts stand on their top-left corner.

#include "render/PixelGeometry.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPolygon>
#include <QRect>
#include <QString>

#include <string>
#include <vector>

namespace velt {

inline QPoint toQt(PixelPoint p) {
    return {p.x, p.y};
}

/// The area a canvas rectangle covers, as a clip or fill rectangle.
inline QRect areaOf(const PixelRect& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

/// A filled ellipse with a one-pixel outline that covers exactly the box's pixels.
inline void drawDot(QPainter& painter, const PixelRect& box) {
    painter.drawEllipse(
        QRect(box.left, box.top, box.right - box.left - 1, box.bottom - box.top - 1));
}

/// The points of a line as a polygon of the canvas.
inline QPolygon polylineOf(const std::vector<PixelPoint>& points) {
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const PixelPoint& p : points) {
        polygon.append(toQt(p));
    }
    return polygon;
}

inline void drawLine(QPainter& painter, const PixelLine& line) {
    painter.drawLine(toQt(line.from), toQt(line.to));
}

/// Draws `text` with its top-left corner at its point, in the painter's font.
inline void drawPlacedText(QPainter& painter, const PlacedText& text) {
    const int ascent = painter.fontMetrics().ascent();
    painter.drawText(QPoint(text.at.x, text.at.y + ascent), QString::fromStdString(text.text));
}

/// A picture's source text in the user's language (context "velt").
inline std::string translatedSource(const char* source) {
    return QCoreApplication::translate("velt", source).toStdString();
}

} // namespace velt
