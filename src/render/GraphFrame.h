#pragma once
// Where the parts of a field graph go on its canvas: the window version from the window's
// size, the printed version from the page's.

#include "render/PixelGeometry.h"

namespace velt {

/// Width of the information panel of the window version.
inline constexpr int kWindowPanelWidth = 180;

struct GraphFrame {
    int width = 0;     ///< W: the canvas
    int height = 0;    ///< H
    int panelLeft = 0; ///< W1: left edge of the information panel
    int bottom = 0;    ///< H1: bottom of the drawing
    int left = 0;      ///< left margin: the plot's left edge
    int top = 0;       ///< top margin: the plot's top edge
    int plotW = 0;
    int plotH = 0;
    int tick = 10;      ///< length of the axis ticks
    int xLabelTop = 0;  ///< y of the distance labels and the distance caption
    int captionTop = 0; ///< y of the value and height captions
    int textMargin = 0; ///< of the panel
    int dotDiameter = 0;
    PixelRect clear;       ///< the area cleared to white
    int surfaceCentre = 0; ///< on-conductor texts are centred on this x
    int surfaceTop = 0;    ///< y of the on-conductor title
    const char* xLabelFormat = "%.2lf";
    bool printed = false; ///< the printout: no minimum plot size, comment rule, captions

    /// y of the distance axis.
    int axisY() const { return top + plotH; }
    bool operator==(const GraphFrame&) const = default;
};

/// The window version for a drawing area of `width` by `height` pixels.
GraphFrame windowFrame(int width, int height);

/// The printed version for a landscape page of `width` by `height` printer pixels.
GraphFrame printedFrame(int width, int height);

} // namespace velt
