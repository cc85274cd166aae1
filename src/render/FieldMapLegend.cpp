// The axes of the field map in metres from the tower axis, and its colour legend.

#include "analysis/ExposureLimits.h"
#include "model/DecimalText.h"
#include "render/FieldMapLayoutParts.h"

#include <algorithm>
#include <cmath>

namespace velt {
namespace {

// Source texts of the axes and the legend (context "velt").
const char* const kDistanceCaption = "x [m]";
const char* const kHeightCaption = "y [m]";
const char* const kElectricUnit = "E [kV/m]";
const char* const kMagneticUnit = "H [A/m]";
const char* const kInductionUnit = "B [µT]";

int textHeight(const MapLayoutContext& c) {
    return c.measure.height("0", TextStyle::Regular);
}

// Labels on the distance axis at every round step across the plot.
void layoutDistanceAxis(const MapLayoutContext& c, FieldMapLayout& g) {
    const MapPixels& px = c.pixels;
    const int th = textHeight(c);
    const int wide = c.measure.width("-000.0", TextStyle::Regular);
    const int plotW = px.plot.right - px.plot.left;
    const double step = axisStep(px.xMax - px.xMin, std::max(1, plotW / (2 * wide)));
    const int tick = th / 2;
    for (double k = std::ceil(px.xMin / step - 1e-9); k * step <= px.xMax + 1e-9 * step; ++k) {
        const int x = px.x(k * step);
        const std::string text = formatMapNumber(k * step);
        const int w = c.measure.width(text, TextStyle::Regular);
        g.xTicks.push_back({{{x, px.plot.bottom}, {x, px.plot.bottom + tick}},
                            {{x - w / 2, px.plot.bottom + tick}, text}});
    }
    const std::string caption = c.translate(kDistanceCaption);
    const int w = c.measure.width(caption, TextStyle::Regular);
    g.xCaption = {{(px.plot.left + px.plot.right - w) / 2, px.plot.bottom + tick + th}, caption};
}

void layoutHeightAxis(const MapLayoutContext& c, FieldMapLayout& g) {
    const MapPixels& px = c.pixels;
    const int th = textHeight(c);
    const int plotH = px.plot.bottom - px.plot.top;
    const double step = axisStep(px.yMax, std::max(1, plotH / (3 * th)));
    const int tick = th / 2;
    for (int k = 0; k * step <= px.yMax + 1e-9 * step; ++k) {
        const int y = px.y(k * step);
        const std::string text = formatMapNumber(k * step);
        const int w = c.measure.width(text, TextStyle::Regular);
        g.yTicks.push_back({{{px.plot.left - tick, y}, {px.plot.left, y}},
                            {{px.plot.left - tick - w, y - th / 2}, text}});
    }
    g.yCaption = {{g.frame.margin, px.plot.top - th - th / 2}, c.translate(kHeightCaption)};
}

} // namespace

std::string formatMapNumber(double value) {
    return formatGeneral(value == 0.0 ? 0.0 : value);
}

std::string mapUnitText(const MapLayoutContext& c) {
    if (!c.map.magnetic) {
        return c.translate(kElectricUnit);
    }
    return c.translate(c.unitFactor != 1.0 ? kInductionUnit : kMagneticUnit);
}

double axisStep(double length, int intervals) {
    if (!(length > 0.0)) {
        return 1.0;
    }
    return roundLevel(roundLevelAtOrAbove(length / intervals));
}

void layoutMapAxes(const MapLayoutContext& c, FieldMapLayout& g) {
    layoutDistanceAxis(c, g);
    layoutHeightAxis(c, g);
}

void layoutMapLegend(const MapLayoutContext& c, FieldMapLayout& g) {
    const PixelRect& plot = c.pixels.plot;
    const int th = textHeight(c);
    g.legendBar = {plot.right + 2 * th, plot.top, plot.right + 3 * th, plot.bottom};
    const PixelRect& bar = g.legendBar;
    const int height = bar.bottom - bar.top;
    const auto yOf = [&](double level) {
        return bar.bottom - pixel(g.scale.position(level) * height);
    };
    int lastLabel = bar.bottom + th;
    for (const double level : g.scale.levels()) {
        const int y = yOf(level);
        // A label closer than a text line to the one below it is left out.
        const std::string text = lastLabel - y >= th ? formatMapNumber(level) : std::string();
        if (!text.empty()) {
            lastLabel = y;
        }
        g.legendTicks.push_back({{{bar.right, y}, {bar.right + th / 2, y}},
                                 {{bar.right + th / 2 + th / 4, y - th / 2}, text}});
    }
    for (const ExposureLimit& limit : c.options.limits) {
        const double level = fieldLevel(limit, c.map.magnetic) * c.unitFactor;
        if (level >= roundLevel(g.scale.bottom) && level <= roundLevel(g.scale.top)) {
            g.legendLimits.push_back({{bar.left, yOf(level)}, {bar.right, yOf(level)}});
        }
    }
    g.legendUnit = {{bar.left, plot.top - th - th / 2}, mapUnitText(c)};
}

} // namespace velt
