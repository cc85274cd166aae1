// The exposure limits on the graph: each level as a dashed line across the plot, labelled
// with the limit's name and level, and each zone as bars standing on the distance axis.

#include "analysis/MagneticUnits.h"
#include "model/DecimalText.h"
#include "render/GraphLayoutParts.h"

#include <algorithm>

namespace velt {
namespace {

// x of a distance from the tower axis along the line (a height on a vertical line), placed
// as the curves place the profile's points.
int zoneX(const LayoutContext& c, double distance) {
    const FieldProfile& f = c.profile;
    const double start = f.profilePointCount >= 1 ? profilePositions(f)[1] : 0.0;
    return c.map.positionX(distance + zoneLineOf(f).axis - start);
}

// The label stands above the line at the plot's right end; labels of limits at one level
// move left of those already there, and a line at the plot's top takes its label below.
PlacedText levelLabel(const LayoutContext& c, const GraphLayout& g, int y, std::string text) {
    const GraphFrame& fr = c.frame;
    const int w = c.measure.width(text, TextStyle::Regular);
    const int h = c.measure.height(text, TextStyle::Regular);
    const int top = y - h < fr.top ? y + 1 : y - h;
    int x = fr.left + fr.plotW - w - h / 2;
    for (const LimitLine& other : g.limitLines) {
        if (std::abs(other.label.at.y - top) < h) {
            x = std::min(x, other.label.at.x - w - h);
        }
    }
    return {{x, top}, std::move(text)};
}

void addLevelLine(const LayoutContext& c, GraphLayout& g, const ExposureZone& z) {
    if (!(z.profileLevel > 0.0) || levelAboveAxis(z, c.map.scales)) {
        return;
    }
    const GraphFrame& fr = c.frame;
    const int y = c.map.valueY(z.profileLevel);
    const std::string name =
        z.limitName.empty() ? z.limitKey : c.additions.translate(z.limitName.c_str());
    PlacedText label = levelLabel(c, g, y, name + " " + zoneLevelText(z, c.profile, c.additions));
    g.limitLines.push_back({{{fr.left, y}, {fr.left + fr.plotW, y}}, std::move(label)});
}

// Bars from edge to edge of every interval, `row` bars up from the axis; an open end reaches
// the plot's edge.
void addZoneMarks(const LayoutContext& c, GraphLayout& g, const ExposureZone& z, int row) {
    const GraphFrame& fr = c.frame;
    const int thickness = std::max(3, fr.dotDiameter / 2);
    const int bottom = fr.axisY() - row * (thickness + 1);
    const int plotRight = fr.left + fr.plotW;
    const std::size_t n = z.intervals.size();
    for (std::size_t i = 0; i < n; ++i) {
        const ZoneInterval& interval = z.intervals[i];
        const int from = i == 0 && z.openLeft ? fr.left : zoneX(c, interval.from);
        const int to = i + 1 == n && z.openRight ? plotRight : zoneX(c, interval.to);
        const int left = std::max(from, fr.left);
        const int right = std::min(to, plotRight) + 1;
        if (left < right) {
            g.zoneMarks.push_back({left, bottom - thickness, right, bottom});
        }
    }
}

} // namespace

std::string zoneLevelText(const ExposureZone& z, const FieldProfile& f, const GraphAdditions& a) {
    if (!f.resultFieldKind) {
        return formatNumber("%.4g", z.level) + " kV/m";
    }
    if (a.microtesla(f)) {
        return formatNumber("%.4g", microteslaOf(z.level)) + " µT";
    }
    return formatNumber("%.4g", z.level) + " A/m";
}

bool levelAboveAxis(const ExposureZone& z, const GraphScales& scales) {
    return z.profileLevel * scales.valueFactor > scales.valueScale;
}

void layoutLimits(const LayoutContext& c, GraphLayout& g) {
    if (c.additions.extras == nullptr) {
        return;
    }
    int row = 0;
    for (const ExposureZone& z : c.additions.extras->zones) {
        addLevelLine(c, g, z);
        if (!z.intervals.empty()) {
            addZoneMarks(c, g, z, row++);
        }
    }
}

} // namespace velt
