// The map's point under a pixel: where the window reads the value it says under the mouse.

#include "RenderFixtures.h"

#include "render/FieldMapLayout.h"
#include "render/FieldMapPick.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace velt {
namespace {

// A plot of 200 by 100 pixels over 5 columns and 3 rows.
constexpr PixelRect kPlot{100, 50, 300, 150};
constexpr FieldMapGrid kGrid{-2.0, 1.0, 5, 1.0, 3};

TEST(FieldMapPick, NearestPointAsTheColoursPlaceIt) {
    const struct {
        const char* name;
        PixelPoint pixel;
        std::optional<MapGridPoint> point;
    } cases[] = {
        {"top left: the first column, the highest row", {100, 50}, MapGridPoint{0, 2}},
        {"bottom right: the last column, the ground", {299, 149}, MapGridPoint{4, 0}},
        {"centre", {200, 100}, MapGridPoint{2, 1}},
        {"a quarter across, near the ground", {149, 140}, MapGridPoint{1, 0}},
        {"left of the plot", {99, 100}, std::nullopt},
        {"the right edge is outside", {300, 100}, std::nullopt},
        {"above the plot", {200, 49}, std::nullopt},
        {"the bottom edge is outside", {200, 150}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(mapPointAt(kPlot, kGrid, c.pixel), c.point);
    }
}

TEST(FieldMapPick, DegenerateGrids) {
    FieldMapGrid single = kGrid;
    single.columns = 1;
    single.rows = 1;
    EXPECT_EQ(mapPointAt(kPlot, single, {299, 50}), (MapGridPoint{0, 0}));
    FieldMapGrid empty = kGrid;
    empty.columns = 0;
    EXPECT_EQ(mapPointAt(kPlot, empty, {200, 100}), std::nullopt);
}

// Under a conductor's dot lies the grid point nearest the conductor.
TEST(FieldMapPick, AgreesWithTheDrawnConductors) {
    FieldMap map;
    map.grid = {-20.0, 0.5, 81, 0.25, 81};
    map.values.assign(map.grid.points(), 1.0);
    for (const auto& [x, y] : {std::pair{-12.3, 14.1}, {0.0, 19.9}, {7.6, 3.2}, {19.8, 0.1}}) {
        map.scene.conductors.push_back({x, y, 0.02, ConductorRole::Working, kMainLine});
    }
    const FieldMapLayout g =
        layoutFieldMap(map, {}, windowMapFrame(900, 600), testing::FixedMeasure());
    ASSERT_EQ(g.wires.size(), map.scene.conductors.size());
    for (std::size_t k = 0; k < g.wires.size(); ++k) {
        SCOPED_TRACE(k);
        const PixelRect& dot = g.wires[k].box;
        const auto point =
            mapPointAt(g.plot, map.grid, {(dot.left + dot.right) / 2, (dot.top + dot.bottom) / 2});
        ASSERT_TRUE(point);
        const MapConductor& c = map.scene.conductors[k];
        EXPECT_NEAR(map.grid.x(point->column), c.x, map.grid.stepX);
        EXPECT_NEAR(map.grid.y(point->row), c.y, map.grid.stepY);
    }
}

} // namespace
} // namespace velt
