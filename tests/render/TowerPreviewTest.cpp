#include "RenderFixtures.h"

#include "render/TowerNeighbours.h"
#include "render/TowerPreview.h"
#include "render/TowerPreviewPainter.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>

namespace velt {
namespace {

// A single-circuit tower: two conductors beside the axis, one above it, one ground wire.
std::unique_ptr<LineProject> tower(double groundWireHeight = 20.0) {
    auto p = std::make_unique<LineProject>();
    p->phaseConductorCount = 3;
    p->groundWireCount = 1;
    const double x[] = {-4.0, 4.0, 0.0, 0.0};
    const double y[] = {12.0, 12.0, 15.2, groundWireHeight};
    for (int i = 0; i < 4; ++i) {
        p->conductorX[i + 1] = x[i];
        p->conductorY[i + 1] = y[i];
    }
    return p;
}

QImage paint(QSize size, const LineProject& project, const TowerDrawingStyle& style = {},
             const std::vector<TowerNeighbourWire>& neighbours = {}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter painter(&image);
    paintTowerPreview(painter, size, project, style, neighbours);
    return image;
}

QPoint centreOf(const PixelRect& box) {
    return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

TEST(TowerPreview, NoTowerLeavesThePanelWhite) {
    const auto none = std::make_unique<LineProject>();
    EXPECT_FALSE(towerPreviewGeometry(240, 300, towerConductors(*none)).drawn);
    const QImage image = paint({240, 300}, *none);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
        }
    }
}

// The highest conductor always maps 58 pixels below the top, the outermost 30 pixels inside.
TEST(TowerPreview, ScaleFillsTheAreaAtAnySize) {
    const auto p = tower();
    for (const QSize size : {QSize(240, 300), QSize(400, 523)}) {
        SCOPED_TRACE(size.height());
        const TowerPreviewGeometry g =
            towerPreviewGeometry(size.width(), size.height(), towerConductors(*p));
        ASSERT_TRUE(g.drawn);
        ASSERT_EQ(g.dots.size(), 4u);
        EXPECT_NEAR(g.dots[3].mappedY, 58.0, 1e-9);
        EXPECT_NEAR(g.dots[0].mappedX, 30.0, 1e-9);
        EXPECT_NEAR(g.dots[1].mappedX, size.width() - 30.0, 1e-9);
        // The top one on the axis is centred on its point.
        EXPECT_EQ(g.dots[3].box, (PixelRect{size.width() / 2 - 5, 53, size.width() / 2 + 5, 63}));
        // Beside the axis: one diameter toward it, half a diameter down.
        const int q = pixel(g.dots[1].mappedY);
        EXPECT_EQ(g.dots[1].box, (PixelRect{size.width() - 45, q + 5, size.width() - 35, q + 15}));
        EXPECT_EQ(g.dots[0].box, (PixelRect{35, q + 5, 45, q + 15}));
        const int base = size.height() - 40;
        EXPECT_EQ(g.groundLines[1], (PixelLine{{0, base - 13}, {size.width(), base - 13}}));
        EXPECT_EQ(g.axis, (PixelLine{{size.width() / 2, 0}, {size.width() / 2, base - 14}}));
    }
}

TEST(TowerPreview, GroundWireOnTheGroundIsLeftOut) {
    auto p = tower(0.0);
    p->conductorY[1] = 0.0; // a working conductor on the ground still shows
    const TowerPreviewGeometry g = towerPreviewGeometry(240, 300, towerConductors(*p));
    ASSERT_EQ(g.dots.size(), 3u);
    for (const TowerDot& dot : g.dots) {
        EXPECT_FALSE(dot.groundWire);
    }
    EXPECT_NEAR(g.dots[0].mappedY, 300 - 40 - 32, 1e-9);
}

// The tower editor lowers the dots on the axis and has no strokes under the ground.
TEST(TowerPreview, EditorStyle) {
    const auto p = tower();
    const TowerPreviewGeometry preview = towerPreviewGeometry(240, 300, towerConductors(*p));
    const TowerPreviewGeometry editor =
        towerPreviewGeometry(240, 300, towerConductors(*p), kTowerEditorStyle);
    EXPECT_EQ(preview.footStrokes.size(), 3u);
    EXPECT_EQ(preview.footStrokes[0], (PixelLine{{140, 248}, {140, 316}}));
    EXPECT_TRUE(editor.footStrokes.empty());
    EXPECT_EQ(editor.dots[3].box.top, preview.dots[3].box.top + 10);
    EXPECT_EQ(editor.dots[1].box, preview.dots[1].box);

    TowerDefinition definition;
    definition.phaseConductorCount = 3;
    definition.groundWireCount = 1;
    for (int i = 0; i < 4; ++i) {
        definition.conductorX[i] = p->conductorX[i + 1];
        definition.conductorY[i] = p->conductorY[i + 1];
    }
    const TowerPreviewGeometry fromRecord =
        towerPreviewGeometry(240, 300, towerConductors(definition), kTowerEditorStyle);
    ASSERT_EQ(fromRecord.dots.size(), editor.dots.size());
    for (std::size_t i = 0; i < editor.dots.size(); ++i) {
        EXPECT_EQ(fromRecord.dots[i].box, editor.dots[i].box);
    }
}

TEST(TowerPreview, Pixels) {
    const auto p = tower();
    const QSize size(240, 300);
    const TowerPreviewGeometry g =
        towerPreviewGeometry(size.width(), size.height(), towerConductors(*p));
    const QImage image = paint(size, *p);
    EXPECT_EQ(image.pixel(centreOf(g.dots[0].box)), qRgb(255, 0, 0));
    // The ground wire stands on the axis line, which is drawn over it.
    EXPECT_EQ(image.pixel(centreOf(g.dots[3].box) + QPoint(2, 0)), qRgb(0, 128, 0));
    EXPECT_EQ(image.pixel(centreOf(g.workingLegendDot)), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(centreOf(g.groundLegendDot)), qRgb(0, 128, 0));
    const int base = size.height() - 40;
    for (const int y : {base - 14, base - 13, base - 12}) {
        EXPECT_EQ(image.pixel(5, y), qRgb(0, 0, 0)) << y;
    }
    EXPECT_EQ(image.pixel(5, base - 15), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(size.width() - 2, 2), qRgb(255, 255, 255));
}

// Neighbouring lines' conductors stand beside the tower inside the preview's extent: the
// outermost and the highest take the places the tower's own had, the tower shrinks with them.
TEST(TowerPreview, NeighbourConductors) {
    const auto p = tower();
    const std::vector<TowerNeighbourWire> neighbours = {
        {20.0, 12.0, false}, {24.0, 25.0, true}, {-10.0, 0.0, true}};
    const QSize size(240, 300);
    const TowerPreviewGeometry g =
        towerPreviewGeometry(size.width(), size.height(), towerConductors(*p), {}, neighbours);
    ASSERT_EQ(g.dots.size(), 6u); // the ground wire on the ground left out
    EXPECT_TRUE(g.dots[4].neighbour && !g.dots[4].groundWire);
    EXPECT_TRUE(g.dots[5].neighbour && g.dots[5].groundWire);
    EXPECT_FALSE(g.dots[0].neighbour || g.dots[3].neighbour);
    EXPECT_NEAR(g.dots[5].mappedX, size.width() - 30.0, 1e-9);
    EXPECT_NEAR(g.dots[5].mappedY, 58.0, 1e-9);
    EXPECT_NEAR(g.dots[1].mappedX - 120.0, (g.dots[4].mappedX - 120.0) * 4.0 / 20.0, 1e-9);
    EXPECT_EQ(g.dots[4].mappedY, g.dots[0].mappedY);

    const QImage image = paint(size, *p, {}, neighbours);
    EXPECT_EQ(image.pixel(centreOf(g.dots[4].box)), qRgb(200, 0, 200));
    EXPECT_EQ(image.pixel(centreOf(g.dots[5].box)), qRgb(120, 0, 120));
    EXPECT_EQ(image.pixel(centreOf(g.dots[1].box)), qRgb(255, 0, 0));
}

// The line data's neighbours beside the project's own conductors: a tower like the line's
// own at an offset stands where the line's conductors would, moved by the offset.
TEST(TowerPreview, NeighbourWiresOfTheLineData) {
    const testing::ComputedWithExtras c = testing::computeWithExtras(R"({"tower": "Z52",
        "workingHeight": 12.0, "groundWireHeight": 30.0, "line": {"kind": "horizontal", "y": 2},
        "range": 50.0, "neighbours": [{"tower": "Z52", "workingHeight": 12.0,
        "groundWireHeight": 30.0, "offset": -35.0}]})");
    const LineProject& p = *c.project;
    const std::vector<TowerNeighbourWire> wires = towerNeighbourWires(*c.form, p);
    const int count = static_cast<int>(p.phaseConductorCount + p.groundWireCount);
    ASSERT_EQ(static_cast<int>(wires.size()), count);
    for (int k = 0; k < count; ++k) {
        EXPECT_NEAR(wires[k].x, p.conductorX[k + 1] - 35.0, 1e-9) << k;
        EXPECT_NEAR(wires[k].y, p.conductorY[k + 1], 1e-9) << k;
        EXPECT_EQ(wires[k].groundWire, k >= static_cast<int>(p.phaseConductorCount)) << k;
    }
    EXPECT_TRUE(towerNeighbourWires(LineDataForm{}, p).empty());
}

} // namespace
} // namespace velt
