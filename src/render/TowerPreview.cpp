#include "render/TowerPreview.h"

#include <algorithm>
#include <cmath>

namespace velt {
namespace {

constexpr double kDot = 10.0;

struct Scale {
    int base = 0;
    int cx = 0;
    double sx = 0.0;
    double sy = 0.0;
};

double largestAbsolute(const double* values, int count) {
    double largest = 0.0;
    for (int i = 0; i < count; ++i) {
        largest = std::max(largest, std::fabs(values[i]));
    }
    return largest;
}

// A ground wire on the ground is one whose height was never given: it is not drawn.
bool drawnNeighbour(const TowerNeighbourWire& w) {
    return !w.groundWire || w.y > 0.0;
}

// The extent of the tower taken out to its neighbours' conductors.
void widenToNeighbours(const std::vector<TowerNeighbourWire>& neighbours, double& largestX,
                       double& largestY) {
    for (const TowerNeighbourWire& w : neighbours) {
        if (drawnNeighbour(w)) {
            largestX = std::max(largestX, std::fabs(w.x));
            largestY = std::max(largestY, std::fabs(w.y));
        }
    }
}

// Dots beside the axis sit one diameter toward it and half a diameter below their point,
// so that they never cover the axis line.
TowerDot dotAt(const Scale& s, double x, double y, bool centreAxisDots) {
    TowerDot dot;
    dot.mappedX = s.cx + x * s.sx;
    dot.mappedY = s.base - 32 - y * s.sy;
    const double p = dot.mappedX;
    const double q = dot.mappedY;
    double left = p + kDot / 2;
    if (x == 0.0) {
        left = p - kDot / 2;
    } else if (x > 0.0) {
        left = p - 3 * kDot / 2;
    }
    const double top = x == 0.0 && centreAxisDots ? q - kDot / 2 : q + kDot / 2;
    dot.box = {pixel(left), pixel(top), pixel(left + kDot), pixel(top + kDot)};
    return dot;
}

void addLegendAndGround(TowerPreviewGeometry& g, const Scale& s, const TowerDrawingStyle& style) {
    const int base = s.base;
    for (const int y : {base - 14, base - 13, base - 12}) {
        g.groundLines.push_back({{0, y}, {g.width, y}});
    }
    if (style.footStrokes) {
        for (const int x : {s.cx + 20, s.cx + 21, s.cx + 22}) {
            g.footStrokes.push_back({{x, base - 12}, {x, base + 56}});
        }
    }
    g.workingLegendDot = {15, base + 21, 25, base + 31};
    g.workingLegendText = {{25, base + 16}, kWorkingLegend};
    g.groundLegendDot = {15, base + 1, 25, base + 11};
    g.groundLegendText = {{25, base - 4}, kGroundWireLegend};
    g.axis = {{s.cx, 0}, {s.cx, base - 14}};
}

} // namespace

TowerConductors towerConductors(const LineProject& project) {
    constexpr int kSlots = kConductorSlots - 1;
    const int working =
        static_cast<int>(std::min<std::uint32_t>(project.phaseConductorCount, kSlots));
    const int ground =
        static_cast<int>(std::min<std::uint32_t>(project.groundWireCount, kSlots - working));
    return {&project.conductorX[1], &project.conductorY[1], working, ground};
}

TowerConductors towerConductors(const TowerDefinition& tower) {
    const int working =
        static_cast<int>(std::min<std::uint32_t>(tower.phaseConductorCount, kTowerPositions));
    const int ground =
        static_cast<int>(std::min<std::uint32_t>(tower.groundWireCount, kTowerPositions - working));
    return {tower.conductorX.data(), tower.conductorY.data(), working, ground};
}

TowerPreviewGeometry towerPreviewGeometry(int width, int height, const TowerConductors& c,
                                          const TowerDrawingStyle& style,
                                          const std::vector<TowerNeighbourWire>& neighbours) {
    TowerPreviewGeometry g;
    g.width = width;
    g.height = height;
    const int count = c.working + c.groundWires;
    double largestX = count > 0 ? largestAbsolute(c.x, count) : 0.0;
    if (largestX == 0.0) {
        return g;
    }
    g.drawn = true;
    double largestY = largestAbsolute(c.y, count);
    widenToNeighbours(neighbours, largestX, largestY);
    Scale s;
    s.base = height - 40;
    s.cx = width / 2;
    s.sx = (width - 60) * 0.5 / largestX;
    s.sy = largestY == 0.0 ? s.sx : (s.base - 90) / largestY;

    for (int i = 0; i < count; ++i) {
        const bool groundWire = i >= c.working;
        // A ground wire on the ground is one whose height was never given.
        if (groundWire && !(c.y[i] > 0.0)) {
            continue;
        }
        TowerDot dot = dotAt(s, c.x[i], c.y[i], style.centreAxisDots);
        dot.groundWire = groundWire;
        g.dots.push_back(dot);
    }
    for (const TowerNeighbourWire& w : neighbours) {
        if (drawnNeighbour(w)) {
            TowerDot dot = dotAt(s, w.x, w.y, style.centreAxisDots);
            dot.groundWire = w.groundWire;
            dot.neighbour = true;
            g.dots.push_back(dot);
        }
    }
    addLegendAndGround(g, s, style);
    return g;
}

} // namespace velt
