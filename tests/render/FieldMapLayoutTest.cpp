// The field map's layout as numbers and texts, with text sizes of a fixed measure.

#include "CalcFixtures.h"
#include "RenderFixtures.h"

#include "render/FieldMapLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <variant>

namespace velt {
namespace {

using testing::FixedMeasure;

// x from -10 to 10 m and y from 0 to 10 m, a point a metre; the value a function of x.
template <typename Value> FieldMap mapAcross(bool magnetic, Value value) {
    FieldMap map;
    map.grid = {-10.0, 1.0, 21, 1.0, 11};
    map.magnetic = magnetic;
    for (int j = 0; j < map.grid.rows; ++j) {
        for (int i = 0; i < map.grid.columns; ++i) {
            map.values.push_back(value(map.grid.x(i)));
        }
    }
    return map;
}

// From 0.5 at the left edge to 20 at the right, evenly on a logarithmic scale.
FieldMap decadesAcross(bool magnetic) {
    return mapAcross(magnetic, [](double x) { return 0.5 * std::pow(40.0, (x + 10.0) / 20.0); });
}

FieldMapLayout layoutOf(const FieldMap& map, const CalculationOptions& options,
                        SourceTranslator translate = untranslated) {
    return layoutFieldMap(map, options, windowMapFrame(1000, 700), FixedMeasure(), translate);
}

std::vector<std::string> labelsOf(const std::vector<MapTick>& ticks) {
    std::vector<std::string> texts;
    for (const MapTick& tick : ticks) {
        texts.push_back(tick.label.text);
    }
    return texts;
}

std::string marked(const char* source) {
    return std::string("<") + source + ">";
}

TEST(FieldMapLayout, LegendInTheMapsUnit) {
    const struct {
        const char* name;
        bool magnetic;
        MagneticUnit unit;
        std::string legend;
        std::string title;
        std::vector<std::string> ticks;
    } cases[] = {
        {"Electric",
         false,
         MagneticUnit::Microtesla,
         "E [kV/m]",
         "Natężenie pola elektrycznego w przekroju linii",
         {"0.5", "1", "2", "5", "10", "20"}},
        {"Magnetic",
         true,
         MagneticUnit::AmperesPerMetre,
         "H [A/m]",
         "Natężenie pola magnetycznego w przekroju linii",
         {"0.5", "1", "2", "5", "10", "20"}},
        // 0.63 to 25 uT.
        {"Induction",
         true,
         MagneticUnit::Microtesla,
         "B [µT]",
         "Indukcja magnetyczna w przekroju linii",
         {"0.5", "1", "2", "5", "10", "20", "50"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CalculationOptions options;
        options.magneticUnit = c.unit;
        const FieldMapLayout g = layoutOf(decadesAcross(c.magnetic), options);
        EXPECT_EQ(g.legendUnit.text, c.legend);
        EXPECT_EQ(g.title.text, c.title);
        EXPECT_EQ(labelsOf(g.legendTicks), c.ticks);
        // The scale's ends are the bar's ends.
        EXPECT_EQ(g.legendTicks.front().line.from.y, g.legendBar.bottom);
        EXPECT_EQ(g.legendTicks.back().line.from.y, g.legendBar.top);
        const FieldMapLayout translated = layoutOf(decadesAcross(c.magnetic), options, marked);
        EXPECT_EQ(translated.title.text, "<" + c.title + ">");
        EXPECT_EQ(translated.legendUnit.text, "<" + c.legend + ">");
        EXPECT_EQ(translated.xCaption.text, "<x [m]>");
        EXPECT_EQ(translated.yCaption.text, "<y [m]>");
    }
}

// The value 11 + x: the line of level L is the vertical line x = L - 11.
TEST(FieldMapLayout, ContoursAtRoundLevelsAndLimits) {
    const auto ramp = [](double x) { return 11.0 + x; };
    const double rms = 7.0 / std::sqrt(2.0);
    const struct {
        const char* name;
        bool magnetic;
        MagneticUnit unit;
        double limitLevel; ///< in the legend's unit
    } cases[] = {
        {"Electric", false, MagneticUnit::AmperesPerMetre, 7.0},
        // A magnetic limit of 7 / sqrt 2 A/m is reached where the peak is 7 A/m.
        {"Magnetic", true, MagneticUnit::AmperesPerMetre, 7.0},
        {"Induction", true, MagneticUnit::Microtesla, 8.79645943005142},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CalculationOptions options;
        options.magneticUnit = c.unit;
        options.limits = {{"", "Poziom własny", 7.0, rms}};
        const FieldMapLayout g = layoutOf(mapAcross(c.magnetic, ramp), options);
        const PixelRect& p = g.plot;
        const auto pixelX = [&](double x) {
            return p.left + (x + 10.0) / 20.0 * (p.right - p.left);
        };
        std::vector<std::string> labels;
        for (const MapContour& contour : g.contours) {
            ASSERT_EQ(contour.lines.size(), 1u);
            const double x = (contour.limit ? 7.0 : contour.level / (c.limitLevel / 7.0)) - 11.0;
            for (const PixelPoint& point : contour.lines.front()) {
                EXPECT_NEAR(point.x, pixelX(x), 1.0) << contour.level;
            }
            ASSERT_TRUE(contour.label);
            labels.push_back(contour.label->text);
            if (contour.limit) {
                EXPECT_NEAR(contour.level, c.limitLevel, 1e-9);
            }
        }
        const std::vector<std::string> expected = {"2", "5", "10", "20", "Poziom własny"};
        EXPECT_EQ(labels, expected);
    }
}

// Z52 with bundles, 13 shield wires, the building from (30, 9) to (38, 12) and the
// calculation line at 2 m, 50 m on both sides of the axis.
TEST(FieldMapLayout, TheCrossSectionInPixels) {
    testing::Bench b;
    testing::setUpLargest(b);
    const auto grid = fieldMapGrid(*b.project, b.form, {.range = 50.0});
    const auto map = computeFieldMap(*b.project, b.form, std::get<FieldMapGrid>(grid));
    const FieldMapLayout g = layoutOf(*map, b.form.options);
    const PixelRect& p = g.plot;
    const double top = map->grid.y(map->grid.rows - 1);
    const auto pixelX = [&](double x) { return p.left + (x + 50.0) / 100.0 * (p.right - p.left); };
    const auto pixelY = [&](double y) { return p.bottom - y / top * (p.bottom - p.top); };
    const auto count = [&](MapWire kind) {
        return std::count_if(g.wires.begin(), g.wires.end(),
                             [kind](const MapWireDot& d) { return d.kind == kind; });
    };
    EXPECT_EQ(count(MapWire::Working), 6);
    EXPECT_EQ(count(MapWire::Ground), 2);
    EXPECT_EQ(count(MapWire::Shield), 13);
    for (const MapWireDot& dot : g.wires) {
        EXPECT_EQ(dot.box.right - dot.box.left, 10);
    }
    ASSERT_EQ(g.building.size(), 3u);
    EXPECT_NEAR(g.building[0].x, pixelX(30.0), 1.0);
    EXPECT_NEAR(g.building[0].y, p.bottom, 1.0);
    EXPECT_NEAR(g.building[1].y, pixelY(9.0), 1.0);
    EXPECT_NEAR(g.building[2].x, pixelX(38.0), 1.0);
    EXPECT_NEAR(g.building[2].y, pixelY(12.0), 1.0);
    ASSERT_TRUE(g.calculationLine && g.towerAxis);
    EXPECT_NEAR(g.calculationLine->from.y, pixelY(2.0), 1.0);
    EXPECT_EQ(g.calculationLine->from.x, p.left);
    EXPECT_EQ(g.calculationLine->to.x, p.right);
    EXPECT_NEAR(g.towerAxis->from.x, pixelX(0.0), 1.0);
    const std::vector<std::string> across = {"-50", "-40", "-30", "-20", "-10", "0",
                                             "10",  "20",  "30",  "40",  "50"};
    EXPECT_EQ(labelsOf(g.xTicks), across);
    EXPECT_EQ(g.yTicks.front().label.text, "0");
    EXPECT_EQ(g.yTicks.back().label.text, "50");
    EXPECT_EQ(static_cast<int>(g.raster.colours.size()), (p.right - p.left) * (p.bottom - p.top));
}

// A window too small for a plot still lays out without a negative area.
TEST(FieldMapLayout, AnyWindowSize) {
    const FieldMap map = decadesAcross(false);
    for (const auto& [w, h] : {std::pair{1, 1}, {60, 40}, {300, 200}, {2500, 1600}}) {
        SCOPED_TRACE(w);
        const FieldMapLayout g =
            layoutFieldMap(map, {}, windowMapFrame(w, h), FixedMeasure(), untranslated);
        EXPECT_GT(g.plot.right, g.plot.left);
        EXPECT_GT(g.plot.bottom, g.plot.top);
        EXPECT_EQ(static_cast<std::size_t>(g.raster.width) * g.raster.height,
                  g.raster.colours.size());
    }
}

} // namespace
} // namespace velt
