#include "render/CalculationDataPainter.h"

#include "render/CalculationDataPanel.h"
#include "render/PainterHelpers.h"
#include "render/QtTextMeasure.h"

namespace velt {

void paintCalculationData(QPainter& painter, QSize size, const LineProject& project) {
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    painter.setPen(Qt::black);
    const QFont regular = painter.font();
    for (const PanelText& text :
         calculationDataTexts(project, QtTextMeasure(painter), translatedSource)) {
        painter.setFont(styledFont(regular, text.style));
        drawPlacedText(painter, text.placed);
    }
    painter.setFont(regular);
}

} // namespace velt
