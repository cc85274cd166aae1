// A drawing area painted by a function.

#include "dialogs/PaintBox.h"

#include <QPainter>

namespace velt {

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {}

void PaintBox::setPainter(Painter painter) {
    painter_ = std::move(painter);
    update();
}

void PaintBox::paintEvent(QPaintEvent*) {
    if (painter_) {
        QPainter painter(this);
        painter_(painter, size());
    }
}

} // namespace velt
