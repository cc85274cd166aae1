// The information panel of the field graph and the texts of a calculation on the conductors.

#include "analysis/MagneticUnits.h"
#include "model/DecimalText.h"
#include "model/TextSlots.h"
#include "model/Translatable.h"
#include "render/GraphLayoutParts.h"

#include <algorithm>

namespace velt {
namespace {

std::string pairText(double a, double b) {
    return "     " + formatNumber("%.2lf", a) + "," + formatNumber("%.2lf", b);
}

void writeBuilding(const FieldProfile& f, SourceTranslator t, PanelWriter& w) {
    w.line(9, t(VELT_TRANSLATE_NOOP("velt", "BUDYNEK:")), TextStyle::BoldUnderlined);
    w.line(10, t(VELT_TRANSLATE_NOOP("velt", "Wsp. szczytu frontu: [m]")));
    const double axis = f.resultAxisX;
    w.line(11, pairText(buildingInProfile(f, f.resultBuildingX1) - axis, f.resultBuildingY1));
    w.line(12, t(VELT_TRANSLATE_NOOP("velt", "Wsp. konca dachu: [m]")));
    w.line(13, pairText(buildingInProfile(f, f.resultBuildingX2) - axis, f.resultBuildingY2));
}

// The names of the three curves, each with a stroke in the curve's style.
void writeLegend(const TextMeasure& measure, bool microtesla, PanelWriter& w) {
    const int q = measure.width("HHHH", TextStyle::Regular);
    const struct {
        int k;
        const char* name;
        GraphInk ink;
        GraphDash dash;
    } entries[] = {{15, microtesla ? "B  :" : "H  :", GraphInk::Black, GraphDash::Solid},
                   {16, microtesla ? "Bx :" : "Hx :", GraphInk::Green, GraphDash::DashDot},
                   {17, microtesla ? "By :" : "Hy :", GraphInk::Blue, GraphDash::DashDotDot}};
    for (const auto& e : entries) {
        w.line(e.k, e.name);
        const int y = w.lineTop(e.k) + w.lineHeight / 2;
        w.g.legend.push_back({{{w.left + q, y}, {w.left + 4 * q, y}}, e.ink, e.dash});
    }
}

// The maximum in the panel: E, H, or B in uT.
std::string maximumText(const FieldProfile& f, const GraphAdditions& a) {
    if (!f.resultFieldKind) {
        return formatNumber("Emax=%.2lf[kV/m]", f.resultMaxValue);
    }
    if (a.microtesla(f)) {
        return formatNumber("Bmax=%.2lf[µT]", microteslaOf(f.resultMaxValue));
    }
    return formatNumber("Hmax=%.2lf[A/m]", f.resultMaxValue);
}

} // namespace

void layoutPanel(const FieldProfile& f, const TextMeasure& measure, const GraphAdditions& a,
                 GraphLayout& g) {
    const int margin = g.frame.textMargin;
    PanelWriter w{g, g.frame.panelLeft + margin, margin, measure.height("W", TextStyle::Bold)};
    const bool magnetic = f.resultFieldKind;
    const int firstGroundWire = std::clamp(f.resultPhaseConductorCount + 1, 1, kConductorSlots - 1);
    const SourceTranslator t = a.translate;
    w.line(0, t(magnetic ? VELT_TRANSLATE_NOOP("velt", "Pole magnetyczne")
                         : VELT_TRANSLATE_NOOP("velt", "Pole elektryczne")));
    w.line(2, t(VELT_TRANSLATE_NOOP("velt", "SERIA: ")) +
                  textOf(f.resultTowerSeries, sizeof f.resultTowerSeries));
    w.line(3, t(VELT_TRANSLATE_NOOP("velt", "TYP: ")) +
                  textOf(f.resultTowerType, sizeof f.resultTowerType));
    w.line(4, formatNumber("h = %.2lf[m]", f.resultConductorY[1]));
    w.line(5, formatNumber("ho= %.2lf[m]", f.resultConductorY[firstGroundWire]));
    w.line(6, f.resultLineKind ? formatNumber("Xd=%.2lf[m]", f.resultLineX)
                               : formatNumber("Y=%.2lf[m]", f.resultPointY));
    w.line(7, maximumText(f, a));
    if (f.resultBuildingPresent) {
        writeBuilding(f, t, w);
    }
    if (magnetic) {
        writeLegend(measure, a.microtesla(f), w);
    }
    if (a.extras != nullptr) {
        writePanelExtras(f, a, w, magnetic ? 19 : f.resultBuildingPresent ? 15 : 9);
    }
}

std::vector<PlacedText> surfaceTexts(const FieldProfile& f, const GraphFrame& frame,
                                     const TextMeasure& measure, const GraphAdditions& a) {
    const SourceTranslator t = a.translate;
    std::vector<std::string> lines;
    if (f.resultFieldKind) {
        lines = {t(VELT_TRANSLATE_NOOP("velt", "Maksymalna wartość indukcji magnetycznej")),
                 t(VELT_TRANSLATE_NOOP("velt", "na powierzchni przewodow wynosi:")),
                 formatNumber("Emx = %5.2lf mT", f.maxSurfaceGradient)};
    } else {
        lines = {t(VELT_TRANSLATE_NOOP("velt", "Maksymalna wartosc natezenia pola elektrycznego")),
                 t(VELT_TRANSLATE_NOOP("velt", "na powierzchni przewodow wynosi:")),
                 formatNumber("Emx = %5.2lf kV/cm", f.maxSurfaceGradient)};
        if (f.interferenceComputed) {
            lines.push_back(
                t(VELT_TRANSLATE_NOOP("velt", "Poziom zaklocen w/g kolejnych wzorow [dB]")));
            for (int k = 0; k < 5; ++k) {
                lines.push_back(std::to_string(k + 1) +
                                formatNumber(". %8.2lf", f.interferenceLevel[k]));
            }
        }
    }
    const int h = measure.height("H", TextStyle::Regular);
    std::vector<PlacedText> texts;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const int y = k == 0 ? frame.surfaceTop : frame.surfaceTop + static_cast<int>(k) * h + 5;
        const int w = measure.width(lines[k], TextStyle::Regular);
        texts.push_back({{frame.surfaceCentre - w / 2, y}, lines[k]});
    }
    const SurfaceExtras* s = a.extras != nullptr ? &a.extras->surface : nullptr;
    if (s != nullptr && s->computed && s->method == SurfaceMethod::Accurate) {
        addAccurateSurfaceTexts(*s, frame, measure, a.translate, static_cast<int>(lines.size()) + 1,
                                texts);
    }
    return texts;
}

} // namespace velt
