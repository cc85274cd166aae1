#include "render/GifWriter.h"

#include <gif_lib.h>

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace velt {
namespace {

namespace fs = std::filesystem;

// A picture like a graph: white ground, the graph's colours in blocks, anti-aliased text.
QImage graphLikeImage() {
    QImage image(320, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    int x = 0;
    for (const QRgb colour : kGraphColours) {
        painter.fillRect(x, 0, 40, 40, QColor::fromRgb(colour));
        x += 50;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.drawText(10, 80, "Emax=12.34[kV/m]  Pole elektryczne");
    painter.setPen(QColor(255, 0, 0));
    painter.drawEllipse(200, 100, 60, 60);
    return image;
}

struct Decoded {
    int width = 0;
    int height = 0;
    std::vector<QRgb> pixels;
};

Decoded decode(const std::string& fileName) {
    int error = 0;
    GifFileType* gif = DGifOpenFileName(fileName.c_str(), &error);
    Decoded decoded;
    if (gif == nullptr) {
        return decoded;
    }
    if (DGifSlurp(gif) == GIF_OK && gif->ImageCount == 1) {
        const ColorMapObject* map = gif->SColorMap;
        const SavedImage& frame = gif->SavedImages[0];
        decoded.width = gif->SWidth;
        decoded.height = gif->SHeight;
        for (int i = 0; i < decoded.width * decoded.height; ++i) {
            const GifColorType c = map->Colors[frame.RasterBits[i]];
            decoded.pixels.push_back(qRgb(c.Red, c.Green, c.Blue));
        }
    }
    DGifCloseFile(gif, &error);
    return decoded;
}

class GifWriterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("velt-gif-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string path(const std::string& name) const { return (folder / name).string(); }
    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    fs::path folder;
};

TEST_F(GifWriterTest, KeepsSizeAndTheGraphColoursExactly) {
    const QImage image = graphLikeImage();
    const std::string file = path("wyniki.gif");
    ASSERT_EQ(writeGif(image, file), std::nullopt);

    const Decoded decoded = decode(file);
    ASSERT_EQ(decoded.width, image.width());
    ASSERT_EQ(decoded.height, image.height());
    int graphPixels = 0;
    int closeShades = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb shown = image.pixel(x, y) | 0xff000000u;
            const QRgb saved = decoded.pixels[static_cast<std::size_t>(y * image.width() + x)];
            if (std::find(std::begin(kGraphColours), std::end(kGraphColours), shown) !=
                std::end(kGraphColours)) {
                ++graphPixels;
                ASSERT_EQ(saved, shown) << "at " << x << "," << y;
            } else {
                closeShades += std::abs(qGray(saved) - qGray(shown)) <= 8;
            }
        }
    }
    EXPECT_GT(graphPixels, 6 * 1600);
    EXPECT_GT(closeShades, 0);
    EXPECT_EQ(filesInFolder(), 1u) << "no temporary file is left";
}

TEST_F(GifWriterTest, PaletteHoldsEveryColourOfASmallPicture) {
    QImage image(4, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(1, 2, 3));
    image.setPixel(1, 0, qRgb(200, 100, 50));
    image.setPixel(2, 0, qRgb(255, 255, 255));
    image.setPixel(3, 0, qRgb(0, 128, 0));
    const QList<QRgb> palette = graphPalette(image);
    ASSERT_EQ(palette.size(), 256);
    EXPECT_TRUE(palette.contains(qRgb(1, 2, 3)));
    EXPECT_TRUE(palette.contains(qRgb(200, 100, 50)));
    for (const QRgb colour : kGraphColours) {
        EXPECT_TRUE(palette.contains(colour));
    }
}

TEST_F(GifWriterTest, OverwritesAnEarlierPicture) {
    const std::string file = path("wyniki.gif");
    { std::ofstream(file) << "an older file"; }
    ASSERT_EQ(writeGif(graphLikeImage(), file), std::nullopt);
    EXPECT_EQ(decode(file).width, 320);
}

TEST_F(GifWriterTest, AFailedWriteNamesTheFileAndLeavesNothingHalfWritten) {
    const std::string missingFolder = path("brak/wyniki.gif");
    const auto message = writeGif(graphLikeImage(), missingFolder);
    ASSERT_TRUE(message.has_value());
    EXPECT_NE(message->find(missingFolder), std::string::npos);

    // A folder of the chosen name is not replaced by the picture.
    fs::create_directories(path("katalog.gif"));
    EXPECT_TRUE(writeGif(graphLikeImage(), path("katalog.gif")).has_value());
    EXPECT_TRUE(fs::is_directory(path("katalog.gif")));
    EXPECT_EQ(filesInFolder(), 1u) << "the temporary file is removed";

    EXPECT_TRUE(writeGif(QImage(), path("pusty.gif")).has_value());
    EXPECT_FALSE(fs::exists(path("pusty.gif")));
}

} // namespace
} // namespace velt
