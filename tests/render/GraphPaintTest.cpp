// The graph painted into images: colours at the points the layout computed, and any size.

#include "RenderFixtures.h"

#include "render/GraphPainter.h"
#include "render/QtTextMeasure.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <limits>

namespace velt {
namespace {

using testing::Computed;
using testing::computeProject;
using testing::exampleProject;

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);

struct Painted {
    QImage image;
    GraphLayout layout;
};

Painted paint(const FieldProfile& f, QSize size, bool towerShifted = false,
              const CalculationExtras* extras = nullptr) {
    Painted p{QImage(size, QImage::Format_RGB32), {}};
    p.image.fill(Qt::blue);
    QPainter painter(&p.image);
    p.layout = layoutGraph(f, windowFrame(size.width(), size.height()), towerShifted,
                           QtTextMeasure(painter), extras);
    paintGraph(painter, p.layout);
    return p;
}

// Some pixel of the 3 x 3 square around `centre` has `colour` (lines may cross a dot).
bool aroundIs(const QImage& image, PixelPoint centre, QRgb colour) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (image.pixel(centre.x + dx, centre.y + dy) == colour) {
                return true;
            }
        }
    }
    return false;
}

TEST(GraphPaint, ColoursAtTheLaidOutPoints) {
    const Computed c = computeProject(exampleProject("h52-magnetic-building"));
    const Painted p = paint(*c.profile, {1000, 700});
    const GraphLayout& g = p.layout;

    // The maximum's line is red where nothing is drawn over it.
    ASSERT_TRUE(g.maximum.has_value());
    const PixelLine& max = g.maximum->line;
    int red = 0;
    for (int x = max.from.x + 1; x < max.to.x; ++x) {
        red += p.image.pixel(x, max.from.y) == kRed ? 1 : 0;
    }
    EXPECT_GT(red, (max.to.x - max.from.x) / 2);

    int lime = 0;
    int blue = 0;
    for (const ConductorDot& dot : g.conductors) {
        lime += dot.ink == GraphInk::Lime && aroundIs(p.image, dot.centre, qRgb(0, 255, 0));
        blue += dot.ink == GraphInk::Blue && aroundIs(p.image, dot.centre, qRgb(0, 0, 255));
    }
    EXPECT_EQ(lime, 2);
    EXPECT_EQ(blue, 1);

    const PixelPoint first = g.curves.at(0).points.at(0);
    EXPECT_EQ(p.image.pixel(first.x, first.y), kBlack);
    EXPECT_EQ(p.image.pixel(g.xAxis.from.x + 3, g.xAxis.from.y), kBlack);
    EXPECT_EQ(p.image.pixel(g.frame.panelLeft + 1, 300), kBlack);
    // The panel's background below its texts, and the plot between grid lines.
    EXPECT_EQ(p.image.pixel(g.frame.panelLeft + 90, 690), kWhite);
    EXPECT_EQ(p.image.pixel(999, 0), kWhite);
}

TEST(GraphPaint, OneKilovoltMarkerIsRed) {
    const Computed c = computeProject(exampleProject("z52-horizontal"));
    const Painted p = paint(*c.profile, {1000, 700});
    ASSERT_EQ(p.layout.crossings.size(), 1u);
    const std::vector<PixelPoint>& line = p.layout.crossings[0].line;
    // Half-way down from the 1 kV/m level to the axis.
    EXPECT_EQ(p.image.pixel(line[2].x, (line[1].y + p.layout.xAxis.from.y) / 2), kRed);
}

