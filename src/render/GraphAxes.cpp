// Ticks, grid, labels and captions of the field graph.

#include "model/DecimalText.h"
#include "render/GraphLayoutParts.h"

#include <cmath>

namespace velt {
namespace {

constexpr int kTicksAcross = 50;
constexpr int kTicksUp = 50;
constexpr int kLabelEvery = 5;

// Distance labels: distances from the tower axis, each only where the previous one leaves
// room for it.
void layoutDistanceAxis(const LayoutContext& c, GraphLayout& g) {
    const GraphFrame& fr = c.frame;
    const GraphScales& s = c.map.scales;
    const int axisY = fr.axisY();
    int lastLabel = 0;
    for (int i = 0; i <= kTicksAcross; ++i) {
        const int x = pixel(fr.left + i * s.gx);
        g.ticks.push_back({{x, axisY}, {x, axisY - fr.tick}});
        if (i % kLabelEvery != 0) {
            continue;
        }
        g.ticks.push_back({{x, axisY}, {x, fr.top}});
        const int k = i / kLabelEvery;
        const std::string text =
            formatNumber(fr.xLabelFormat, std::fabs(s.xMax * 0.1 * k - s.axis));
        const int w = c.measure.width(text, TextStyle::Regular);
        if (i == 0 || x - lastLabel >= w) {
            g.xLabels.push_back({{x - w / 2, fr.xLabelTop}, text});
            lastLabel = x;
        }
    }
}

// One label column beside the value axis; a label closer than a text height to the one
// above it is left out.
struct LabelColumn {
    std::vector<PlacedText>& labels;
    int last = 0;

    void add(const TextMeasure& measure, int i, int y, const std::string& text, int rightEdge) {
        const int w = measure.width(text, TextStyle::Regular);
        const int h = measure.height(text, TextStyle::Regular);
        if (i == 0 || y - last >= h) {
            labels.push_back({{rightEdge - w, y - h / 2}, text});
            last = y;
        }
    }
};

// Values on the left, conductor heights (horizontal lines) on the right, from the top down.
// An induction axis in uT has its own round scale (graphScales), so its labels are read
// straight off the scale as those in A/m are.
void layoutValueAxis(const LayoutContext& c, GraphLayout& g) {
    const GraphFrame& fr = c.frame;
    const GraphScales& s = c.map.scales;
    const bool heights = !c.profile.resultLineKind;
    LabelColumn values{g.valueLabels};
    LabelColumn heightLabels{g.heightLabels};
    for (int i = 0; i < kTicksUp; ++i) {
        const int y = pixel(fr.top + i * s.gy);
        g.ticks.push_back({{fr.left, y}, {fr.left + fr.tick, y}});
        if (i % kLabelEvery != 0) {
            continue;
        }
        g.ticks.push_back({{fr.left, y}, {fr.left + fr.plotW, y}});
        const int k = 10 - i / kLabelEvery;
        values.add(c.measure, i, y, formatNumber("%.2lf", k * s.valueScale * 0.1), fr.left - 5);
        if (heights) {
            heightLabels.add(c.measure, i, y, formatNumber("%.1lf", k * s.heightScale * 0.1),
                             fr.panelLeft - 20);
        }
    }
}

// x of a caption `gap` pixels left of the panel; the printout measures from the margin.
int captionX(const GraphFrame& fr, int width, int gap) {
    return fr.printed ? fr.panelLeft + width - fr.left - gap : fr.panelLeft - width - gap;
}

void layoutCaptions(const LayoutContext& c, GraphLayout& g) {
    const GraphFrame& fr = c.frame;
    const auto add = [&](const std::string& text, int gap, int y) {
        const int w = c.measure.width(text, TextStyle::Regular);
        g.captions.push_back({{captionX(fr, w, gap), y}, text});
    };
    const char* const quantity = !c.profile.resultFieldKind          ? "E [kV/m]"
                                 : c.additions.microtesla(c.profile) ? "B [µT]"
                                                                     : "H [A/m]";
    g.captions.push_back({{5, fr.captionTop}, quantity});
    if (c.profile.resultLineKind) {
        add("y[m]", 5, fr.xLabelTop);
    } else {
        add("h [m]", 20, fr.captionTop);
        add("x[m]", 5, fr.xLabelTop);
    }
}

} // namespace

void layoutAxes(const LayoutContext& c, GraphLayout& g) {
    layoutDistanceAxis(c, g);
    layoutValueAxis(c, g);
    layoutCaptions(c, g);
}

} // namespace velt
