// What a calculation's options add to the graph's layout, as numbers and texts, from
// projects computed with their extras as velt-calc computes them.

#include "RenderFixtures.h"

#include "analysis/MagneticUnits.h"
#include "render/GraphLayout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velt {
namespace {

using testing::ComputedWithExtras;
using testing::computeWithExtras;
using testing::exampleProject;
using testing::FixedMeasure;
using testing::withMembers;

GraphLayout windowLayout(const ComputedWithExtras& c, int w = 1000, int h = 700,
                         SourceTranslator translate = untranslated) {
    return layoutGraph(*c.profile, windowFrame(w, h), c.project->towerShifted, FixedMeasure(),
                       &c.extras, translate);
}

std::vector<std::string> textsFrom(const std::vector<PanelLine>& lines, std::size_t first) {
    std::vector<std::string> texts;
    for (std::size_t k = first; k < lines.size(); ++k) {
        texts.push_back(lines[k].text.text);
    }
    return texts;
}

std::string z52With(const std::string& members) {
    return withMembers(exampleProject("z52-horizontal"), members);
}

std::string h52With(const std::string& members) {
    return withMembers(exampleProject("h52-magnetic-building"), members);
}

const char* const kOwnLevel = R"("limits": [{"name": "Mój", "electric": 1, "magnetic": 2.5}])";

// Where the drawn field curve crosses `level` (in the profile's unit), between its points,
// as x and y.
std::vector<std::pair<double, double>> curveCrossings(const GraphLayout& g, const FieldProfile& f,
                                                      double level) {
    const std::vector<PixelPoint>& p = g.curves.at(0).points;
    std::vector<std::pair<double, double>> found;
    for (std::size_t k = 0; k + 1 < p.size(); ++k) {
        const double v0 = f.resultValue[k + 1];
        const double v1 = f.resultValue[k + 2];
        if ((v0 >= level) != (v1 >= level)) {
            const double t = (level - v0) / (v1 - v0);
            found.emplace_back(p[k].x + t * (p[k + 1].x - p[k].x),
                               p[k].y + t * (p[k + 1].y - p[k].y));
        }
    }
    return found;
}

// Without extras, with empty ones, and with those of a project that asks for nothing, every
// layout is the one the graph always had.
TEST(GraphExtras, NoneLeaveTheLayoutAsItWas) {
    const std::string projects[] = {
        exampleProject("z52-horizontal"), exampleProject("h52-magnetic-building"),
        exampleProject("s12-conductors-interference"), exampleProject("z52-conductors-induction"),
        testing::largestGraphProject()};
    const CalculationExtras none;
    for (const std::string& project : projects) {
        const ComputedWithExtras c = computeWithExtras(project);
        const bool shifted = c.project->towerShifted;
        for (const GraphFrame& frame :
             {windowFrame(1000, 700), windowFrame(300, 400), printedFrame(7017, 4958)}) {
            const GraphLayout plain = layoutGraph(*c.profile, frame, shifted, FixedMeasure());
            EXPECT_EQ(layoutGraph(*c.profile, frame, shifted, FixedMeasure(), &none), plain);
            EXPECT_EQ(layoutGraph(*c.profile, frame, shifted, FixedMeasure(), &c.extras), plain);
        }
    }
}

// A limit's level lies across the plot where the curve meets it: the electric one on the
// 1 kV/m marker's line, a magnetic one at level x sqrt 2 (the profile holds peak values), in
// A/m or in uT. Its zone's bar runs from edge to edge of the curve above it; an open end, or
// an edge beyond the plot, reaches the plot's edge.
TEST(GraphExtras, LimitLineAndZoneMark) {
    const struct {
        std::string project;
        double axisValue; ///< the level on the value axis
        std::string label;
        bool closedLeft;
        bool closedRight;
    } cases[] = {
        // The left half of the line: the zone's right edge lies beyond the plot.
        {z52With(R"("limits": ["pl-residential"])"), 1.0,
         "Tereny zabudowy mieszkaniowej (PL) 1 kV/m", true, false},
        // Open at the range's start.
        {h52With(kOwnLevel), 2.5 * std::sqrt(2.0), "Mój 2.5 A/m", false, true},
        {h52With(std::string(kOwnLevel) + R"(, "magneticUnit": "uT")"),
         microteslaOf(2.5 * std::sqrt(2.0)), "Mój 3.142 µT", false, true},
        {z52With(R"("limits": [{"name": "N", "electric": 0.01, "magnetic": 1}])"), 0.01,
         "N 0.01 kV/m", false, false},
        // Heights along a vertical line.
        {withMembers(R"({"tower": "Z52", "workingHeight": 12.0, "groundWireHeight": 30.0,
                         "line": {"kind": "vertical", "x": 15.0}, "range": 20.0})",
                     R"("limits": [{"name": "V", "electric": 5, "magnetic": 1}])"),
         5.0, "V 5 kV/m", true, false},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.label);
        const ComputedWithExtras c = computeWithExtras(k.project);
        const GraphLayout g = windowLayout(c);
        ASSERT_EQ(g.limitLines.size(), 1u);
        const PixelLine& line = g.limitLines[0].line;
        const int plotH = g.frame.plotH;
        const int right = 65 + g.frame.plotW;
        EXPECT_NEAR(line.from.y, 45 + plotH - k.axisValue / g.scales.valueScale * plotH, 1.0);
        EXPECT_EQ(line, (PixelLine{{65, line.from.y}, {right, line.from.y}}));
        const PlacedText& label = g.limitLines[0].label;
        EXPECT_EQ(label.text, k.label);
        EXPECT_LT(label.at.y, line.from.y);
        EXPECT_LE(label.at.x + 7 * static_cast<int>(utf8Length(k.label)), right);

        const auto meets = curveCrossings(g, *c.profile, c.extras.zones.at(0).profileLevel);
        ASSERT_EQ(meets.size(), (k.closedLeft ? 1u : 0u) + (k.closedRight ? 1u : 0u));
        for (const auto& [x, y] : meets) {
            EXPECT_NEAR(y, line.from.y, 1.0);
        }
        ASSERT_EQ(g.zoneMarks.size(), 1u);
        const PixelRect& bar = g.zoneMarks[0];
        EXPECT_EQ(bar.bottom, g.frame.axisY());
        EXPECT_EQ(bar.top, g.frame.axisY() - 3);
        EXPECT_NEAR(bar.left, k.closedLeft ? meets.front().first : 65, 1.0);
        EXPECT_NEAR(bar.right - 1, k.closedRight ? meets.back().first : right, 1.0);
    }
    const ComputedWithExtras electric =
        computeWithExtras(z52With(R"("limits": ["pl-residential"])"));
    const GraphLayout g = windowLayout(electric);
    ASSERT_EQ(g.crossings.size(), 1u);
    EXPECT_EQ(g.limitLines[0].line.from.y, g.crossings[0].line[1].y);
}