TEST(GraphPaint, SmallWindowShowsThePanelOnly) {
    const Computed c = computeProject(exampleProject("z52-horizontal"));
    const Painted p = paint(*c.profile, {300, 400});
    ASSERT_FALSE(p.layout.plotShown);
    EXPECT_EQ(p.image.pixel(65, 400 - 75), kWhite); // where the axis would be
    int dark = 0;
    for (int y = 0; y < 14; ++y) {
        for (int x = 60; x < 180; ++x) {
            dark += p.image.pixel(x, y) != kWhite ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 0); // the panel's first line at (60, 0)
}

// Any size paints, down to a single pixel and up to a large image, with profiles that
// make every scale empty.
TEST(GraphPaint, AnySize) {
    std::vector<Computed> profiles;
    profiles.push_back(computeProject(exampleProject("z52-horizontal")));
    profiles.push_back(computeProject(exampleProject("h52-magnetic-building")));
    profiles.push_back(computeProject(exampleProject("s12-conductors-interference")));
    profiles.emplace_back(); // all zero: no range, no scale
    Computed odd;
    odd.profile->profilePointCount = -5;
    odd.profile->resultMaxIndex = std::numeric_limits<int>::min();
    odd.profile->resultPhaseConductorCount = 1000;
    odd.profile->resultShieldWireCount = 5;
    odd.profile->resultBuildingPresent = true;
    odd.profile->drawRange = 1e300;
    odd.profile->valueAxisMax = std::numeric_limits<double>::infinity();
    odd.profile->resultMaxValue = std::numeric_limits<double>::quiet_NaN();
    profiles.push_back(std::move(odd));
    for (const QSize size : {QSize(1, 1), QSize(2, 3), QSize(200, 120), QSize(5000, 4000)}) {
        QImage image(size, QImage::Format_RGB32);
        for (const Computed& c : profiles) {
            QPainter painter(&image);
            paintWindowGraph(painter, size, *c.profile, false);
            painter.end();
            EXPECT_EQ(image.pixel(0, size.height() - 1), kWhite);
        }
    }
}

TEST(GraphPaint, PrintedPageInImage) {
    const Computed c = computeProject(exampleProject("h52-magnetic-building"));
    QImage page(QSize(1403, 992), QImage::Format_RGB32);
    page.fill(Qt::blue);
    QPainter painter(&page);
    paintPrintedGraph(painter, page.size(), *c.profile, true);
    painter.end();
    const GraphFrame fr = printedFrame(1403, 992);
    EXPECT_EQ(page.pixel(fr.left + 5, fr.axisY()), kBlack);
    EXPECT_EQ(page.pixel(fr.panelLeft - 1, 1), kWhite);
    // The panel area is not cleared by the printout (the page is blank already).
    EXPECT_EQ(page.pixel(1402, 991), qRgb(0, 0, 255));
}

// The limit's level dashed in orange over the grid, its zone's bar orange on the axis, a
// neighbouring line's conductors in magenta.
TEST(GraphPaint, WhatTheOptionsAdd) {
    const testing::ComputedWithExtras c = testing::computeWithExtras(
        testing::withMembers(exampleProject("h52-magnetic-building"),
                             R"("limits": [{"name": "Mój", "electric": 1, "magnetic": 2.5}],
                                "neighbours": [{"tower": "H52", "workingHeight": 14,
                                                "groundWireHeight": 24, "offset": 25,
                                                "currents": [300]}])"));
    const Painted p = paint(*c.profile, {1000, 700}, c.project->towerShifted, &c.extras);
    const GraphLayout& g = p.layout;
    const auto orangeAlong = [&p](int y, int from, int to) {
        int n = 0;
        for (int x = from; x < to; ++x) {
            n += p.image.pixel(x, y) == qRgb(255, 128, 0) ? 1 : 0;
        }
        return n;
    };
    ASSERT_EQ(g.limitLines.size(), 1u);
    const PixelLine& level = g.limitLines[0].line;
    EXPECT_GT(orangeAlong(level.from.y, level.from.x, level.to.x), g.frame.plotW / 3);
    ASSERT_EQ(g.zoneMarks.size(), 1u);
    const PixelRect& bar = g.zoneMarks[0];
    EXPECT_GT(orangeAlong(bar.bottom - 2, bar.left, bar.right), (bar.right - bar.left) * 3 / 4);
    EXPECT_EQ(orangeAlong(bar.bottom - 2, bar.right, bar.right + 5), 0);
    int magenta = 0;
    for (const ConductorDot& dot : g.conductors) {
        magenta += dot.ink == GraphInk::Magenta && aroundIs(p.image, dot.centre, qRgb(200, 0, 200));
    }
    EXPECT_EQ(magenta, 3);
}

} // namespace
} // namespace velt
