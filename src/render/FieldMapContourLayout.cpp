// The lines of equal field on the map's plot: one at every round level of the legend and
// one at every chosen limit, each labelled on its longest line.

#include "analysis/ExposureLimits.h"
#include "render/FieldMapLayoutParts.h"

#include <cmath>

namespace velt {
namespace {

double lengthOf(const std::vector<PixelPoint>& line) {
    double length = 0.0;
    for (std::size_t k = 1; k < line.size(); ++k) {
        length += std::hypot(line[k].x - line[k - 1].x, line[k].y - line[k - 1].y);
    }
    return length;
}

// The point half way along `line`.
PixelPoint middleOf(const std::vector<PixelPoint>& line, double length) {
    double left = length / 2;
    for (std::size_t k = 1; k < line.size(); ++k) {
        const double piece = std::hypot(line[k].x - line[k - 1].x, line[k].y - line[k - 1].y);
        if (piece >= left && piece > 0.0) {
            const double t = left / piece;
            return {pixel(line[k - 1].x + t * (line[k].x - line[k - 1].x)),
                    pixel(line[k - 1].y + t * (line[k].y - line[k - 1].y))};
        }
        left -= piece;
    }
    return line.back();
}

std::vector<PixelPoint> pixelLine(const MapPixels& px, const ContourLine& line) {
    std::vector<PixelPoint> out;
    out.reserve(line.size());
    for (const MapPoint& p : line) {
        const PixelPoint q = px.at(p);
        if (out.empty() || !(out.back() == q)) {
            out.push_back(q);
        }
    }
    return out;
}

// The label sits on the longest line when that line is three labels long.
void label(const MapLayoutContext& c, MapContour& contour, const std::string& text) {
    const std::vector<PixelPoint>* longest = nullptr;
    double length = 0.0;
    for (const auto& line : contour.lines) {
        const double l = lengthOf(line);
        if (l > length) {
            length = l;
            longest = &line;
        }
    }
    const int w = c.measure.width(text, TextStyle::Regular);
    const int h = c.measure.height(text, TextStyle::Regular);
    if (longest == nullptr || length < 3.0 * w) {
        return;
    }
    const PixelPoint m = middleOf(*longest, length);
    contour.label = PlacedText{{m.x - w / 2, m.y - h / 2}, text};
}

void addContour(const MapLayoutContext& c, FieldMapLayout& g, double level, bool limit,
                const std::string& text) {
    MapContour contour;
    contour.level = level;
    contour.limit = limit;
    for (const ContourLine& line : contourLines(c.map, level / c.unitFactor)) {
        std::vector<PixelPoint> points = pixelLine(c.pixels, line);
        if (points.size() > 1) {
            contour.lines.push_back(std::move(points));
        }
    }
    if (contour.lines.empty()) {
        return;
    }
    label(c, contour, text);
    g.contours.push_back(std::move(contour));
}

} // namespace

void layoutMapContours(const MapLayoutContext& c, FieldMapLayout& g) {
    for (const double level : g.scale.levels()) {
        addContour(c, g, level, false, formatMapNumber(level));
    }
    for (const ExposureLimit& limit : c.options.limits) {
        addContour(c, g, fieldLevel(limit, c.map.magnetic) * c.unitFactor, true,
                   c.translate(limit.name.c_str()));
    }
}

} // namespace velt