// The panel's zone lines after its own (to row 7) and a free row; a level above the axis
// there only. A zone of two intervals, one beyond the plot, has one bar, a row up.
TEST(GraphExtras, PanelZoneLinesAndRows) {
    const ComputedWithExtras c = computeWithExtras(z52With(R"("limits": ["pl-residential",
        {"name": "T", "electric": 3, "magnetic": 1}, "icnirp-2010-public",
        {"name": "W", "electric": 50, "magnetic": 1}])"));
    const GraphLayout g = windowLayout(c);
    EXPECT_EQ(
        textsFrom(g.panel, 7),
        (std::vector<std::string>{"Strefa 1 kV/m:", "  od -23.83 do 23.76 m",
                                  "Strefa 3 kV/m:", "  od -16.57 do 16.37 m", "  przedziałów: 2",
                                  "Strefa 5 kV/m:", "  od -10.35 do -8.17 m",
                                  "Strefa 50 kV/m: brak", "  (ponad skalą wykresu)"}));
    EXPECT_EQ(g.panel[7].text.at, (PixelPoint{1000 - 180 + 10, 10 + 9 * 14}));
    EXPECT_EQ(g.panel[7].style, TextStyle::Bold);
    EXPECT_EQ(g.panel[8].text.at, (PixelPoint{1000 - 180 + 10, 10 + 10 * 14}));
    EXPECT_EQ(g.panel[8].style, TextStyle::Regular);
    EXPECT_EQ(g.limitLines.size(), 3u);
    ASSERT_EQ(g.zoneMarks.size(), 3u);
    EXPECT_EQ(g.zoneMarks[1].bottom, g.frame.axisY() - 4);
    EXPECT_EQ(g.zoneMarks[1].right, 65 + g.frame.plotW + 1);
}

