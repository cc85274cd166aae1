#pragma once
// The steps of the field map's layout, shared by its source files.

#include "render/FieldMapLayout.h"
#include "render/MapContours.h"

#include <string>

namespace velt {

/// Metres of the map to pixels of its plot.
struct MapPixels {
    PixelRect plot;
    double xMin = 0.0;
    double xMax = 0.0;
    double yMax = 0.0;

    int x(double metres) const;
    int y(double metres) const;
    PixelPoint at(MapPoint p) const { return {x(p.x), y(p.y)}; }
};

struct MapLayoutContext {
    const FieldMap& map;
    const CalculationOptions& options;
    const TextMeasure& measure;
    SourceTranslator translate;
    double unitFactor = 1.0; ///< from the map's units to the legend's
    MapPixels pixels;
};

/// A number of the picture as the dialogs show it; -0 shows as "0".
std::string formatMapNumber(double value);

/// The legend's quantity and unit: "E [kV/m]", "H [A/m]" or "B [µT]".
std::string mapUnitText(const MapLayoutContext& c);

/// The round steps of an axis of `length` in at most `intervals` steps.
double axisStep(double length, int intervals);

/// Ticks and labels of both axes, their captions.
void layoutMapAxes(const MapLayoutContext& c, FieldMapLayout& g);

/// The colour bar, its round levels and unit, and the marks of the limits.
void layoutMapLegend(const MapLayoutContext& c, FieldMapLayout& g);

/// The lines of every round level of the scale and of every limit, labelled.
void layoutMapContours(const MapLayoutContext& c, FieldMapLayout& g);

/// The plot's colours.
MapRaster mapRaster(const MapLayoutContext& c, const MapColourScale& scale, int side);

} // namespace velt
