// The graph layout as numbers and texts, with text sizes of a fixed measure.

#include "RenderFixtures.h"

#include "calc/ProfileSampling.h"
#include "project/BatchUi.h"
#include "render/GraphLayout.h"

#include <QPageSize>
#include <QSize>

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace velt {
namespace {

using testing::Computed;
using testing::computeProject;
using testing::exampleProject;
using testing::FixedMeasure;

GraphLayout windowLayout(const FieldProfile& f, int w = 1000, int h = 700,
                         bool towerShifted = false) {
    return layoutGraph(f, windowFrame(w, h), towerShifted, FixedMeasure());
}

std::vector<std::string> textsOf(const std::vector<PlacedText>& placed) {
    std::vector<std::string> texts;
    for (const PlacedText& p : placed) {
        texts.push_back(p.text);
    }
    return texts;
}

int countOf(const GraphLayout& g, GraphInk ink) {
    return static_cast<int>(std::count_if(g.conductors.begin(), g.conductors.end(),
                                          [ink](const ConductorDot& d) { return d.ink == ink; }));
}

const std::vector<std::string> kEveryFourMetres = {
    "0.00", "4.00", "8.00", "12.00", "16.00", "20.00", "24.00", "28.00", "32.00", "36.00", "40.00"};

TEST(GraphScales, NiceRounding) {
    const std::pair<double, double> scales[] = {{-1, -1},   {0, 0},   {0.3, 1},   {1, 1},
                                                {1.2, 2},   {2, 2},   {2.4, 5},   {5, 5},
                                                {5.01, 10}, {10, 10}, {10.5, 20}, {37, 40}};
    for (const auto& [v, expected] : scales) {
        EXPECT_EQ(nice(v), expected) << v;
    }
    const std::pair<double, double> axes[] = {{0, 0},  {1, 1},   {1.5, 5}, {5, 5},
                                              {6, 10}, {10, 10}, {38, 40}, {-3, -3}};
    for (const auto& [v, expected] : axes) {
        EXPECT_EQ(niceAxis(v), expected) << v;
    }
}

// The sampling rounds the maximum 2.34 to the axis maximum 2.4; the graph's value scale is
// that rounded up once more.
TEST(GraphScales, ValueScaleFromTheSampledMaximum) {
    auto project = std::make_unique<LineProject>();
    project->profileLength = 50.0;
    project->calcStep = 0.25;
    auto profile = std::make_unique<FieldProfile>();
    LineDataForm form;
    CalculationAnswers answers;
    std::ostringstream err;
    BatchUi ui(answers, err);
    PassContext ctx{*project, *profile, form, ui};
    std::vector<double> positions(202);
    std::vector<double> values(202);
    for (int i = 1; i <= 201; ++i) {
        positions[i] = (i - 1) * 0.25;
        values[i] = 2.34 * (1.0 - std::abs(i - 101) / 100.0);
    }
    sampleProfile(ctx, 201, positions.data(), values.data(), false, 0.0, false);
    ASSERT_EQ(profile->resultMaxValue, 2.34);
    ASSERT_NEAR(profile->valueAxisMax, 2.4, 1e-12);

    const GraphLayout g = windowLayout(*profile);
    EXPECT_EQ(g.scales.valueScale, 5.0);
    EXPECT_EQ(textsOf(g.valueLabels),
              (std::vector<std::string>{"5.00", "4.50", "4.00", "3.50", "3.00", "2.50", "2.00",
                                        "1.50", "1.00", "0.50"}));
    EXPECT_EQ(g.valueLabels[0].at, (PixelPoint{65 - 28 - 5, 45 - 6}));
    EXPECT_EQ(g.panel[6].text.text, "Emax=2.34[kV/m]");
}

TEST(GraphScales, DrawingRangeSetsTheDistanceScale) {
    const Computed c = computeProject(R"({"tower": "Z52", "workingHeight": 12.0,
        "groundWireHeight": 30.0, "line": {"kind": "vertical", "x": 15.0}, "range": 20.0,
        "drawRange": 37.2})");
    const FieldProfile& f = *c.profile;
    ASSERT_EQ(f.resultDrawRange, 37.2);
    const GraphLayout g = windowLayout(f);
    EXPECT_EQ(g.scales.xMax, 40.0);
    EXPECT_EQ(g.scales.axis, 0.0);
    EXPECT_EQ(textsOf(g.xLabels), kEveryFourMetres);
    // The curve ends at the first point at or beyond the drawing range.
    const double step = f.resultProfileLength * 0.005;
    const std::size_t n = g.curves.at(0).points.size();
    EXPECT_GE(n * step, 37.2 - 1e-9);
    EXPECT_LT((n - 1) * step, 37.2);
    // A vertical line has neither the height scale nor the conductors.
    EXPECT_TRUE(g.heightLabels.empty());
    EXPECT_TRUE(g.conductors.empty());
    EXPECT_EQ(textsOf(g.captions), (std::vector<std::string>{"E [kV/m]", "y[m]"}));
}

// The distance labels count from the tower axis, which stands at a nice position.
TEST(GraphScales, AxisPositionAndShift) {
    Computed c = computeProject(exampleProject("z52-horizontal"));
    FieldProfile& f = *c.profile;
    ASSERT_FALSE(f.resultTowerShifted);
    ASSERT_TRUE(f.resultAxisOffsetSet);
    f.resultAxisX = 37.3;
    f.drawRange = 75.0;
    GraphLayout g = windowLayout(f);
    EXPECT_EQ(g.scales.axis, 40.0);
    EXPECT_NEAR(g.scales.shift, 2.7, 1e-12);
    EXPECT_EQ(g.scales.xMax, 80.0);
    EXPECT_EQ(textsOf(g.xLabels),
              (std::vector<std::string>{"40.00", "32.00", "24.00", "16.00", "8.00", "0.00", "8.00",
                                        "16.00", "24.00", "32.00", "40.00"}));

    // Without the correction the profile starts at the axis, unless the user's tower is
    // shifted now.
    f.resultAxisOffsetSet = false;
    EXPECT_EQ(windowLayout(f).scales.axis, 0.0);
    EXPECT_EQ(windowLayout(f, 1000, 700, true).scales.axis, 40.0);

    f.resultLineKind = true;
    g = windowLayout(f, 1000, 700, true);
    EXPECT_EQ(g.scales.axis, 0.0);
    EXPECT_EQ(g.scales.shift, 0.0);

    f.resultLineKind = false;
    f.resultTowerShifted = true;
    f.resultAxisX = 3.0;
    g = windowLayout(f);
    EXPECT_EQ(g.scales.axis, 5.0);
    EXPECT_EQ(g.scales.shift, 2.0);
}

// Too small a window shows the panel alone, half-way in from the left, without margin.
TEST(GraphLayout, SmallWindowDrawsOnlyThePanel) {
    const Computed c = computeProject(exampleProject("h52-magnetic-building"));
    const struct {
        int w;
        int h;
        bool plot;
    } sizes[] = {{385, 700, false}, {386, 700, true}, {1000, 170, false},
                 {1000, 171, true}, {1, 1, false},    {100, 5000, false}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(std::to_string(s.w) + "x" + std::to_string(s.h));
        const GraphLayout g = windowLayout(*c.profile, s.w, s.h);
        EXPECT_EQ(g.plotShown, s.plot);
        ASSERT_FALSE(g.panel.empty());
        if (s.plot) {
            EXPECT_EQ(g.panel[0].text.at, (PixelPoint{s.w - 180 + 10, 10}));
            continue;
        }
        EXPECT_TRUE(g.ticks.empty() && g.curves.empty() && g.separator.empty());
        EXPECT_FALSE(g.maximum.has_value());
        const int panelLeft = std::max(0, (s.w - 180) / 2);
        EXPECT_EQ(g.panel[0].text.at, (PixelPoint{panelLeft, 0}));
        EXPECT_EQ(g.panel[1].text.at, (PixelPoint{panelLeft, 2 * 14}));
    }
}

TEST(GraphLayout, OneKilovoltMarker) {
    Computed c = computeProject(exampleProject("z52-horizontal"));
    FieldProfile& f = *c.profile;
    GraphLayout g = windowLayout(f);
    ASSERT_EQ(g.crossings.size(), 1u);
    const CrossingMarker& m = g.crossings[0];
    const GraphMapping map{g.scales, 65, 45, g.frame.plotH, f.resultStep};
    const int y1 = map.valueY(1.0);
    const int x = map.pointX(m.index + 1);
    EXPECT_EQ(m.label, (PlacedText{{1, y1 - 6}, "1kV"}));
    EXPECT_EQ(m.line, (std::vector<PixelPoint>{{3 * 7 + 4, y1}, {x, y1}, {x, 670 - 13}}));
    EXPECT_EQ(m.distance, (PlacedText{{x - 14, 670 - 13}, "24.0"}));

    // Below 1 kV/m, and for the magnetic field, there is no marker.
    f.resultMaxValue = 0.99;
    EXPECT_TRUE(windowLayout(f).crossings.empty());
    const Computed magnetic = computeProject(exampleProject("h52-magnetic-building"));
    ASSERT_GE(magnetic.profile->resultMaxValue, 1.0);
    EXPECT_TRUE(windowLayout(*magnetic.profile).crossings.empty());
}

TEST(GraphScales, CrossingIndices) {
    auto f = std::make_unique<FieldProfile>();
    f->profilePointCount = 10;
    const double values[] = {0, 0.5, 0.5, 1.2, 1.5, 1.2, 0.5, 0.5, 1.1, 0.5, 0.5};
    std::copy(std::begin(values), std::end(values), f->resultValue);
    f->resultAxisOffsetSet = true; // searched upward from the axis at the profile's end
    EXPECT_EQ(crossingIndices(*f), (std::vector<int>{1}));
    f->resultAxisOffsetSet = false; // searched downward to the axis at the start
    EXPECT_EQ(crossingIndices(*f), (std::vector<int>{8}));
    f->resultTowerShifted = true; // both, the one found downward first
    EXPECT_EQ(crossingIndices(*f), (std::vector<int>{8, 1}));
    std::fill_n(f->resultValue, kProfileSlots, 1.5);
    f->profilePointCount = 100000; // never beyond the record
    EXPECT_TRUE(crossingIndices(*f).empty());
}

TEST(GraphLayout, MaximumPointsAwayFromTheAxis) {
    Computed shifted = computeProject(exampleProject("h52-magnetic-building"));
    GraphLayout g = windowLayout(*shifted.profile);
    ASSERT_TRUE(g.maximum.has_value());
    const int w = 4 * 7;
    EXPECT_EQ(g.maximum->line.to.x - g.maximum->line.from.x, w);
    EXPECT_EQ(g.maximum->label.text, "Hmax");

    Computed corrected = computeProject(exampleProject("z52-horizontal"));
    FieldProfile& f = *corrected.profile;
    ASSERT_GT(f.maxPosition, f.resultDrawRange);
    EXPECT_FALSE(windowLayout(f).maximum.has_value());
    f.resultDrawRange = f.drawRange = 50.0;
    g = windowLayout(f);
    ASSERT_TRUE(g.maximum.has_value());
    EXPECT_LT(g.maximum->line.to.x, g.maximum->line.from.x);
    EXPECT_EQ(g.maximum->label.text, "Emax");
}

// The building's outline points close the shield-wire list and are no wires.
TEST(GraphLayout, CrossSection) {
    const Computed building = computeProject(R"({"tower": "H52", "workingHeight": 14.0,
        "groundWireHeight": 24.0, "towerShift": 10.0, "range": 60.0,
        "building": {"frontX": 25.0, "frontY": 6.0, "roofX": 35.0, "roofY": 9.0}})");
    ASSERT_EQ(building.profile->resultShieldWireCount, 20u);
    GraphLayout g = windowLayout(*building.profile);
    EXPECT_EQ(countOf(g, GraphInk::Blue), 0);
    EXPECT_EQ(countOf(g, GraphInk::Red), 3);
    EXPECT_EQ(countOf(g, GraphInk::Lime), 2);
    ASSERT_EQ(g.building.size(), 3u);
    const GraphMapping map{g.scales, 65, 45, g.frame.plotH, building.profile->resultStep};
    EXPECT_EQ(g.building[0], (PixelPoint{map.positionX(35.0), 45 + g.frame.plotH}));
    EXPECT_EQ(g.building[2], (PixelPoint{map.positionX(45.0), map.heightY(9.0)}));

    // The left half of an unshifted tower: the profile ends at the axis, 60 m in; the building
    // keeps its place beside the tower, on the plot and in the panel.
    std::string project = testing::largestGraphProject();
    const std::string right = R"("frontX": 25.0, "frontY": 6.0, "roofX": 35.0)";
    project.replace(project.find(right), right.size(),
                    R"("frontX": -25.0, "frontY": 6.0, "roofX": -35.0)");
    const Computed left = computeProject(project);
    ASSERT_TRUE(left.profile->resultAxisOffsetSet);
    ASSERT_EQ(left.profile->resultAxisX, 60.0);
    g = windowLayout(*left.profile);
    const GraphMapping leftMap{g.scales, 65, 45, g.frame.plotH, left.profile->resultStep};
    ASSERT_EQ(g.building.size(), 3u);
    EXPECT_EQ(g.building[0].x, leftMap.positionX(60.0 - 25.0));
    EXPECT_EQ(g.building[2].x, leftMap.positionX(60.0 - 35.0));
    EXPECT_EQ(g.panel[9].text.text, "     -25.00,6.00");
    EXPECT_EQ(g.panel[11].text.text, "     -35.00,9.00");
    // On the other side of the tower it is beyond the computed half.
    const Computed beyond = computeProject(testing::largestGraphProject());
    g = windowLayout(*beyond.profile);
    EXPECT_TRUE(g.building.empty());
    EXPECT_EQ(g.panel[9].text.text, "     25.00,6.00");

    // Shield wires at -12 and 12 from the axis: the one left of the profile is left out.
    const Computed shield = computeProject(exampleProject("h52-magnetic-building"));
    g = windowLayout(*shield.profile);
    EXPECT_EQ(countOf(g, GraphInk::Blue), 1);
}