// The panel's texts come through the translator, the numbers and names around them as they
// are.
TEST(GraphExtras, AddedTextsTranslated) {
    const ComputedWithExtras c =
        computeWithExtras(z52With(R"("limits": [{"name": "W", "electric": 50, "magnetic": 1}],
                   "neighbours": [{"tower": "S12", "workingHeight": 10,
                                   "groundWireHeight": 14, "offset": 30}])"));
    const SourceTranslator marked = [](const char* source) { return "»" + std::string(source); };
    const GraphLayout g = windowLayout(c, 1000, 700, marked);
    EXPECT_EQ(g.panel[0].text.text, "»Pole elektryczne");
    EXPECT_EQ(g.panel[1].text.text, "»SERIA: Z52");
    EXPECT_EQ(
        textsFrom(g.panel, 7),
        (std::vector<std::string>{"»Strefa 50 kV/m: brak", "  »(ponad skalą wykresu)",
                                  "»Linie sąsiednie:", "  1. »Linia 1", "    »(poza wykresem)"}));
}

// In uT the value axis gets round induction values; the curve keeps its shape, the maximum
// and the captions say B.
TEST(GraphExtras, InductionInMicrotesla) {
    const GraphLayout a = windowLayout(computeWithExtras(exampleProject("h52-magnetic-building")));
    const GraphLayout b = windowLayout(computeWithExtras(h52With(R"("magneticUnit": "uT")")));
    ASSERT_EQ(a.panel[6].text.text, "Hmax=6.62[A/m]");
    EXPECT_EQ(b.panel[6].text.text, "Bmax=8.32[µT]"); // 6.62 A/m x 4 pi 10^-7
    EXPECT_EQ(b.scales.valueScale, 10.0);
    EXPECT_EQ(b.valueLabels.front().text, "10.00");
    EXPECT_EQ(b.captions[0].text, "B [µT]");
    EXPECT_EQ(b.maximum->label.text, "Bmax");
    EXPECT_EQ(b.panel[12].text.text, "B  :");
    const int axisY = a.frame.axisY();
    const double perPixelA = a.scales.valueScale / a.frame.plotH;
    const double perPixelB = b.scales.valueScale / b.frame.plotH;
    const auto& pa = a.curves.at(0).points;
    const auto& pb = b.curves.at(0).points;
    ASSERT_EQ(pa.size(), pb.size());
    for (std::size_t i = 0; i < pa.size(); ++i) {
        const double inTesla = microteslaOf((axisY - pa[i].y) * perPixelA);
        EXPECT_NEAR((axisY - pb[i].y) * perPixelB, inTesla, 1.5 * perPixelB) << i;
    }
}

// The neighbouring lines' conductors where the line's own stand, moved by their offset;
// those beside the plot left out and marked so in the panel.
TEST(GraphExtras, NeighbourConductors) {
    const ComputedWithExtras c = computeWithExtras(R"({"tower": "Z52", "workingHeight": 12.0,
        "groundWireHeight": 30.0, "line": {"kind": "horizontal", "y": 2.0},
        "towerShift": 10.0, "range": 60.0,
        "neighbours": [{"tower": "Z52", "workingHeight": 12.0, "groundWireHeight": 30.0,
                        "offset": 30.0, "label": "Linia 400 kV"},
                       {"tower": "Z52", "workingHeight": 12.0, "groundWireHeight": 30.0,
                        "offset": -40.0}]})");
    const GraphLayout g = windowLayout(c);
    const auto dots = [&g](GraphInk ink) {
        std::vector<PixelPoint> found;
        for (const ConductorDot& d : g.conductors) {
            if (d.ink == ink) {
                found.push_back(d.centre);
            }
        }
        return found;
    };
    const double shift = 30.0 * g.scales.px;
    for (const auto& [own, theirs] : {std::pair{GraphInk::Red, GraphInk::Magenta},
                                      std::pair{GraphInk::Lime, GraphInk::DarkMagenta}}) {
        const std::vector<PixelPoint> a = dots(own);
        const std::vector<PixelPoint> b = dots(theirs);
        ASSERT_FALSE(a.empty());
        ASSERT_EQ(b.size(), a.size());
        for (std::size_t k = 0; k < a.size(); ++k) {
            EXPECT_NEAR(b[k].x, a[k].x + shift, 1.0);
            EXPECT_EQ(b[k].y, a[k].y);
        }
    }
    EXPECT_EQ(textsFrom(g.panel, 7),
              (std::vector<std::string>{"Linie sąsiednie:", "  1. Linia 400 kV", "  2. Linia 2",
                                        "    (poza wykresem)"}));
}

