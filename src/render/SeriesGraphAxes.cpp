// Ticks, labels, captions and grid of the series graph.

#include "model/Translatable.h"
#include "render/SeriesGraphLayoutParts.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace velt {
namespace {

const char* const kElectricCaption = "E [kV/m]";
const char* const kMagneticCaption = "H [A/m]";
const char* const kSurfaceCaption = "Emx [kV/cm]";
const char* const kZoneCaption = VELT_TRANSLATE_NOOP("velt", "Szerokość strefy [m]");

// The varied values (or a choice's texts) under the plot, each only where the previous one
// leaves room for it.
void layoutAcross(const SeriesLayoutContext& c, SeriesGraphLayout& g) {
    const int th = c.textHeight;
    const int tick = th / 2;
    const auto& choices = c.graph.choices;
    std::vector<std::pair<double, std::string>> labels;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        labels.emplace_back(static_cast<double>(i), choices[i]);
    }
    if (choices.empty()) {
        for (const double v : c.x.ticks()) {
            labels.emplace_back(v, seriesNumber(v));
        }
    }
    std::optional<int> lastRight;
    for (auto& [value, text] : labels) {
        const int x = c.x.at(value);
        const int w = c.measure.width(text, TextStyle::Regular);
        if (lastRight && x - w / 2 < *lastRight + th / 2) {
            text.clear();
        } else {
            lastRight = x - w / 2 + w;
        }
        const int bottom = g.plot.bottom;
        g.xTicks.push_back({{{x, bottom}, {x, bottom + tick}}, {{x - w / 2, bottom + tick}, text}});
    }
    std::string caption = c.graph.quantity;
    if (!c.graph.unit.empty()) {
        caption += " [" + c.graph.unit + "]";
    }
    const int w = c.measure.width(caption, TextStyle::Regular);
    g.xCaption = {{(g.plot.left + g.plot.right - w) / 2, g.plot.bottom + tick + th}, caption};
}

// Labels beside an upward scale: left of the plot's edge `edge` when `left`, else right.
std::vector<SeriesTick> upwardTicks(const SeriesLayoutContext& c, const SeriesScale& scale,
                                    int edge, bool left) {
    const int th = c.textHeight;
    const int tick = th / 2;
    std::vector<SeriesTick> ticks;
    for (const double v : scale.ticks()) {
        const int y = scale.at(v);
        const std::string text = seriesNumber(v);
        const int w = c.measure.width(text, TextStyle::Regular);
        const int labelX = left ? edge - tick - w - th / 4 : edge + tick + th / 4;
        const PixelLine line =
            left ? PixelLine{{edge - tick, y}, {edge, y}} : PixelLine{{edge, y}, {edge + tick, y}};
        ticks.push_back({line, {{labelX, y - th / 2}, text}});
    }
    return ticks;
}

} // namespace

const char* seriesValueCaption(SeriesField field) {
    switch (field) {
    case SeriesField::Magnetic:
        return kMagneticCaption;
    case SeriesField::Surface:
        return kSurfaceCaption;
    case SeriesField::Electric:
        break;
    }
    return kElectricCaption;
}

void layoutSeriesAxes(const SeriesLayoutContext& c, SeriesGraphLayout& g) {
    const int th = c.textHeight;
    const PixelRect& p = g.plot;
    layoutAcross(c, g);
    g.valueTicks = upwardTicks(c, c.value, p.left, true);
    for (const SeriesTick& tick : g.valueTicks) {
        g.grid.push_back({{p.left, tick.line.to.y}, {p.right, tick.line.to.y}});
    }
    const int captionTop = p.top - th - th / 2;
    g.valueCaption = {{g.frame.margin, captionTop}, c.translate(seriesValueCaption(c.graph.field))};
    if (c.zone) {
        g.zoneTicks = upwardTicks(c, *c.zone, p.right, false);
        const std::string caption = c.translate(kZoneCaption);
        const int w = c.measure.width(caption, TextStyle::Regular);
        g.zoneCaption = PlacedText{{g.frame.width - g.frame.margin - w, captionTop}, caption};
    }
}

} // namespace velt
