#include "app/VariantGraph.h"

#include <QPainter>

namespace velt {

void paintVariantGraph(QPainter& painter, QSize size, const FieldProfile& record,
                       bool liveTowerShifted) {
    (void)record;
    (void)liveTowerShifted;
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
}

} // namespace velt
