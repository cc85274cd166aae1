#pragma once
// The steps of the graph layout, shared by its source files.

#include "render/GraphLayout.h"

namespace velt {

struct LayoutContext {
    const FieldProfile& profile;
    const GraphFrame& frame;
    const TextMeasure& measure;
    GraphMapping map;
};

/// Ticks, grid lines, labels and captions of both axes.
void layoutAxes(const LayoutContext& c, GraphLayout& g);

/// The information panel at `g.frame.panelLeft`.
void layoutPanel(const FieldProfile& f, const TextMeasure& measure, GraphLayout& g);

/// The centred texts of a calculation on the conductors.
std::vector<PlacedText> surfaceTexts(const FieldProfile& f, const GraphFrame& frame,
                                     const TextMeasure& measure);

} // namespace velt
