#include "render/CalculationDataPanel.h"

#include "model/DecimalText.h"
#include "model/TextSlots.h"

#include <QFontMetrics>
#include <QPainter>

namespace velt {
namespace {

constexpr int kLeft = 10;

std::string twoNumbers(double a, double b) {
    return "     " + formatNumber("%.2lf", a) + "," + formatNumber("%.2lf", b);
}

} // namespace

std::vector<PanelText> calculationDataTexts(const LineProject& p, int h) {
    const std::uint32_t groundWire = p.phaseConductorCount + 1;
    const double groundY =
        groundWire < static_cast<std::uint32_t>(kConductorSlots) ? p.conductorY[groundWire] : 0.0;
    std::vector<PanelText> texts = {
        {kLeft, h, p.fieldKind ? "Pole magnetyczne" : "Pole elektryczne"},
        {kLeft, 2 * h, "SERIA: " + textOf(p.towerSeries, sizeof p.towerSeries)},
        {kLeft, 3 * h, "TYP: " + textOf(p.towerType, sizeof p.towerType)},
        {kLeft, 4 * h, formatNumber("h = %.2lf[m]", p.conductorY[1])},
        {kLeft, 5 * h, formatNumber("ho= %.2lf[m]", groundY)},
        {kLeft, 6 * h,
         formatNumber(p.lineKind ? "Xd=%.2lf[m]" : "Y=%.2lf[m]", p.lineCoordinate)},
    };
    if (p.buildingPresent) {
        texts.push_back({kLeft, 9 * h, "BUDYNEK:", true, true});
        texts.push_back({kLeft, 10 * h, "Wsp. szczytu frontu: [m]", true});
        texts.push_back({kLeft, 11 * h, twoNumbers(p.buildingFrontX, p.buildingFrontY), true});
        texts.push_back({kLeft, 12 * h, "Wsp. konca dachu: [m]", true});
        texts.push_back({kLeft, 13 * h, twoNumbers(p.buildingRoofX, p.buildingRoofY), true});
    }
    return texts;
}

void paintCalculationData(QPainter& painter, QSize size, const LineProject& project) {
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    painter.setPen(Qt::black);
    const QFont regular = painter.font();
    const int h = QFontMetrics(regular).height();
    for (const PanelText& text : calculationDataTexts(project, h)) {
        QFont font = regular;
        font.setBold(text.bold);
        font.setUnderline(text.underline);
        painter.setFont(font);
        // Texts stand with their top-left corner at the point.
        painter.drawText(QRect(text.x, text.y, size.width(), h), Qt::AlignLeft | Qt::AlignTop,
                         QString::fromStdString(text.text));
    }
    painter.setFont(regular);
}

} // namespace velt
