#include "render/GraphFrame.h"

namespace velt {

GraphFrame windowFrame(int width, int height) {
    GraphFrame f;
    f.width = width;
    f.height = height;
    f.panelLeft = width - kWindowPanelWidth;
    f.bottom = height - 30;
    f.left = 65;
    f.top = 45;
    f.plotW = f.panelLeft - 2 * f.left;
    f.plotH = f.bottom - 2 * f.top;
    f.xLabelTop = f.bottom - 36;
    f.captionTop = 0;
    f.textMargin = 10;
    f.dotDiameter = 6;
    f.clear = {0, 0, width, height};
    f.surfaceCentre = width / 2;
    f.surfaceTop = 20;
    return f;
}

GraphFrame printedFrame(int width, int height) {
    GraphFrame f;
    f.width = width;
    f.height = height;
    f.panelLeft = width - width / 8;
    f.bottom = height;
    f.top = height / 10;
    f.left = f.panelLeft / 12;
    f.plotW = f.panelLeft - 2 * f.left;
    f.plotH = height - 2 * f.top;
    f.xLabelTop = height - height / 12;
    f.captionTop = height / 12 / 2;
    f.textMargin = height / 12;
    f.dotDiameter = height / 100;
    f.clear = {0, 0, f.panelLeft, height};
    f.surfaceCentre = width / 2;
    f.surfaceTop = height / 20;
    f.xLabelFormat = "%.1lf";
    f.printed = true;
    return f;
}

} // namespace velt
