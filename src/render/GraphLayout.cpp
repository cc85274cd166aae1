#include "render/GraphLayout.h"

#include "analysis/MagneticUnits.h"
#include "model/DecimalText.h"
#include "model/TextSlots.h"
#include "render/GraphLayoutParts.h"

#include <algorithm>
#include <cmath>

namespace velt {
namespace {

// The 1 kV/m crossings within the drawing range, electric field of 1 kV/m and more only.
void layoutCrossings(const LayoutContext& c, GraphLayout& g) {
    const FieldProfile& f = c.profile;
    if (f.resultFieldKind || !(f.resultMaxValue >= 1.0)) {
        return;
    }
    const std::string label = "1kV";
    const int labelWidth = c.measure.width(label, TextStyle::Regular);
    const int th = c.measure.height(label, TextStyle::Regular);
    const int y1 = c.map.valueY(1.0);
    const int lowest = c.frame.bottom - th;
    for (const int j : crossingIndices(f)) {
        const double d = j * f.resultEnteredRange * 0.005;
        if (!(d <= f.resultDrawRange)) {
            continue;
        }
        const int x = c.map.pointX(j + 1);
        const std::string distance = formatNumber("%2.1lf", std::fabs(d - f.resultAxisX));
        const int distanceWidth = c.measure.width(distance, TextStyle::Regular);
        g.crossings.push_back({j,
                               {{1, y1 - th / 2}, label},
                               {{labelWidth + 4, y1}, {x, y1}, {x, lowest}},
                               {{x - distanceWidth / 2, lowest}, distance}});
    }
}

// The printout leaves the comment out for an unshifted tower.
void layoutComment(const LayoutContext& c, GraphLayout& g) {
    const FieldProfile& f = c.profile;
    const std::string comment = textOf(f.resultComment, sizeof f.resultComment);
    if (comment.empty() || (c.frame.printed && !f.resultTowerShifted)) {
        return;
    }
    const int y = pixel(1.5 * c.measure.height("E", TextStyle::Regular));
    g.comment = PlacedText{{c.frame.left, y}, comment};
}

// The maximum's line points away from the tower axis: left when the profile ends at the
// axis (the correction was taken), right otherwise.
void layoutMaximum(const LayoutContext& c, GraphLayout& g) {
    const FieldProfile& f = c.profile;
    if (!(f.maxPosition <= f.resultDrawRange)) {
        return;
    }
    const std::string label = !f.resultFieldKind          ? "Emax"
                              : c.additions.microtesla(f) ? "Bmax"
                                                          : "Hmax";
    const int w = c.measure.width(label, TextStyle::Regular);
    const int h = c.measure.height(label, TextStyle::Regular);
    const int m = f.resultMaxIndex;
    const int x = c.map.pointX(m);
    const int y = c.map.valueY(f.resultMaxValue);
    const int labelY = y - h + h / 4;
    MaximumMarker marker;
    if (!f.resultTowerShifted && f.resultAxisOffsetSet) {
        const GraphScales& s = c.map.scales;
        const double start = c.frame.left + (m - 1.0) * f.resultStep * s.px - s.shift * s.px;
        marker.line = {{x, y}, {pixel(start - w), y}};
        marker.label = {{pixel(start - 1.5 * w), labelY}, label};
    } else {
        marker.line = {{x, y}, {c.map.pointX(m, w), y}};
        marker.label = {{c.map.pointX(m, w / 2), labelY}, label};
    }
    g.maximum = marker;
}

// A conductor's dot, only within the distance scale.
void addDot(const LayoutContext& c, GraphLayout& g, double x, double y, GraphInk ink) {
    if (x >= 0.0 && x <= c.map.scales.xMax) {
        g.conductors.push_back({{c.map.positionX(x), c.map.heightY(y)}, ink});
    }
}

void addConductors(const LayoutContext& c, GraphLayout& g, int first, int count, GraphInk ink) {
    const FieldProfile& f = c.profile;
    const int last = std::min(first + count - 1, kConductorSlots - 1);
    for (int k = std::max(first, 1); k <= last; ++k) {
        addDot(c, g, f.resultConductorX[k], f.resultConductorY[k], ink);
    }
}

// The neighbouring lines' conductors; a ground wire whose height was never given is left out.
void addNeighbours(const LayoutContext& c, GraphLayout& g) {
    if (c.additions.extras == nullptr) {
        return;
    }
    for (const NeighbourDrawing& n : c.additions.extras->neighbours) {
        for (const auto& [x, y] : n.working) {
            addDot(c, g, x, y, GraphInk::Magenta);
        }
        for (const auto& [x, y] : n.ground) {
            if (y > 0.0) {
                addDot(c, g, x, y, GraphInk::DarkMagenta);
            }
        }
    }
}

// The conductors and the building of a horizontal line, on the height scale.
void layoutCrossSection(const LayoutContext& c, GraphLayout& g) {
    const FieldProfile& f = c.profile;
    if (f.resultLineKind) {
        return;
    }
    const int lpr = std::max(f.resultPhaseConductorCount, 0);
    const int lpo = std::max(f.resultGroundWireCount, 0);
    // The building's outline points close the shield-wire group; they are no wires.
    const int outline = f.resultBuildingPresent ? 20 : 0;
    const int lpe = std::max(
        static_cast<int>(std::min<std::uint32_t>(f.resultShieldWireCount, kConductorSlots)) -
            outline,
        0);
    addConductors(c, g, 1, lpr, GraphInk::Red);
    addConductors(c, g, lpr + 1, lpo, GraphInk::Lime);
    addConductors(c, g, lpr + lpo + 1, lpe, GraphInk::Blue);
    addNeighbours(c, g);
    const double frontX = buildingInProfile(f, f.resultBuildingX1);
    if (f.resultBuildingPresent && frontX <= c.map.scales.xMax) {
        const int wallX = c.map.positionX(frontX);
        const double roofX = buildingInProfile(f, f.resultBuildingX2);
        g.building = {{wallX, c.frame.axisY()},
                      {wallX, c.map.heightY(f.resultBuildingY1)},
                      {c.map.positionX(roofX), c.map.heightY(f.resultBuildingY2)}};
    }
}

GraphCurve curveOf(const LayoutContext& c, const double* values, int last, GraphInk ink,
                   GraphDash dash) {
    GraphCurve curve{{}, ink, dash};
    curve.points.reserve(static_cast<std::size_t>(last));
    for (int i = 1; i <= last; ++i) {
        curve.points.push_back({c.map.pointX(i), c.map.valueY(values[i])});
    }
    return curve;
}

// The curves end at the first point at or beyond the drawing range.
void layoutCurves(const LayoutContext& c, GraphLayout& g) {
    const FieldProfile& f = c.profile;
    const int count = storedPointCount(f);
    int last = count;
    for (int i = 1; i <= count; ++i) {
        if (i * f.resultProfileLength * 0.005 >= f.resultDrawRange) {
            last = i;
            break;
        }
    }
    g.curves.push_back(curveOf(c, f.resultValue, last, GraphInk::Black, GraphDash::Solid));
    if (f.resultFieldKind) {
        g.curves.push_back(curveOf(c, f.resultValueX, last, GraphInk::Green, GraphDash::DashDot));
        g.curves.push_back(curveOf(c, f.resultValueY, last, GraphInk::Blue, GraphDash::DashDotDot));
    }
    const int axisY = c.frame.axisY();
    g.startLine = {{c.frame.left, axisY}, {c.frame.left, c.map.valueY(f.resultValue[1])}};
}

void layoutPlot(const LayoutContext& c, GraphLayout& g) {
    const GraphFrame& fr = c.frame;
    g.markerClip = {0, 0, fr.plotW + fr.left, fr.height};
    g.plotClip = {fr.left, fr.top, fr.left + fr.plotW, fr.top + fr.plotH};
    g.dotDiameter = fr.dotDiameter;
    layoutCrossings(c, g);
    layoutComment(c, g);
    layoutMaximum(c, g);
    g.xAxis = {{fr.left, fr.axisY()}, {fr.left + fr.plotW, fr.axisY()}};
    layoutCrossSection(c, g);
    layoutLimits(c, g);
    layoutAxes(c, g);
    layoutCurves(c, g);
    for (int dx = 0; dx < 3; ++dx) {
        g.separator.push_back({{fr.panelLeft + dx, 0}, {fr.panelLeft + dx, fr.bottom}});
    }
}

} // namespace

bool GraphAdditions::microtesla(const FieldProfile& f) const {
    return extras != nullptr && f.resultFieldKind &&
           extras->magneticUnit == MagneticUnit::Microtesla;
}

double GraphAdditions::valueFactor(const FieldProfile& f) const {
    return microtesla(f) ? microteslaOf(1.0) : 1.0;
}

GraphLayout layoutGraph(const FieldProfile& f, const GraphFrame& frame, bool towerShifted,
                        const TextMeasure& measure, const CalculationExtras* extras,
                        SourceTranslator translate) {
    const GraphAdditions additions{extras, translate};
    GraphLayout g;
    g.frame = frame;
    if (f.resultOnConductors) {
        g.onConductors = true;
        g.surfaceTexts = surfaceTexts(f, frame, measure, additions);
        return g;
    }
    g.scales = graphScales(f, frame.plotW, frame.plotH, towerShifted, additions.valueFactor(f));
    g.plotShown = frame.printed || (g.scales.gx > 1.5 && g.scales.gy > 1.0);
    if (g.plotShown) {
        const LayoutContext c{f,
                              frame,
                              measure,
                              {g.scales, frame.left, frame.top, frame.plotH, f.resultStep},
                              additions};
        layoutPlot(c, g);
    } else {
        // Too small for a plot: the panel alone, moved in from the right, without margin.
        g.frame.panelLeft = std::max(0, (frame.width - kWindowPanelWidth) / 2);
        g.frame.textMargin = 0;
    }
    layoutPanel(f, measure, additions, g);
    return g;
}

} // namespace velt
