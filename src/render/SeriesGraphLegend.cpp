// The legend of the series graph: what each line is, the level and the value that meets it.

#include "model/DecimalText.h"
#include "model/Translatable.h"
#include "render/SeriesGraphLayoutParts.h"

#include <algorithm>

namespace velt {
namespace {

const char* const kFieldEntry = VELT_TRANSLATE_NOOP("velt", "Największa wartość pola");
const char* const kZoneEntry = VELT_TRANSLATE_NOOP("velt", "Szerokość strefy");
const char* const kMarkedEntry =
    VELT_TRANSLATE_NOOP("velt", "Najmniejsza wartość spełniająca poziom: %1");
const char* const kMarkedAtEntry = VELT_TRANSLATE_NOOP(
    "velt", "Najmniejsza wartość spełniająca poziom w odległości %2 m od osi linii: %1");
const char* const kNotMetEntry = VELT_TRANSLATE_NOOP("velt", "Żadna wartość nie spełnia poziomu");

// The marked value as the axis reads it: a number with its unit, or a choice's text.
std::string markedText(const SeriesGraph& graph, double marked) {
    if (!graph.choices.empty()) {
        const auto i = static_cast<std::size_t>(std::max(0.0, marked));
        return i < graph.choices.size() ? graph.choices[i] : std::string();
    }
    const std::string number = seriesNumber(marked);
    return graph.unit.empty() ? number : number + " " + graph.unit;
}

std::string markedEntry(const SeriesLayoutContext& c) {
    const SeriesGraph& graph = c.graph;
    if (!graph.marked) {
        return c.translate(kNotMetEntry);
    }
    const std::string value = markedText(graph, *graph.marked);
    if (graph.markedAt) {
        return filledIn(c.translate(kMarkedAtEntry), {value, seriesNumber(*graph.markedAt)});
    }
    return filledIn(c.translate(kMarkedEntry), {value});
}

struct Entry {
    SeriesInk ink;
    bool dashed;
    std::string text;
};

std::vector<Entry> entriesOf(const SeriesLayoutContext& c) {
    std::vector<Entry> entries{{SeriesInk::Black, false, c.translate(kFieldEntry)}};
    if (const auto& level = c.graph.level) {
        entries.push_back({SeriesInk::Blue, false, c.translate(kZoneEntry)});
        entries.push_back(
            {SeriesInk::Red, true,
             c.translate(level->name.c_str()) + ": " + formatNumber("%.4g", level->value)});
        entries.push_back({SeriesInk::Green, false, markedEntry(c)});
    }
    return entries;
}

} // namespace

int seriesLegendRows(const SeriesGraph& graph) {
    return graph.level ? 4 : 1;
}

void layoutSeriesLegend(const SeriesLayoutContext& c, SeriesGraphLayout& g) {
    const int th = c.textHeight;
    const std::vector<Entry> entries = entriesOf(c);
    int widest = 0;
    for (const Entry& e : entries) {
        widest = std::max(widest, c.measure.width(e.text, TextStyle::Regular));
    }
    const int stroke = 3 * th;
    const int left = g.plot.left;
    const int top = g.xCaption.at.y + th + th / 2;
    const int count = static_cast<int>(entries.size());
    g.legendBox = {left, top, left + th + stroke + th / 2 + widest, top + count * th + th / 2};
    int y = top + th / 4;
    for (const Entry& e : entries) {
        const int middle = y + th / 2;
        const PixelLine line{{left + th / 2, middle}, {left + th / 2 + stroke, middle}};
        g.legend.push_back({line, e.ink, e.dashed, {{line.to.x + th / 2, y}, e.text}});
        y += th;
    }
}

} // namespace velt
