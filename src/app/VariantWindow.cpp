// The paint area of a variant window.

#include "app/VariantWindow.h"

#include "render/GraphDocuments.h"
#include "render/GraphPainter.h"

#include <QPainter>

namespace velt {

VariantView::VariantView(const FieldProfile& live, std::function<bool()> towerShifted,
                         QWidget* parent)
    : QWidget(parent), record_(std::make_unique<FieldProfile>(live)),
      towerShifted_(std::move(towerShifted)) {
    setObjectName(QStringLiteral("PaintBox1"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

VariantView::~VariantView() = default;

QImage VariantView::picture() const {
    // Drawn at the window's size in logical pixels, as velt-calc draws it: on a scaled
    // display the window's own pixels would give a picture of another size.
    return graphImage(size(), *record_, towerShifted_ && towerShifted_());
}

void VariantView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintWindowGraph(painter, size(), *record_, towerShifted_ && towerShifted_());
}

QString variantCaption(int number) {
    return QStringLiteral("Wariant %1.").arg(number);
}

} // namespace velt
