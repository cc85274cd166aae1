#include "render/CalculationDataPanel.h"

#include "model/DecimalText.h"
#include "model/TextSlots.h"
#include "model/Translatable.h"

namespace velt {
namespace {

constexpr int kLeft = 10;

std::string twoNumbers(double a, double b) {
    return "     " + formatNumber("%.2lf", a) + "," + formatNumber("%.2lf", b);
}

} // namespace

std::vector<PanelText> calculationDataTexts(const LineProject& p, const TextMeasure& measure,
                                            SourceTranslator translate) {
    const int h = measure.height("W", TextStyle::Regular);
    const std::uint32_t groundWire = p.phaseConductorCount + 1;
    const double groundY =
        groundWire < static_cast<std::uint32_t>(kConductorSlots) ? p.conductorY[groundWire] : 0.0;
    const auto line = [h](int k, std::string text, TextStyle style = TextStyle::Regular) {
        return PanelText{{{kLeft, k * h}, std::move(text)}, style};
    };
    std::vector<PanelText> texts = {
        line(1, translate(p.fieldKind ? VELT_TRANSLATE_NOOP("velt", "Pole magnetyczne")
                                      : VELT_TRANSLATE_NOOP("velt", "Pole elektryczne"))),
        line(2, translate(VELT_TRANSLATE_NOOP("velt", "SERIA: ")) +
                    textOf(p.towerSeries, sizeof p.towerSeries)),
        line(3, translate(VELT_TRANSLATE_NOOP("velt", "TYP: ")) +
                    textOf(p.towerType, sizeof p.towerType)),
        line(4, formatNumber("h = %.2lf[m]", p.conductorY[1])),
        line(5, formatNumber("ho= %.2lf[m]", groundY)),
        line(6, formatNumber(p.lineKind ? "Xd=%.2lf[m]" : "Y=%.2lf[m]", p.lineCoordinate)),
    };
    if (p.buildingPresent) {
        texts.push_back(
            line(9, translate(VELT_TRANSLATE_NOOP("velt", "BUDYNEK:")), TextStyle::BoldUnderlined));
        texts.push_back(line(10, translate(VELT_TRANSLATE_NOOP("velt", "Wsp. szczytu frontu: [m]")),
                             TextStyle::Bold));
        texts.push_back(line(11, twoNumbers(p.buildingFrontX, p.buildingFrontY), TextStyle::Bold));
        texts.push_back(line(12, translate(VELT_TRANSLATE_NOOP("velt", "Wsp. konca dachu: [m]")),
                             TextStyle::Bold));
        texts.push_back(line(13, twoNumbers(p.buildingRoofX, p.buildingRoofY), TextStyle::Bold));
    }
    return texts;
}

} // namespace velt
