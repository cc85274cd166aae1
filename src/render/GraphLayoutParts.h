#pragma once
// The steps of the graph layout, shared by its source files.

#include "analysis/CalculationExtras.h"
#include "render/GraphLayout.h"

#include <string>

namespace velt {

/// What the calculation's options add to the graph, and the translator of the added texts.
struct GraphAdditions {
    const CalculationExtras* extras = nullptr;
    SourceTranslator translate = untranslated;

    /// A magnetic field drawn as the induction B [uT].
    bool microtesla(const FieldProfile& f) const;
    /// From the profile's unit to the value axis's.
    double valueFactor(const FieldProfile& f) const;
};

struct LayoutContext {
    const FieldProfile& profile;
    const GraphFrame& frame;
    const TextMeasure& measure;
    GraphMapping map;
    GraphAdditions additions;
};

/// Ticks, grid lines, labels and captions of both axes.
void layoutAxes(const LayoutContext& c, GraphLayout& g);

/// The levels of the exposure limits across the plot and their zones along the axis.
void layoutLimits(const LayoutContext& c, GraphLayout& g);

/// A limit's level as the graph states it: "1 kV/m", "60 A/m" or, in uT, "75.4 µT".
std::string zoneLevelText(const ExposureZone& z, const FieldProfile& f, const GraphAdditions& a);

/// True when the limit's level lies above the value axis's top.
bool levelAboveAxis(const ExposureZone& z, const GraphScales& scales);

/// The panel's lines from row `k` on, at its left edge, `lineHeight` apart.
struct PanelWriter {
    GraphLayout& g;
    int left;
    int margin;
    int lineHeight;

    int lineTop(int k) const { return margin + k * lineHeight; }
    void line(int k, std::string text, TextStyle style = TextStyle::Bold) {
        g.panel.push_back({{{left, lineTop(k)}, std::move(text)}, style});
    }
};

/// The information panel at `g.frame.panelLeft`.
void layoutPanel(const FieldProfile& f, const TextMeasure& measure, const GraphAdditions& a,
                 GraphLayout& g);

/// After the panel's own lines from row `k`: the zones and the neighbouring lines.
void writePanelExtras(const FieldProfile& f, const GraphAdditions& a, PanelWriter& w, int k);

/// The centred texts of a calculation on the conductors.
std::vector<PlacedText> surfaceTexts(const FieldProfile& f, const GraphFrame& frame,
                                     const TextMeasure& measure, const GraphAdditions& a);

/// After those texts, from row `k`: the accurate method's gradient of every bundle with the
/// corona onset, in as many columns as the canvas's height needs.
void addAccurateSurfaceTexts(const SurfaceExtras& s, const GraphFrame& frame,
                             const TextMeasure& measure, SourceTranslator translate, int k,
                             std::vector<PlacedText>& texts);

} // namespace velt
