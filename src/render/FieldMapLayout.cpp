#include "render/FieldMapLayout.h"

#include "analysis/MagneticUnits.h"
#include "model/Translatable.h"
#include "render/FieldMapLayoutParts.h"

#include <algorithm>

namespace velt {
namespace {

// Source texts of the picture; the painter's translator gives them in the user's language
// (context "velt").
const char* const kElectricTitle =
    VELT_TRANSLATE_NOOP("velt", "Natężenie pola elektrycznego w przekroju linii");
const char* const kMagneticTitle =
    VELT_TRANSLATE_NOOP("velt", "Natężenie pola magnetycznego w przekroju linii");
const char* const kInductionTitle =
    VELT_TRANSLATE_NOOP("velt", "Indukcja magnetyczna w przekroju linii");

bool inMicrotesla(const FieldMap& map, const CalculationOptions& options) {
    return map.magnetic && options.magneticUnit == MagneticUnit::Microtesla;
}

const char* titleOf(const FieldMap& map, const CalculationOptions& options) {
    if (!map.magnetic) {
        return kElectricTitle;
    }
    return inMicrotesla(map, options) ? kInductionTitle : kMagneticTitle;
}

// The widest label of the height axis, for the plot's left margin.
int heightLabelWidth(const FieldMap& map, const TextMeasure& measure, int plotHeight) {
    const double top = map.grid.y(map.grid.rows - 1);
    const int th = measure.height("0", TextStyle::Regular);
    const double step = axisStep(top, std::max(1, plotHeight / (3 * th)));
    int widest = 0;
    for (int k = 0; k * step <= top; ++k) {
        widest = std::max(widest, measure.width(formatMapNumber(k * step), TextStyle::Regular));
    }
    return widest;
}

// Room right of the plot: the bar, its ticks and labels, or the unit when it is wider.
int legendWidth(const MapLayoutContext& c, const MapColourScale& scale, const std::string& unit) {
    const int th = c.measure.height("0", TextStyle::Regular);
    int labels = 0;
    for (const double level : scale.levels()) {
        labels = std::max(labels, c.measure.width(formatMapNumber(level), TextStyle::Regular));
    }
    return std::max(th + th / 2 + labels, c.measure.width(unit, TextStyle::Regular)) + 2 * th;
}

PixelRect plotRect(const MapLayoutContext& c, const FieldMapFrame& f, int legend) {
    const int th = c.measure.height("0", TextStyle::Regular);
    PixelRect p;
    p.top = f.margin + 3 * th;
    p.bottom = std::max(p.top + 1, f.height - f.margin - 3 * th);
    p.left = f.margin + heightLabelWidth(c.map, c.measure, p.bottom - p.top) + th;
    p.right = std::max(p.left + 1, f.width - f.margin - legend);
    return p;
}

void layoutWires(const MapLayoutContext& c, FieldMapLayout& g) {
    const int d = g.frame.dotDiameter;
    const PixelRect& plot = c.pixels.plot;
    for (const MapConductor& w : c.map.scene.conductors) {
        const PixelPoint p = c.pixels.at({w.x, w.y});
        if (p.x < plot.left || p.x >= plot.right || p.y < plot.top || p.y >= plot.bottom) {
            continue;
        }
        const MapWire kind = w.role == ConductorRole::Working  ? MapWire::Working
                             : w.role == ConductorRole::Ground ? MapWire::Ground
                                                               : MapWire::Shield;
        g.wires.push_back({{p.x - d / 2, p.y - d / 2, p.x - d / 2 + d, p.y - d / 2 + d}, kind});
    }
}

void layoutScene(const MapLayoutContext& c, FieldMapLayout& g) {
    const MapPixels& px = c.pixels;
    const FieldMapScene& s = c.map.scene;
    layoutWires(c, g);
    if (s.building) {
        const BuildingOutline& b = *s.building;
        g.building = {px.at({b.frontX, 0.0}), px.at({b.frontX, b.frontY}),
                      px.at({b.roofX, b.roofY})};
    }
    if (s.line && s.line->vertical && s.line->at >= px.xMin && s.line->at <= px.xMax) {
        g.calculationLine = PixelLine{px.at({s.line->at, 0.0}), px.at({s.line->at, px.yMax})};
    } else if (s.line && !s.line->vertical && s.line->at >= 0.0 && s.line->at <= px.yMax) {
        g.calculationLine = PixelLine{px.at({px.xMin, s.line->at}), px.at({px.xMax, s.line->at})};
    }
    if (px.xMin <= 0.0 && 0.0 <= px.xMax) {
        g.towerAxis = PixelLine{px.at({0.0, 0.0}), px.at({0.0, px.yMax})};
    }
}

} // namespace

int MapPixels::x(double metres) const {
    return pixel(plot.left + ratio(metres - xMin, xMax - xMin) * (plot.right - plot.left));
}

int MapPixels::y(double metres) const {
    return pixel(plot.bottom - ratio(metres, yMax) * (plot.bottom - plot.top));
}

FieldMapFrame windowMapFrame(int width, int height) {
    return {width, height, 8, 1, 10, 0};
}

FieldMapFrame printedMapFrame(int width, int height) {
    // A margin of a twentieth of the page; lines and dots grow with the printer's pixels.
    const int unit = std::max(1, height / 600);
    return {width, height, height / 20, unit, 8 * unit, 2000};
}

FieldMapLayout layoutFieldMap(const FieldMap& map, const CalculationOptions& options,
                              const FieldMapFrame& frame, const TextMeasure& measure,
                              SourceTranslator translate) {
    FieldMapLayout g;
    g.frame = frame;
    MapLayoutContext c{map, options, measure, translate, 1.0, {}};
    if (inMicrotesla(map, options)) {
        c.unitFactor = microteslaOf(1.0);
    }
    g.scale = colourScaleOf(map.values, c.unitFactor);
    const PixelRect plot = plotRect(c, frame, legendWidth(c, g.scale, mapUnitText(c)));
    const FieldMapGrid& grid = map.grid;
    c.pixels = {plot, grid.x(0), grid.x(grid.columns - 1), grid.y(grid.rows - 1)};
    g.plot = plot;
    const std::string title = translate(titleOf(map, options));
    const int titleWidth = measure.width(title, TextStyle::Bold);
    g.title = {{(plot.left + plot.right - titleWidth) / 2, frame.margin}, title};
    g.raster = mapRaster(c, g.scale, frame.rasterSide);
    layoutMapContours(c, g);
    layoutScene(c, g);
    layoutMapAxes(c, g);
    layoutMapLegend(c, g);
    return g;
}

} // namespace velt
