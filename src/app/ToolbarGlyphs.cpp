// The toolbar glyphs, drawn at start-up.

#include "app/ToolbarGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace velt {

namespace {

constexpr int kSide = 18;

void drawTower(QPainter& p) {
    // A lattice tower with a cross-arm and a star: a new tower.
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.drawLine(QPointF(5, 17), QPointF(8, 3));
    p.drawLine(QPointF(13, 17), QPointF(10, 3));
    p.drawLine(QPointF(2, 6), QPointF(16, 6));
    p.drawLine(QPointF(6, 12), QPointF(12, 9));
    p.drawLine(QPointF(6, 9), QPointF(12, 12));
    p.setPen(QPen(QColor(220, 160, 0), 1.6));
    p.drawLine(QPointF(14, 0.5), QPointF(14, 5.5));
    p.drawLine(QPointF(11.5, 3), QPointF(16.5, 3));
}

void drawFolder(QPainter& p) {
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRectF(1.5, 5.5, 15, 10));
    p.drawRect(QRectF(1.5, 3.5, 6, 2));
    p.setBrush(QColor(250, 225, 130));
    QPainterPath front;
    front.moveTo(1.5, 15.5);
    front.lineTo(4.5, 8.5);
    front.lineTo(17.5, 8.5);
    front.lineTo(14.5, 15.5);
    front.closeSubpath();
    p.drawPath(front);
}

void drawDisk(QPainter& p) {
    p.setPen(QColor(20, 40, 110));
    p.setBrush(QColor(50, 90, 190));
    p.drawRect(QRectF(1.5, 1.5, 15, 15));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 9, 6));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4.5, 10.5, 9, 6));
}

void drawPrinter(QPainter& p) {
    p.setPen(QColor(50, 50, 50));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 9, 6));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(1.5, 7.5, 15, 6));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 11.5, 9, 5));
    p.setPen(QColor(0, 150, 0));
    p.drawPoint(QPointF(14, 9.5));
}

void drawCalculate(QPainter& p) {
    // A lightning bolt: the field of the line.
    QPainterPath bolt;
    bolt.moveTo(11, 0.5);
    bolt.lineTo(3.5, 10);
    bolt.lineTo(8.5, 10);
    bolt.lineTo(6, 17.5);
    bolt.lineTo(14.5, 7);
    bolt.lineTo(9.5, 7);
    bolt.closeSubpath();
    p.setPen(QColor(170, 60, 0));
    p.setBrush(QColor(255, 190, 0));
    p.drawPath(bolt);
}

void drawHelp(QPainter& p) {
    p.setPen(QColor(20, 60, 150));
    p.setBrush(QColor(60, 120, 220));
    p.drawEllipse(QRectF(1, 1, 16, 16));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(13);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1, 1, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
}

void drawExit(QPainter& p) {
    // A door with an arrow leading out.
    p.setPen(QColor(90, 50, 20));
    p.setBrush(QColor(180, 120, 60));
    p.drawRect(QRectF(2.5, 1.5, 8, 15));
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.drawLine(QPointF(8, 9), QPointF(16, 9));
    p.drawLine(QPointF(13, 6), QPointF(16, 9));
    p.drawLine(QPointF(13, 12), QPointF(16, 9));
}

} // namespace

QIcon toolbarGlyph(const QString& button) {
    void (*draw)(QPainter&) = nullptr;
    if (button == QLatin1String("BitBtn4")) {
        draw = drawTower;
    } else if (button == QLatin1String("BitBtn3")) {
        draw = drawFolder;
    } else if (button == QLatin1String("BitBtn5")) {
        draw = drawDisk;
    } else if (button == QLatin1String("BitBtn11")) {
        draw = drawPrinter;
    } else if (button == QLatin1String("BitBtn1")) {
        draw = drawCalculate;
    } else if (button == QLatin1String("BitBtn10")) {
        draw = drawHelp;
    } else if (button == QLatin1String("BitBtn2")) {
        draw = drawExit;
    }
    if (draw == nullptr) {
        return {};
    }
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

} // namespace velt