TEST(GraphLayout, PanelLines) {
    const Computed c = computeProject(exampleProject("h52-magnetic-building"));
    const GraphLayout g = windowLayout(*c.profile);
    const int left = 1000 - 180 + 10;
    const std::vector<std::pair<int, std::string>> lines = {{0, "Pole magnetyczne"},
                                                            {2, "SERIA: H52"},
                                                            {3, "TYP: PS"},
                                                            {4, "h = 14.00[m]"},
                                                            {5, "ho= 24.00[m]"},
                                                            {6, "Y=1.80[m]"},
                                                            {9, "BUDYNEK:"},
                                                            {10, "Wsp. szczytu frontu: [m]"},
                                                            {11, "     25.00,6.00"},
                                                            {12, "Wsp. konca dachu: [m]"},
                                                            {13, "     35.00,9.00"},
                                                            {15, "H  :"},
                                                            {16, "Hx :"},
                                                            {17, "Hy :"}};
    for (const auto& line : lines) {
        const auto& [k, text] = line;
        const auto it = std::find_if(g.panel.begin(), g.panel.end(), [&](const PanelLine& l) {
            return l.text.text == line.second;
        });
        ASSERT_NE(it, g.panel.end()) << text;
        EXPECT_EQ(it->text.at, (PixelPoint{left, 10 + k * 14})) << text;
        EXPECT_EQ(it->style, k == 9 ? TextStyle::BoldUnderlined : TextStyle::Bold) << text;
    }
    EXPECT_EQ(g.panel[6].text.text.rfind("Hmax=", 0), 0u);
    ASSERT_EQ(g.legend.size(), 3u);
    EXPECT_EQ(g.legend[1].line,
              (PixelLine{{left + 28, 10 + 16 * 14 + 7}, {left + 112, 10 + 16 * 14 + 7}}));
    EXPECT_EQ(g.legend[1].ink, GraphInk::Green);
    EXPECT_EQ(g.legend[1].dash, GraphDash::DashDot);
}