// The accurate method's texts after the graph's own: the method, the four points' gradient,
// the onset, then every bundle, its ratio to the onset for the line's phases; as many
// columns as a low window needs, all inside it; neighbours' bundles carry their line.
TEST(GraphExtras, AccurateSurfaceMethod) {
    const std::string s12 = exampleProject("s12-conductors-interference");
    EXPECT_EQ(windowLayout(computeWithExtras(s12)).surfaceTexts.size(), 9u);
    ComputedWithExtras c = computeWithExtras(withMembers(s12, R"("surfaceMethod": "accurate")"));
    GraphLayout g = windowLayout(c);
    std::vector<std::string> texts;
    for (const PlacedText& t : g.surfaceTexts) {
        texts.push_back(t.text);
    }
    ASSERT_EQ(texts.size(), 9u + 3u + c.extras.surface.bundles.size());
    EXPECT_EQ(texts[9], "Metoda dokładna: powierzchnie przewodów ekwipotencjalne");
    EXPECT_EQ(texts[10], "Metoda czterech punktów: 14.39 kV/cm");
    EXPECT_EQ(texts[11].rfind("Natężenie początkowe ulotu Eo = ", 0), 0u);
    EXPECT_EQ(texts[12].rfind("R1: ", 0), 0u);
    EXPECT_EQ(texts[13].rfind("S1: ", 0), 0u);
    // The largest phase bundle's gradient is the graph's Emx.
    const std::string emx = ": " + texts[2].substr(std::string("Emx = ").size()) + "  E/Eo=";
    EXPECT_TRUE(std::any_of(texts.begin() + 12, texts.begin() + 15, [&](const std::string& t) {
        return t.find(emx) != std::string::npos;
    }));
    EXPECT_EQ(texts.back().rfind("O1: ", 0), 0u);
    EXPECT_EQ(texts.back().find("E/Eo"), std::string::npos);
    EXPECT_EQ(g.surfaceTexts[12].at.y, g.surfaceTexts[11].at.y + 2 * 13);

    c = computeWithExtras(withMembers(s12, R"("surfaceMethod": "accurate",
        "neighbours": [{"tower": "Z52", "workingHeight": 12, "groundWireHeight": 30,
                        "offset": 30, "voltage": 400},
                       {"tower": "Z52", "workingHeight": 12, "groundWireHeight": 30,
                        "offset": -30, "voltage": 400}])"));
    g = windowLayout(c, 1000, 320);
    const std::vector<PlacedText> list(g.surfaceTexts.begin() + 12, g.surfaceTexts.end());
    ASSERT_GT(list.size(), 12u);
    int columns = 1;
    for (std::size_t k = 1; k < list.size(); ++k) {
        const bool next = list[k].at.x != list[k - 1].at.x;
        columns += next ? 1 : 0;
        EXPECT_EQ(list[k].at.y, next ? list[0].at.y : list[k - 1].at.y + 13) << k;
    }
    EXPECT_GT(columns, 1);
    for (const PlacedText& t : list) {
        EXPECT_GE(t.at.x, 0);
        EXPECT_LE(t.at.x + 7 * static_cast<int>(utf8Length(t.text)), 1000) << t.text;
        EXPECT_LE(t.at.y + 13, 320 - 20) << t.text;
    }
    EXPECT_TRUE(std::any_of(list.begin(), list.end(),
                            [](const PlacedText& t) { return t.text.rfind("L2 R1: ", 0) == 0; }));
}

} // namespace
} // namespace velt
