// Lines of equal field: marching squares against shapes known in closed form, and the
// line of a limit through the edges of its exposure zone.

#include "CalcFixtures.h"

#include "analysis/ExposureLimits.h"
#include "analysis/ExposureZone.h"
#include "analysis/ProfileField.h"
#include "calc/CalculationDriver.h"
#include "render/MapContours.h"

#include <gtest/gtest.h>

#include <cmath>
#include <variant>

namespace velt {
namespace {

using testing::Bench;

// 1 / r around (0.05, 0) on a grid of 0.1 m from -3 to 3 m across and 0 to 3 m up, the
// centre off every point.
FieldMap radialMap() {
    FieldMap map;
    map.grid = {-3.0, 0.1, 61, 0.1, 31};
    for (int j = 0; j < map.grid.rows; ++j) {
        for (int i = 0; i < map.grid.columns; ++i) {
            map.values.push_back(1.0 / std::hypot(map.grid.x(i) - 0.05, map.grid.y(j) - 1.5));
        }
    }
    return map;
}

TEST(MapContours, CirclesAroundALineSource) {
    const FieldMap map = radialMap();
    for (const double level : {0.7, 1.0, 2.0, 5.0}) {
        SCOPED_TRACE(level);
        const std::vector<ContourLine> lines = contourLines(map, level);
        ASSERT_EQ(lines.size(), 1u);
        const ContourLine& circle = lines.front();
        EXPECT_GT(circle.size(), 10u);
        EXPECT_EQ(circle.front().x, circle.back().x);
        EXPECT_EQ(circle.front().y, circle.back().y);
        // Linear interpolation of 1 / r misses by about step^2 / r at the most.
        const double r = 1.0 / level;
        for (const MapPoint& p : circle) {
            EXPECT_NEAR(std::hypot(p.x - 0.05, p.y - 1.5), r, 0.1 * 0.1 / (2 * r));
        }
    }
}

// A column without values cuts the circle into two halves that end beside it.
TEST(MapContours, EndAtPointsWithoutValue) {
    FieldMap map = radialMap();
    const int column = 30; // x = 0
    for (int j = 0; j < map.grid.rows; ++j) {
        map.values[static_cast<std::size_t>(j * map.grid.columns + column)] = std::nan("");
    }
    const std::vector<ContourLine> lines = contourLines(map, 1.0);
    ASSERT_EQ(lines.size(), 2u);
    for (const ContourLine& line : lines) {
        for (const MapPoint& end : {line.front(), line.back()}) {
            EXPECT_LE(std::fabs(end.x - map.grid.x(column)), map.grid.stepX + 1e-9) << end.x;
        }
    }
}

// One cell, high at its bottom-left and top-right corners: the centre (0.5) decides whether
// the high or the low corners are cut off.
TEST(MapContours, SaddleFollowsTheCentre) {
    FieldMap map;
    map.grid = {0.0, 1.0, 2, 1.0, 2};
    map.values = {1.0, 0.0, 0.0, 1.0};
    const struct {
        double level;
        MapPoint corner; ///< one of the corners cut off
    } cases[] = {{0.4, {1.0, 0.0}}, {0.6, {0.0, 0.0}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        const std::vector<ContourLine> lines = contourLines(map, c.level);
        ASSERT_EQ(lines.size(), 2u);
        bool cut = false;
        for (const ContourLine& line : lines) {
            ASSERT_EQ(line.size(), 2u);
            // A line cutting off a corner ends on both edges that meet there.
            cut = cut || ((line[0].x == c.corner.x || line[0].y == c.corner.y) &&
                          (line[1].x == c.corner.x || line[1].y == c.corner.y) &&
                          line[0].x != line[1].x && line[0].y != line[1].y);
        }
        EXPECT_TRUE(cut);
    }
}

// How far the nearest crossing of `lines` with the calculation line (2 m) lies from `x`.
double distanceAtTheLine(const std::vector<ContourLine>& lines, double x) {
    double nearest = INFINITY;
    for (const ContourLine& line : lines) {
        for (const MapPoint& p : line) {
            if (std::fabs(p.y - 2.0) < 1e-9) {
                nearest = std::min(nearest, std::fabs(p.x - x));
            }
        }
    }
    return nearest;
}

struct ZoneCase {
    const char* name;
    bool magnetic;
    ExposureLimit limit;
};

// The limit's line on the map crosses the calculation line (2 m) where its zone ends.
TEST(MapContours, LimitPassesThroughTheZoneEdges) {
    const ZoneCase cases[] = {
        {"Electric", false, *findBuiltInLimit("pl-residential")},
        {"ElectricDip", false, {"", "Poziom własny", 5.3, 5.3}},
        {"Magnetic", true, {"", "Poziom własny", 1.8, 1.8}},
    };
    for (const ZoneCase& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        testing::setUpBuiltIn(b, 2);
        testing::shiftTower(b, 40.0);
        b.form.currents = {"500", "500", true};
        b.form.fieldChoice = c.magnetic ? 1 : 0;
        b.ui.rangeAnswers = {"80"};
        b.project->lineDataAccepted = true;
        PassContext ctx = b.context();
        ASSERT_EQ(calculate(ctx), CalculationOutcome::Done);
        const auto field = ProfileField::of(*b.project, b.form, *b.profile);
        const auto zone = exposureZone(c.limit, *b.profile, [&](double s) { return field->at(s); });
        ASSERT_TRUE(zone && !zone->intervals.empty());
        const auto grid = fieldMapGrid(*b.project, b.form, {.range = 80.0, .stepY = 0.5});
        const auto map = computeFieldMap(*b.project, b.form, std::get<FieldMapGrid>(grid));
        const std::vector<ContourLine> lines = contourLines(*map, fieldLevel(c.limit, c.magnetic));
        std::vector<double> edges;
        for (const ZoneInterval& interval : zone->intervals) {
            edges.insert(edges.end(), {interval.from, interval.to});
        }
        // An interval open at the range's end has no edge there.
        if (zone->openLeft) {
            edges.erase(edges.begin());
        }
        if (zone->openRight) {
            edges.pop_back();
        }
        ASSERT_FALSE(edges.empty());
        for (const double edge : edges) {
            EXPECT_LE(distanceAtTheLine(lines, edge), map->grid.stepX) << edge;
        }
    }
}

} // namespace
} // namespace velt