TEST(GraphLayout, PrintedPage) {
    const QSize page = QPageSize(QPageSize::A4).sizePixels(600).transposed();
    ASSERT_EQ(page, QSize(7017, 4958));
    const GraphFrame fr = printedFrame(page.width(), page.height());
    EXPECT_EQ(fr.panelLeft, 7017 - 877);
    EXPECT_EQ(fr.top, 495);
    EXPECT_EQ(fr.left, 511);
    EXPECT_EQ(fr.plotW, 6140 - 2 * 511);
    EXPECT_EQ(fr.plotH, 4958 - 2 * 495);
    EXPECT_EQ(fr.axisY(), 4958 - 495);
    EXPECT_EQ(fr.xLabelTop, 4958 - 413);
    EXPECT_EQ(fr.textMargin, 413);
    EXPECT_EQ(fr.dotDiameter, 49);
    EXPECT_EQ(fr.clear, (PixelRect{0, 0, 6140, 4958}));

    // Shifted tower: labels with one decimal, the comment printed, captions from the margin.
    const Computed shifted = computeProject(exampleProject("h52-magnetic-building"));
    GraphLayout g = layoutGraph(*shifted.profile, fr, true, FixedMeasure());
    EXPECT_TRUE(g.plotShown);
    EXPECT_EQ(textsOf(g.xLabels).front(), "10.0");
    EXPECT_EQ(textsOf(g.xLabels).back(), "50.0");
    EXPECT_EQ(g.xLabels[0].at.y, 4545);
    ASSERT_TRUE(g.comment.has_value());
    EXPECT_EQ(g.panel[0].text.at, (PixelPoint{6140 + 413, 413}));
    ASSERT_EQ(g.captions.size(), 3u);
    EXPECT_EQ(g.captions[0].at, (PixelPoint{5, 206}));
    EXPECT_EQ(g.captions[1], (PlacedText{{6140 + 35 - 511 - 20, 206}, "h [m]"}));
    EXPECT_EQ(g.captions[2], (PlacedText{{6140 + 28 - 511 - 5, 4545}, "x[m]"}));

    // Unshifted tower: no comment. A page of any size gets its plot.
    const Computed unshifted = computeProject(exampleProject("z52-horizontal"));
    g = layoutGraph(*unshifted.profile, fr, false, FixedMeasure());
    EXPECT_FALSE(g.comment.has_value());
    EXPECT_TRUE(windowLayout(*unshifted.profile).comment.has_value());
    EXPECT_TRUE(
        layoutGraph(*unshifted.profile, printedFrame(100, 100), false, FixedMeasure()).plotShown);
}

