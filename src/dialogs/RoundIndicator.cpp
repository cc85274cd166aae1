// A round lamp.

#include "dialogs/RoundIndicator.h"

#include <QPainter>

namespace velt {

RoundIndicator::RoundIndicator(QWidget* parent) : QWidget(parent) {}

void RoundIndicator::setColour(const QColor& colour) {
    if (colour != colour_) {
        colour_ = colour;
        update();
    }
}

void RoundIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(colour_);
    const int side = qMin(width(), height()) - 1;
    painter.drawEllipse(QRect((width() - side) / 2, (height() - side) / 2, side, side));
}

} // namespace velt
