#include "render/QtTextMeasure.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

namespace velt {

QFont styledFont(const QFont& base, TextStyle style) {
    QFont font = base;
    font.setBold(style != TextStyle::Regular);
    font.setUnderline(style == TextStyle::BoldUnderlined);
    return font;
}

QtTextMeasure::QtTextMeasure(const QPainter& painter)
    : QtTextMeasure(painter.font(), painter.device()) {}

QtTextMeasure::QtTextMeasure(const QFont& font, QPaintDevice* device)
    : font_(font), device_(device) {}

int QtTextMeasure::width(std::string_view text, TextStyle style) const {
    const QFontMetrics metrics(styledFont(font_, style), device_);
    return metrics.horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

int QtTextMeasure::height(std::string_view /*text*/, TextStyle style) const {
    return QFontMetrics(styledFont(font_, style), device_).height();
}

} // namespace velt
