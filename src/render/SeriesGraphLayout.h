#pragma once
// Everything the graph of a series of calculations draws, in pixels and texts, computed
// without a canvas: the largest field against the varied quantity, the zone width of a level
// on a scale of its own, the level as a dashed line and the value that meets it.
// SeriesGraphPainter draws it.

#include "render/PixelGeometry.h"
#include "render/SourceText.h"
#include "render/TextMeasure.h"

#include <optional>
#include <string>
#include <vector>

namespace velt {

/// The field whose largest value the series gives.
enum class SeriesField {
    Electric, ///< along a line [kV/m]
    Magnetic, ///< along a line [A/m], peak as the profile holds it
    Surface   ///< on the conductors [kV/cm]
};

/// One calculation of the series.
struct SeriesGraphPoint {
    double x = 0.0;             ///< the varied value; a choice's place (0, 1, ...)
    std::optional<double> max;  ///< the largest field; none for a refused calculation
    std::optional<double> zone; ///< the level's zone width [m]; none without it
};

struct SeriesGraphLevel {
    std::string name;   ///< as the user reads it
    double value = 0.0; ///< in the quantity of the value axis
};

/// What a series graph shows.
struct SeriesGraph {
    SeriesField field = SeriesField::Electric;
    std::string quantity;             ///< the varied quantity, as the user reads it
    std::string unit;                 ///< its unit ("m", "A"); empty for a choice
    std::vector<std::string> choices; ///< a choice's texts, one a place; empty for numbers
    std::vector<SeriesGraphPoint> points;
    std::optional<SeriesGraphLevel> level;
    std::optional<double> marked; ///< the value that meets the level
    /// Where the field meets the level: a distance from the tower axis [m]; none for the
    /// largest field.
    std::optional<double> markedAt;
};

/// The canvas of a series graph: the window version, or the printed page.
struct SeriesGraphFrame {
    int width = 0;
    int height = 0;
    int margin = 0;
    int lineWidth = 1; ///< of the curves and the lines across the plot
};

/// The window version on a drawing area of `width` by `height` pixels.
SeriesGraphFrame windowSeriesFrame(int width, int height);
/// The printed version on a landscape page of `width` by `height` printer pixels.
SeriesGraphFrame printedSeriesFrame(int width, int height);

enum class SeriesInk {
    Black,
    Red,  ///< the level
    Blue, ///< the zone width and its scale
    Green ///< the value that meets the level
};

struct SeriesTick {
    PixelLine line;
    PlacedText label; ///< empty where it would crowd its neighbour
};

/// A run of calculated points; a refused calculation breaks a curve into runs.
struct SeriesCurve {
    std::vector<PixelPoint> points;
    SeriesInk ink = SeriesInk::Black;
};

struct SeriesLegendEntry {
    PixelLine stroke;
    SeriesInk ink = SeriesInk::Black;
    bool dashed = false;
    PlacedText text;
};

struct SeriesGraphLayout {
    SeriesGraphFrame frame;
    PlacedText title;
    PixelRect plot;
    std::vector<SeriesTick> xTicks;
    std::vector<SeriesTick> valueTicks; ///< left, the field
    std::vector<SeriesTick> zoneTicks;  ///< right, the zone width; none without a level
    std::vector<PixelLine> grid;        ///< across the plot at the value ticks
    PlacedText xCaption;
    PlacedText valueCaption;
    std::optional<PlacedText> zoneCaption;
    std::vector<SeriesCurve> curves;     ///< the field's runs, then the zone width's
    std::optional<PixelLine> levelLine;  ///< dashed, across the plot
    std::optional<PixelLine> markedLine; ///< up the plot at the marked value
    PixelRect legendBox;                 ///< around the legend, under the plot
    std::vector<SeriesLegendEntry> legend;
};

/// Lays out `graph` in `frame`; `measure` gives the canvas's text sizes.
SeriesGraphLayout layoutSeriesGraph(const SeriesGraph& graph, const SeriesGraphFrame& frame,
                                    const TextMeasure& measure,
                                    SourceTranslator translate = untranslated);

} // namespace velt
