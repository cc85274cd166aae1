#pragma once
// Everything a field graph draws, in pixels and texts, computed from a variant's copy of the
// field profile without a canvas. GraphPainter draws it.

#include "model/FieldProfile.h"
#include "render/GraphFrame.h"
#include "render/GraphScales.h"
#include "render/PixelGeometry.h"
#include "render/SourceText.h"
#include "render/TextMeasure.h"

#include <optional>
#include <vector>

namespace velt {

struct CalculationExtras;

enum class GraphInk {
    Black,
    Red,   ///< 255, 0, 0
    Lime,  ///< 0, 255, 0: ground-wire dots
    Green, ///< 0, 128, 0: the horizontal component
    Blue,  ///< 0, 0, 255
    // What the calculation's options add, each in a colour of its own.
    Orange,     ///< 255, 128, 0: the exposure limits' levels and zones
    Magenta,    ///< 200, 0, 200: working conductors of neighbouring lines
    DarkMagenta ///< 120, 0, 120: their ground wires
};

enum class GraphDash { Solid, Dash, DashDot, DashDotDot };

/// The 1 kV/m marker: the label at the value axis, a line across and down to the axis, the
/// crossing's distance from the tower axis below it.
struct CrossingMarker {
    int index = 0; ///< j
    PlacedText label;
    std::vector<PixelPoint> line;
    PlacedText distance;
    bool operator==(const CrossingMarker&) const = default;
};

struct MaximumMarker {
    PixelLine line;
    PlacedText label;
    bool operator==(const MaximumMarker&) const = default;
};

struct ConductorDot {
    PixelPoint centre;
    GraphInk ink = GraphInk::Red;
    bool operator==(const ConductorDot&) const = default;
};

struct GraphCurve {
    std::vector<PixelPoint> points;
    GraphInk ink = GraphInk::Black;
    GraphDash dash = GraphDash::Solid;
    bool operator==(const GraphCurve&) const = default;
};

struct PanelLine {
    PlacedText text;
    TextStyle style = TextStyle::Bold;
    bool operator==(const PanelLine&) const = default;
};

struct LegendStroke {
    PixelLine line;
    GraphInk ink = GraphInk::Black;
    GraphDash dash = GraphDash::Solid;
    bool operator==(const LegendStroke&) const = default;
};

/// An exposure limit's level across the plot, labelled with its name and level.
struct LimitLine {
    PixelLine line;
    PlacedText label;
    bool operator==(const LimitLine&) const = default;
};

struct GraphLayout {
    /// The frame the graph was laid out in; a window too small for the plot moves the
    /// panel (`panelLeft`) and drops its text margin.
    GraphFrame frame;

    /// A calculation on the conductors: these centred texts are the whole graph.
    bool onConductors = false;
    std::vector<PlacedText> surfaceTexts;

    /// False when the window is too small for a plot: only the panel is drawn.
    bool plotShown = false;
    GraphScales scales;

    PixelRect markerClip; ///< the 1 kV/m marker, comment and maximum stay left of the panel
    std::vector<CrossingMarker> crossings;
    std::optional<PlacedText> comment;
    std::optional<MaximumMarker> maximum;
    PixelLine xAxis;

    PixelRect plotClip; ///< conductors, building and curves stay inside the plot
    int dotDiameter = 0;
    std::vector<ConductorDot> conductors; ///< the neighbouring lines' after the line's own
    std::vector<PixelPoint> building;     ///< the wall up and the roof, or empty
    std::vector<LimitLine> limitLines;
    std::vector<PixelRect> zoneMarks; ///< along the distance axis, a row of bars per limit

    std::vector<PixelLine> ticks; ///< the ticks and grid lines of both axes
    std::vector<PlacedText> xLabels;
    std::vector<PlacedText> valueLabels;
    std::vector<PlacedText> heightLabels;
    std::vector<PlacedText> captions;

    std::vector<GraphCurve> curves;
    PixelLine startLine; ///< from the axis up to the first value

    std::vector<PixelLine> separator; ///< between the plot and the panel
    std::vector<PanelLine> panel;
    std::vector<LegendStroke> legend;
    bool operator==(const GraphLayout&) const = default;
};

/// Lays out the graph of `profile` in `frame`. `towerShifted` is the line project's
/// current flag (see graphScales); `measure` gives the sizes of the canvas's texts. With
/// `extras` the graph adds what the calculation's options ask for: the limits' levels and
/// zones, the induction in uT, the neighbouring lines, the accurate surface method; their
/// texts come through `translate`. Without, the graph is the same to the pixel.
GraphLayout layoutGraph(const FieldProfile& profile, const GraphFrame& frame, bool towerShifted,
                        const TextMeasure& measure, const CalculationExtras* extras = nullptr,
                        SourceTranslator translate = untranslated);

} // namespace velt