TEST(GraphLayout, OnTheConductors) {
    const Computed electric = computeProject(exampleProject("s12-conductors-interference"));
    GraphLayout g = windowLayout(*electric.profile);
    ASSERT_TRUE(g.onConductors);
    EXPECT_TRUE(g.panel.empty() && g.ticks.empty());
    ASSERT_EQ(g.surfaceTexts.size(), 9u);
    const std::string title = "Maksymalna wartosc natezenia pola elektrycznego";
    EXPECT_EQ(g.surfaceTexts[0], (PlacedText{{500 - 47 * 7 / 2, 20}, title}));
    EXPECT_EQ(g.surfaceTexts[2].text, "Emx = 14.39 kV/cm");
    EXPECT_EQ(g.surfaceTexts[2].at.y, 2 * 13 + 25);
    EXPECT_EQ(g.surfaceTexts[3].text, "Poziom zaklocen w/g kolejnych wzorow [dB]");
    EXPECT_EQ(g.surfaceTexts[8].at.y, 8 * 13 + 25);
    EXPECT_EQ(g.surfaceTexts[8].text.rfind("5. ", 0), 0u);

    // The printout centres on the page and starts a twentieth down.
    g = layoutGraph(*electric.profile, printedFrame(7016, 4961), false, FixedMeasure());
    EXPECT_EQ(g.surfaceTexts[0].at, (PixelPoint{3508 - 47 * 7 / 2, 248}));
    EXPECT_EQ(g.surfaceTexts[1].at.y, 248 + 13 + 5);

    const Computed magnetic = computeProject(R"({"tower": "S12", "workingHeight": 10.0,
        "groundWireHeight": 14.0, "field": "magnetic", "mode": "conductors",
        "currents": [500.0], "range": 50.0})");
    g = windowLayout(*magnetic.profile);
    ASSERT_EQ(g.surfaceTexts.size(), 3u);
    EXPECT_EQ(g.surfaceTexts[0].text, "Maksymalna wartość indukcji magnetycznej");
    EXPECT_EQ(g.surfaceTexts[2].text.substr(g.surfaceTexts[2].text.size() - 3), " mT");
}

} // namespace
} // namespace velt
