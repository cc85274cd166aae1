#include "render/SeriesGraphLayout.h"

#include "model/DecimalText.h"
#include "model/Translatable.h"
#include "render/MapLevels.h"
#include "render/SeriesGraphLayoutParts.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace velt {
namespace {

// Source texts of the picture; the painter's translator gives them in the user's language
// (context "velt").
const char* const kElectricTitle =
    VELT_TRANSLATE_NOOP("velt", "Największe natężenie pola elektrycznego w serii obliczeń");
const char* const kMagneticTitle =
    VELT_TRANSLATE_NOOP("velt", "Największe natężenie pola magnetycznego w serii obliczeń");
const char* const kSurfaceTitle =
    VELT_TRANSLATE_NOOP("velt", "Największe natężenie pola na powierzchni przewodów w serii");

// Ticks a hair past a scale's end still count as on it.
constexpr double kTickTolerance = 1e-9;

const char* titleOf(SeriesField field) {
    switch (field) {
    case SeriesField::Magnetic:
        return kMagneticTitle;
    case SeriesField::Surface:
        return kSurfaceTitle;
    case SeriesField::Electric:
        break;
    }
    return kElectricTitle;
}

// The varied values from the smallest to the largest; a choice's places half a place in from
// the edges; a single value in the middle of two units.
SeriesScale acrossScale(const SeriesGraph& graph) {
    SeriesScale s;
    if (!graph.choices.empty()) {
        s.from = -0.5;
        s.to = static_cast<double>(graph.choices.size()) - 0.5;
        return s;
    }
    if (graph.points.empty()) {
        return s;
    }
    const auto [lo, hi] = std::minmax_element(
        graph.points.begin(), graph.points.end(),
        [](const SeriesGraphPoint& a, const SeriesGraphPoint& b) { return a.x < b.x; });
    s.from = lo->x;
    s.to = hi->x;
    if (s.from == s.to) {
        s.from -= 1.0;
        s.to += 1.0;
    }
    return s;
}

// From 0 up to the first tick at or above `largest`, ticks at least two lines apart.
SeriesScale upwardScale(double largest, int bottom, int top, int textHeight) {
    SeriesScale s;
    s.start = bottom;
    s.end = top;
    s.step = seriesStep(largest, std::max(1, (bottom - top) / (2 * textHeight)));
    s.to = largest > 0.0 ? std::ceil(largest / s.step - kTickTolerance) * s.step : s.step;
    return s;
}

double largestValue(const SeriesGraph& graph) {
    double top = graph.level ? graph.level->value : 0.0;
    for (const SeriesGraphPoint& p : graph.points) {
        top = std::max(top, p.max.value_or(0.0));
    }
    return top;
}

double largestZone(const SeriesGraph& graph) {
    double top = 0.0;
    for (const SeriesGraphPoint& p : graph.points) {
        top = std::max(top, p.zone.value_or(0.0));
    }
    return top;
}

int widestLabel(const SeriesLayoutContext& c, const SeriesScale& scale) {
    int widest = 0;
    for (const double v : scale.ticks()) {
        widest = std::max(widest, c.measure.width(seriesNumber(v), TextStyle::Regular));
    }
    return widest;
}

// The runs of one quantity of the points: `member` of each, on `scale`.
void addRuns(const SeriesLayoutContext& c, std::optional<double> SeriesGraphPoint::*member,
             const SeriesScale& scale, SeriesInk ink, SeriesGraphLayout& g) {
    SeriesCurve run{{}, ink};
    for (const SeriesGraphPoint& p : c.graph.points) {
        if (const auto& v = p.*member) {
            run.points.push_back({c.x.at(p.x), scale.at(*v)});
        } else if (!run.points.empty()) {
            g.curves.push_back(std::exchange(run, SeriesCurve{{}, ink}));
        }
    }
    if (!run.points.empty()) {
        g.curves.push_back(std::move(run));
    }
}

void layoutLines(const SeriesLayoutContext& c, SeriesGraphLayout& g) {
    const PixelRect& p = g.plot;
    addRuns(c, &SeriesGraphPoint::max, c.value, SeriesInk::Black, g);
    if (c.zone) {
        addRuns(c, &SeriesGraphPoint::zone, *c.zone, SeriesInk::Blue, g);
    }
    if (c.graph.level) {
        const int y = c.value.at(c.graph.level->value);
        g.levelLine = PixelLine{{p.left, y}, {p.right, y}};
    }
    // A value is marked only against a level.
    const auto& marked = c.graph.marked;
    if (c.graph.level && marked && *marked >= c.x.from && *marked <= c.x.to) {
        const int x = c.x.at(*marked);
        g.markedLine = PixelLine{{x, p.bottom}, {x, p.top}};
    }
}

} // namespace

std::vector<double> SeriesScale::ticks() const {
    std::vector<double> values;
    const double first = std::ceil(std::min(from, to) / step - kTickTolerance);
    for (double k = first; k * step <= std::max(from, to) + kTickTolerance * step; ++k) {
        values.push_back(k * step);
    }
    return values;
}

double seriesStep(double length, int intervals) {
    if (!(length > 0.0)) {
        return 1.0;
    }
    return roundLevel(roundLevelAtOrAbove(length / std::max(1, intervals)));
}

std::string seriesNumber(double value) {
    return formatGeneral(value == 0.0 ? 0.0 : value);
}

SeriesGraphFrame windowSeriesFrame(int width, int height) {
    return {width, height, 8, 1};
}

SeriesGraphFrame printedSeriesFrame(int width, int height) {
    // A margin of a twentieth of the page; lines grow with the printer's pixels.
    return {width, height, height / 20, std::max(1, height / 600)};
}

SeriesGraphLayout layoutSeriesGraph(const SeriesGraph& graph, const SeriesGraphFrame& frame,
                                    const TextMeasure& measure, SourceTranslator translate) {
    SeriesGraphLayout g;
    g.frame = frame;
    SeriesLayoutContext c{
        graph, measure, translate, measure.height("0", TextStyle::Regular), acrossScale(graph),
        {},    {}};
    const int th = c.textHeight;
    PixelRect& p = g.plot;
    p.top = frame.margin + 3 * th;
    const int legend = seriesLegendRows(graph) * th + th;
    p.bottom = std::max(p.top + 1, frame.height - frame.margin - 3 * th - legend);
    c.value = upwardScale(largestValue(graph), p.bottom, p.top, th);
    int zoneRoom = th;
    if (graph.level) {
        c.zone = upwardScale(largestZone(graph), p.bottom, p.top, th);
        zoneRoom += th / 2 + widestLabel(c, *c.zone);
    }
    p.left = frame.margin + widestLabel(c, c.value) + th;
    p.right = std::max(p.left + 1, frame.width - frame.margin - zoneRoom);
    c.x.start = p.left;
    c.x.end = p.right;
    if (graph.choices.empty()) {
        c.x.step = seriesStep(c.x.to - c.x.from, std::max(1, (p.right - p.left) / (6 * th)));
    }
    const std::string title = translate(titleOf(graph.field));
    const int titleWidth = measure.width(title, TextStyle::Bold);
    g.title = {{(p.left + p.right - titleWidth) / 2, frame.margin}, title};
    layoutSeriesAxes(c, g);
    layoutLines(c, g);
    layoutSeriesLegend(c, g);
    return g;
}

} // namespace velt
