#pragma once
// Text sizes of a QPainter's font on its device, for the graph layout.

#include "render/TextMeasure.h"

#include <QFont>

class QPaintDevice;
class QPainter;

namespace velt {

/// The font variant of `style` derived from `base`.
QFont styledFont(const QFont& base, TextStyle style);

class QtTextMeasure : public TextMeasure {
  public:
    /// Measures in the painter's current font on the painter's device.
    explicit QtTextMeasure(const QPainter& painter);
    QtTextMeasure(const QFont& font, QPaintDevice* device);

    int width(std::string_view text, TextStyle style) const override;
    int height(std::string_view text, TextStyle style) const override;

  private:
    QFont font_;
    QPaintDevice* device_;
};

} // namespace velt
