// velt-calc --png: the image is the window version of the computed variant's graph.

#include "RenderFixtures.h"

#include "cli/BatchRun.h"
#include "render/GifWriter.h"
#include "render/GraphPainter.h"
#include "render/QtTextMeasure.h"
#include "results/Report.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

namespace velt {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

struct Picture : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("velt-png-" + std::to_string(::getpid()));
    fs::path project = dir / "projekt.json";

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
        std::ofstream(project) << testing::exampleProject("h52-magnetic-building");
    }
    void TearDown() override { fs::remove_all(dir); }

    CliRun run(std::vector<std::string> args) const {
        args.insert(args.begin(), project.string());
        std::ostringstream out;
        std::ostringstream err;
        CliRun r;
        r.status = runVeltCalc(args, out, err);
        r.out = out.str();
        r.err = err.str();
        return r;
    }
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

// The example's graph painted here, and its layout.
struct Expected {
    QImage image;
    GraphLayout layout;
};

Expected paintedHere(QSize size) {
    const testing::Computed c =
        testing::computeProject(testing::exampleProject("h52-magnetic-building"));
    Expected e{QImage(size, QImage::Format_RGB32), {}};
    QPainter painter(&e.image);
    e.layout = layoutGraph(*c.profile, windowFrame(size.width(), size.height()),
                           c.project->towerShifted, QtTextMeasure(painter));
    paintGraph(painter, e.layout);
    return e;
}

QImage imageOf(const fs::path& png) {
    return QImage(QString::fromStdString(png.string())).convertToFormat(QImage::Format_RGB32);
}

TEST_F(Picture, IsTheWindowGraph) {
    const fs::path png = dir / "wykres.png";
    const CliRun r = run({"--png", png.string(), "--size", "640x480"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, (dir / "projekt.txt").string() + "\n" + png.string() + "\n");
    const QImage image = imageOf(png);
    ASSERT_EQ(image.size(), QSize(640, 480));
    const Expected expected = paintedHere({640, 480});
    EXPECT_EQ(image, expected.image);

    const GraphLayout& g = expected.layout;
    EXPECT_EQ(image.pixel(g.xAxis.from.x + 3, g.xAxis.from.y), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(g.frame.panelLeft + 90, 470), qRgb(255, 255, 255));
    ASSERT_TRUE(g.maximum.has_value());
    EXPECT_EQ(image.pixel(g.maximum->line.to.x - 1, g.maximum->line.to.y), qRgb(255, 0, 0));
}

// --gif writes what the desktop program saves: the same graph in a 256-colour picture that
// keeps the graph's colours.
TEST_F(Picture, GifKeepsTheGraphColours) {
    const fs::path gif = dir / "wykres.gif";
    const CliRun r = run({"--gif", gif.string(), "--size", "640x480"});
    ASSERT_EQ(r.status, 0) << r.err;
    const QImage image = imageOf(gif);
    ASSERT_EQ(image.size(), QSize(640, 480));
    const QImage shown = paintedHere({640, 480}).image;
    int graphPixels = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb colour = shown.pixel(x, y);
            if (std::find(std::begin(kGraphColours), std::end(kGraphColours), colour) !=
                std::end(kGraphColours)) {
                ASSERT_EQ(image.pixel(x, y), colour) << x << "," << y;
                ++graphPixels;
            }
        }
    }
    EXPECT_GT(graphPixels, 640 * 480 / 2);

    const CliRun refused = run({"--gif", (dir / "nie" / "wykres.gif").string()});
    EXPECT_EQ(refused.status, kExitFileError);
    EXPECT_NE(refused.err.find((dir / "nie" / "wykres.gif").string()), std::string::npos);
}

TEST_F(Picture, DefaultSize) {
    const fs::path png = dir / "wykres.png";
    ASSERT_EQ(run({"--png", png.string()}).status, 0);
    EXPECT_EQ(QImage(QString::fromStdString(png.string())).size(), QSize(1000, 700));
}

// A picture that cannot be written leaves no file behind, not even a part of one.
TEST_F(Picture, UnwritablePath) {
    for (const fs::path& png : {dir / "nie" / "wykres.png", dir}) {
        SCOPED_TRACE(png.string());
        const CliRun r = run({"--png", png.string()});
        EXPECT_EQ(r.status, kExitFileError);
        EXPECT_EQ(r.err, kCannotCreateFileMessage + png.string() + "\n");
        EXPECT_EQ(files(), (std::vector<std::string>{"projekt.json", "projekt.txt"}));
    }
}

