#pragma once
// The steps of the series graph's layout, shared by its source files.

#include "render/SeriesGraphLayout.h"

namespace velt {

/// A straight scale: `from` at pixel `start`, `to` at pixel `end`, ticks `step` apart.
struct SeriesScale {
    double from = 0.0;
    double to = 1.0;
    double step = 1.0;
    int start = 0;
    int end = 0;

    int at(double v) const { return pixel(start + ratio(v - from, to - from) * (end - start)); }
    /// The ticks' values from the first multiple of the step on.
    std::vector<double> ticks() const;
};

struct SeriesLayoutContext {
    const SeriesGraph& graph;
    const TextMeasure& measure;
    SourceTranslator translate;
    int textHeight = 0;
    SeriesScale x;
    SeriesScale value;
    std::optional<SeriesScale> zone; ///< with a level
};

/// A round step (1, 2 or 5 times a power of ten) that cuts `length` into at most
/// `intervals` pieces.
double seriesStep(double length, int intervals);

/// A number of the graph; -0 shows as "0".
std::string seriesNumber(double value);

/// The value axis' quantity and unit: "E [kV/m]", "H [A/m]" or "Emx [kV/cm]".
const char* seriesValueCaption(SeriesField field);

/// Ticks, labels and captions of the three axes, the grid across the plot.
void layoutSeriesAxes(const SeriesLayoutContext& c, SeriesGraphLayout& g);

/// The lines of text the legend takes.
int seriesLegendRows(const SeriesGraph& graph);

/// The legend under the caption of the varied quantity, one line an entry.
void layoutSeriesLegend(const SeriesLayoutContext& c, SeriesGraphLayout& g);

} // namespace velt
