// The series graph's layout as numbers and texts, with text sizes of a fixed measure.

#include "RenderFixtures.h"

#include "render/SeriesGraphLayout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velt {
namespace {

using testing::FixedMeasure;

// Heights from 8 to 20 m in steps of 2 m: the field 20 / h, the zone 30 - h wide.
SeriesGraph heights() {
    SeriesGraph graph;
    graph.quantity = "Wysokość";
    graph.unit = "m";
    for (double h = 8.0; h <= 20.0; h += 2.0) {
        graph.points.push_back({h, 20.0 / h, 30.0 - h});
    }
    graph.level = SeriesGraphLevel{"Poziom", 1.5};
    graph.marked = 14.0;
    return graph;
}

SeriesGraphLayout layoutOf(const SeriesGraph& graph, SourceTranslator translate = untranslated) {
    return layoutSeriesGraph(graph, windowSeriesFrame(1000, 700), FixedMeasure(), translate);
}

std::vector<std::string> labelsOf(const std::vector<SeriesTick>& ticks) {
    std::vector<std::string> texts;
    for (const SeriesTick& tick : ticks) {
        texts.push_back(tick.label.text);
    }
    return texts;
}

std::vector<std::string> legendOf(const SeriesGraphLayout& g) {
    std::vector<std::string> texts;
    for (const SeriesLegendEntry& entry : g.legend) {
        texts.push_back(entry.text.text);
    }
    return texts;
}

// Where `v` lies on an upward scale whose ticks are `ticks`, from 0 at the bottom.
double upward(const std::vector<SeriesTick>& ticks, const PixelRect& plot, double v) {
    const double top = std::stod(ticks.back().label.text);
    return plot.bottom - v / top * (plot.bottom - plot.top);
}

std::string marked(const char* source) {
    return std::string("<") + source + ">";
}

TEST(SeriesGraphLayout, PointsLevelAndMarkInPixels) {
    const SeriesGraph graph = heights();
    const SeriesGraphLayout g = layoutOf(graph);
    const PixelRect& p = g.plot;
    const auto across = [&](double h) { return p.left + (h - 8.0) / 12.0 * (p.right - p.left); };
    const std::vector<std::string> xLabels = {"8", "10", "12", "14", "16", "18", "20"};
    EXPECT_EQ(labelsOf(g.xTicks), xLabels);
    EXPECT_EQ(g.valueTicks.front().label.text, "0");
    EXPECT_EQ(g.zoneTicks.front().label.text, "0");
    ASSERT_EQ(g.curves.size(), 2u);
    const SeriesCurve& field = g.curves[0];
    const SeriesCurve& zone = g.curves[1];
    EXPECT_EQ(field.ink, SeriesInk::Black);
    EXPECT_EQ(zone.ink, SeriesInk::Blue);
    ASSERT_EQ(field.points.size(), graph.points.size());
    ASSERT_EQ(zone.points.size(), graph.points.size());
    for (std::size_t i = 0; i < graph.points.size(); ++i) {
        const SeriesGraphPoint& point = graph.points[i];
        EXPECT_NEAR(field.points[i].x, across(point.x), 1.0) << i;
        EXPECT_NEAR(field.points[i].y, upward(g.valueTicks, p, *point.max), 1.0) << i;
        EXPECT_NEAR(zone.points[i].y, upward(g.zoneTicks, p, *point.zone), 1.0) << i;
    }
    EXPECT_EQ(field.points.front().x, p.left);
    EXPECT_EQ(field.points.back().x, p.right);
    ASSERT_TRUE(g.levelLine && g.markedLine);
    EXPECT_EQ(g.levelLine->from.x, p.left);
    EXPECT_EQ(g.levelLine->to.x, p.right);
    EXPECT_NEAR(g.levelLine->from.y, upward(g.valueTicks, p, 1.5), 1.0);
    EXPECT_NEAR(g.markedLine->from.x, across(14.0), 1.0);
    EXPECT_EQ(g.markedLine->from.y, p.bottom);
    EXPECT_EQ(g.markedLine->to.y, p.top);
    // The legend stands under the plot and its captions, within the frame.
    EXPECT_EQ(g.legendBox.left, p.left);
    EXPECT_GT(g.legendBox.top, g.xCaption.at.y);
    EXPECT_LE(g.legendBox.bottom, 700);
}

TEST(SeriesGraphLayout, RefusedCalculationsBreakTheCurves) {
    SeriesGraph graph = heights();
    graph.level.reset();
    graph.points[1].max.reset();
    graph.points[3].max.reset();
    const SeriesGraphLayout g = layoutOf(graph);
    ASSERT_EQ(g.curves.size(), 3u);
    EXPECT_EQ(g.curves[0].points.size(), 1u);
    EXPECT_EQ(g.curves[1].points.size(), 1u);
    EXPECT_EQ(g.curves[2].points.size(), 3u);
    // Without a level: no zone scale, no lines across.
    EXPECT_TRUE(g.zoneTicks.empty());
    EXPECT_FALSE(g.zoneCaption);
    EXPECT_FALSE(g.levelLine || g.markedLine);
}

TEST(SeriesGraphLayout, TitleAndCaptionsOfEachField) {
    const struct {
        SeriesField field;
        std::string title;
        std::string caption;
    } cases[] = {
        {SeriesField::Electric, "Największe natężenie pola elektrycznego w serii obliczeń",
         "E [kV/m]"},
        {SeriesField::Magnetic, "Największe natężenie pola magnetycznego w serii obliczeń",
         "H [A/m]"},
        {SeriesField::Surface, "Największe natężenie pola na powierzchni przewodów w serii",
         "Emx [kV/cm]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        SeriesGraph graph = heights();
        graph.field = c.field;
        const SeriesGraphLayout g = layoutOf(graph);
        EXPECT_EQ(g.title.text, c.title);
        EXPECT_EQ(g.valueCaption.text, c.caption);
        EXPECT_EQ(g.xCaption.text, "Wysokość [m]");
        const SeriesGraphLayout translated = layoutOf(graph, marked);
        EXPECT_EQ(translated.title.text, "<" + c.title + ">");
        EXPECT_EQ(translated.valueCaption.text, "<" + c.caption + ">");
        ASSERT_TRUE(translated.zoneCaption);
        EXPECT_EQ(translated.zoneCaption->text, "<Szerokość strefy [m]>");
        EXPECT_EQ(translated.legend.front().text.text, "<Największa wartość pola>");
    }
}

TEST(SeriesGraphLayout, LegendNamesTheValueThatMeetsTheLevel) {
    const auto withMark = [](std::optional<double> at, std::optional<double> value) {
        SeriesGraph graph = heights();
        graph.markedAt = at;
        graph.marked = value;
        return graph;
    };
    SeriesGraph choices = heights();
    choices.choices = {"RST-RST", "RST-TRS"};
    choices.unit.clear();
    choices.points = {{0.0, 2.0, 5.0}, {1.0, 1.0, 0.0}};
    choices.marked = 1.0;
    const struct {
        const char* name;
        SeriesGraph graph;
        std::string marked;
    } cases[] = {
        {"Largest", withMark(std::nullopt, 14.0), "Najmniejsza wartość spełniająca poziom: 14 m"},
        {"AtDistance", withMark(25.0, 13.45),
         "Najmniejsza wartość spełniająca poziom w odległości 25 m od osi linii: 13.45 m"},
        {"NotMet", withMark(std::nullopt, std::nullopt), "Żadna wartość nie spełnia poziomu"},
        {"Choice", choices, "Najmniejsza wartość spełniająca poziom: RST-TRS"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SeriesGraphLayout g = layoutOf(c.graph);
        const std::vector<std::string> legend = {"Największa wartość pola", "Szerokość strefy",
                                                 "Poziom: 1.5", c.marked};
        EXPECT_EQ(legendOf(g), legend);
        EXPECT_EQ(g.legend[2].ink, SeriesInk::Red);
        EXPECT_TRUE(g.legend[2].dashed);
        EXPECT_EQ(g.markedLine.has_value(), c.graph.marked.has_value());
    }
}

// A choice's places are a half place in from the plot's edges, named by their texts.
TEST(SeriesGraphLayout, ChoicesArePlacesAcross) {
    SeriesGraph graph;
    graph.choices = {"RST-RST", "RST-TRS"};
    graph.points = {{0.0, 4.0, std::nullopt}, {1.0, 3.0, std::nullopt}};
    const SeriesGraphLayout g = layoutOf(graph);
    const std::vector<std::string> labels = {"RST-RST", "RST-TRS"};
    EXPECT_EQ(labelsOf(g.xTicks), labels);
    const int w = g.plot.right - g.plot.left;
    ASSERT_EQ(g.curves.size(), 1u);
    EXPECT_NEAR(g.curves[0].points[0].x, g.plot.left + w / 4.0, 1.0);
    EXPECT_NEAR(g.curves[0].points[1].x, g.plot.left + 3.0 * w / 4.0, 1.0);
    EXPECT_EQ(legendOf(g), std::vector<std::string>{"Największa wartość pola"});
}

// A value outside the series' range is named, not drawn.
TEST(SeriesGraphLayout, AMarkBeyondTheRangeIsNotDrawn) {
    SeriesGraph graph = heights();
    graph.marked = 23.5;
    graph.markedAt = 10.0;
    const SeriesGraphLayout g = layoutOf(graph);
    EXPECT_FALSE(g.markedLine);
    EXPECT_EQ(g.legend.back().text.text,
              "Najmniejsza wartość spełniająca poziom w odległości 10 m od osi linii: 23.5 m");
}

// Any window, one value or none, a field of 0 everywhere: a plot without a negative area.
TEST(SeriesGraphLayout, AnyWindowSizeAndAnySeries) {
    SeriesGraph one = heights();
    one.points.resize(1);
    SeriesGraph none = heights();
    none.points.clear();
    SeriesGraph zero = heights();
    zero.level.reset();
    for (SeriesGraphPoint& p : zero.points) {
        p.max = 0.0;
    }
    for (const SeriesGraph& graph : {heights(), one, none, zero}) {
        for (const auto& [w, h] : {std::pair{1, 1}, {60, 40}, {300, 200}, {2500, 1600}}) {
            SCOPED_TRACE(w);
            const SeriesGraphLayout g =
                layoutSeriesGraph(graph, windowSeriesFrame(w, h), FixedMeasure(), untranslated);
            EXPECT_GT(g.plot.right, g.plot.left);
            EXPECT_GT(g.plot.bottom, g.plot.top);
            EXPECT_FALSE(g.valueTicks.empty());
        }
    }
}

} // namespace
} // namespace velt
