// The field map painted into images and written in every form a map file takes.

#include "CalcFixtures.h"

#include "analysis/ExposureLimits.h"
#include "render/FieldMapExport.h"
#include "render/FieldMapPainter.h"
#include "render/PainterHelpers.h"
#include "render/QtTextMeasure.h"
#include "render/Viridis.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <filesystem>

#include <fstream>
#include <iterator>
#include <unistd.h>
#include <variant>

namespace velt {
namespace {

// The largest configuration's electric field 50 m on both sides of the axis, with two
// limits drawn.
struct LargestMap {
    testing::Bench b;
    std::optional<FieldMap> map;

    LargestMap() {
        testing::setUpLargest(b);
        b.form.buildingChecked = true;
        b.form.options.limits = {*findBuiltInLimit("pl-residential"),
                                 *findBuiltInLimit("icnirp-2010-public")};
        const auto grid = fieldMapGrid(*b.project, b.form, {.range = 50.0});
        map = computeFieldMap(*b.project, b.form, std::get<FieldMapGrid>(grid));
    }
};

QRgb rgbOf(RgbColour c) {
    return qRgb(c.r, c.g, c.b);
}

TEST(FieldMapPaint, ColoursAtTheLaidOutPoints) {
    const LargestMap m;
    QImage image(1000, 700, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter painter(&image);
    const FieldMapLayout g = layoutFieldMap(*m.map, m.b.form.options, windowMapFrame(1000, 700),
                                            QtTextMeasure(painter), translatedSource);
    paintFieldMap(painter, g);
    painter.end();
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    // The bar runs from the darkest colour at the bottom to the lightest at the top, inside
    // its outline.
    const int barX = (g.legendBar.left + g.legendBar.right) / 2;
    EXPECT_EQ(image.pixel(barX, g.legendBar.top + 1), rgbOf(viridisColours().back()));
    EXPECT_EQ(image.pixel(barX, g.legendBar.bottom - 2), rgbOf(viridisColours().front()));
    for (const MapWireDot& dot : g.wires) {
        const QRgb centre =
            image.pixel((dot.box.left + dot.box.right) / 2, (dot.box.top + dot.box.bottom) / 2);
        EXPECT_EQ(centre, dot.kind == MapWire::Working  ? qRgb(255, 0, 0)
                          : dot.kind == MapWire::Ground ? qRgb(0, 128, 0)
                                                        : qRgb(0, 0, 255));
    }
    // Inside the building there is no field.
    const int x = (g.building[0].x + g.building[2].x) / 2;
    EXPECT_EQ(image.pixel(x, g.plot.bottom - 5), qRgb(224, 224, 224));
    // Far from every line, the plot has the raster's colour.
    const int u = 5;
    const int v = (g.plot.bottom - g.plot.top) / 2;
    const std::int16_t colour = g.raster.colours[static_cast<std::size_t>(v * g.raster.width + u)];
    EXPECT_EQ(image.pixel(g.plot.left + u, g.plot.top + v),
              rgbOf(viridisColours()[static_cast<std::size_t>(colour)]));
}

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FieldMapPaint, EveryFormOfFile) {
    const LargestMap m;
    const FieldMapFileSource source{*m.map, m.b.form.options, {800, 600}, 96, "Mapa pola"};
    // One folder per process: ctest runs tests side by side.
    const auto dir =
        std::filesystem::temp_directory_path() / ("velt-map-files-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const struct {
        GraphFormat format;
        const char* name;
        std::string start;
        std::string inside;
    } cases[] = {
        {GraphFormat::Png, "map.png", "\x89PNG", "IHDR"},
        {GraphFormat::Gif, "map.gif", "GIF8", ""},
        {GraphFormat::Svg, "map.svg", "<?xml", "<title>Mapa pola</title>"},
        {GraphFormat::Pdf, "map.pdf", "%PDF-", "/Count 1"},
        {GraphFormat::Csv, "map.csv", "x(m),y(m),value(kV/m)\n-50,0,", "\n50,50,"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string bytes = fieldMapFileBytes(c.format, source);
        EXPECT_EQ(bytes.substr(0, c.start.size()), c.start);
        EXPECT_NE(bytes.find(c.inside), std::string::npos);
        ASSERT_TRUE(writeFieldMapFile((dir / c.name).string(), c.format, source));
        EXPECT_EQ(fileBytes(dir / c.name).substr(0, c.start.size()), c.start);
    }
    QImage png;
    ASSERT_TRUE(png.loadFromData(fileBytes(dir / "map.png")));
    EXPECT_EQ(png.size(), QSize(800, 600));
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace velt