// --svg draws the window graph through the same painter, the curve one path through all its
// points; --pdf is the printed page: one A4 landscape page.
TEST_F(Picture, SvgDrawingAndPdfPage) {
    const fs::path svg = dir / "wykres.svg";
    const fs::path pdf = dir / "wydruk.pdf";
    const CliRun r = run({"--svg", svg.string(), "--size", "640x480", "--pdf", pdf.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              (dir / "projekt.txt").string() + "\n" + svg.string() + "\n" + pdf.string() + "\n");

    QFile file(QString::fromStdString(svg.string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    qsizetype longest = 0;
    QString viewBox;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"svg") {
            viewBox = xml.attributes().value("viewBox").toString();
        } else if (xml.name() == u"path") {
            const QString points = xml.attributes().value("d").toString();
            longest = std::max(longest, points.count('L') + 1);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(viewBox, "0 0 640 480");
    EXPECT_GE(longest, 200);

    std::ifstream in(pdf, std::ios::binary);
    const std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(page.rfind("%PDF", 0), 0u);
    EXPECT_NE(page.find("/Count 1"), std::string::npos);
    EXPECT_NE(page.find("/MediaBox [0 0 842.000000 595.000000]"), std::string::npos);
}

// A project whose options add to the graph: the pictures show the limit's level and zone,
// as the window would with the variant's extras; the GIF keeps their colour.
TEST_F(Picture, OptionsDrawn) {
    const std::string text =
        testing::withMembers(testing::exampleProject("h52-magnetic-building"),
                             R"("limits": [{"name": "Poziom", "electric": 1, "magnetic": 2.5}])");
    std::ofstream(project) << text;
    const fs::path png = dir / "wykres.png";
    const fs::path gif = dir / "wykres.gif";
    const fs::path svg = dir / "wykres.svg";
    const CliRun r = run(
        {"--png", png.string(), "--gif", gif.string(), "--svg", svg.string(), "--size", "640x480"});
    ASSERT_EQ(r.status, 0) << r.err;

    const testing::ComputedWithExtras c = testing::computeWithExtras(text);
    QImage expected(640, 480, QImage::Format_RGB32);
    QPainter painter(&expected);
    paintWindowGraph(painter, expected.size(), *c.profile, c.project->towerShifted, &c.extras);
    painter.end();
    EXPECT_EQ(imageOf(png), expected);
    EXPECT_NE(imageOf(png), paintedHere({640, 480}).image);

    const QRgb orange = qRgb(255, 128, 0);
    const QImage kept = imageOf(gif);
    int oranges = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (expected.pixel(x, y) == orange) {
                ASSERT_EQ(kept.pixel(x, y), orange) << x << "," << y;
                ++oranges;
            }
        }
    }
    EXPECT_GT(oranges, 100);

    std::ifstream in(svg);
    const std::string drawing((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(drawing.find("Poziom 2.5 A/m"), std::string::npos);
    EXPECT_NE(drawing.find("Strefa 2.5 A/m:"), std::string::npos);
}

TEST_F(Picture, SizeRefusedBeforeAnythingIsWritten) {
    const std::string png = (dir / "wykres.png").string();
    for (const char* size : {"0x10", "10", "10x", "x10", "10x10x10", "20000x10", "-5x10", "a"}) {
        SCOPED_TRACE(size);
        const CliRun r = run({"--png", png, "--size", size});
        EXPECT_EQ(r.status, kExitRefused);
        EXPECT_NE(r.err.find("WxH"), std::string::npos);
        EXPECT_EQ(files(), (std::vector<std::string>{"projekt.json"}));
    }
    EXPECT_EQ(run({"--size", "100x100"}).status, kExitRefused); // no picture to size
}

// The program itself needs no display and says nothing but its file names; a user's locale
// with a decimal comma changes none of its numbers.
TEST_F(Picture, ProgramWithoutDisplay) {
    const fs::path png = dir / "wykres.png";
    const std::string command =
        std::string("env -u QT_QPA_PLATFORM -u DISPLAY LC_ALL=pl_PL.UTF-8 '") + VELT_CALC_BINARY +
        "' '" + project.string() + "' --png '" + png.string() + "' > '" + (dir / "out").string() +
        "' 2> '" + (dir / "err").string() + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    std::ifstream err(dir / "err");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(err), {}), "");
    EXPECT_EQ(imageOf(png), paintedHere({1000, 700}).image);
}

} // namespace
} // namespace velt
