#pragma once
// Everything a field map's picture draws, in pixels and texts, computed from the map
// without a canvas: the colours, the lines of equal field, the conductors, the building,
// the calculation line, the axes and the legend. FieldMapPainter draws it.

#include "analysis/FieldMap.h"
#include "model/CalculationOptions.h"
#include "render/MapLevels.h"
#include "render/PixelGeometry.h"
#include "render/SourceText.h"
#include "render/TextMeasure.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velt {

/// The canvas of a map: the window version, or the printed page.
struct FieldMapFrame {
    int width = 0;
    int height = 0;
    int margin = 0;
    int lineWidth = 1; ///< of the thin lines; the limits' lines and the building are thicker
    int dotDiameter = 10;
    int rasterSide = 0; ///< the most raster pixels along a side; 0: one per plot pixel
};

/// The window version on a drawing area of `width` by `height` pixels.
FieldMapFrame windowMapFrame(int width, int height);
/// The printed version on a landscape page of `width` by `height` printer pixels.
FieldMapFrame printedMapFrame(int width, int height);

/// The colours of the plot, one a raster pixel from the top row down: an index into the
/// viridis colours, or kNoColour where the map has no value.
struct MapRaster {
    static constexpr std::int16_t kNoColour = -1;
    int width = 0;
    int height = 0;
    std::vector<std::int16_t> colours;
};

/// A line of equal field at a round level or at a limit's level, with its label.
struct MapContour {
    double level = 0.0; ///< in the legend's unit
    bool limit = false;
    std::vector<std::vector<PixelPoint>> lines;
    std::optional<PlacedText> label; ///< centred on a point of its longest line
};

enum class MapWire { Working, Ground, Shield };

struct MapWireDot {
    PixelRect box;
    MapWire kind = MapWire::Working;
};

struct MapTick {
    PixelLine line;
    PlacedText label; ///< empty where it would crowd its neighbour
};

struct FieldMapLayout {
    FieldMapFrame frame;
    PlacedText title;
    PixelRect plot;
    MapRaster raster; ///< stretched over `plot`
    MapColourScale scale;
    std::vector<MapContour> contours;
    std::vector<MapWireDot> wires;
    std::vector<PixelPoint> building; ///< the front wall up and the roof; empty without one
    std::optional<PixelLine> calculationLine;
    std::optional<PixelLine> towerAxis;
    std::vector<MapTick> xTicks;
    std::vector<MapTick> yTicks;
    PlacedText xCaption;
    PlacedText yCaption;
    PixelRect legendBar; ///< the colours from the scale's bottom up
    std::vector<MapTick> legendTicks;
    std::vector<PixelLine> legendLimits; ///< across the bar at every limit's level
    PlacedText legendUnit;
};

/// Lays out `map` with the limits and the magnetic unit of `options`.
FieldMapLayout layoutFieldMap(const FieldMap& map, const CalculationOptions& options,
                              const FieldMapFrame& frame, const TextMeasure& measure,
                              SourceTranslator translate = untranslated);

} // namespace velt
