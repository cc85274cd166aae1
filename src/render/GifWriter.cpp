#include "render/GifWriter.h"

#include "model/FileReplacement.h"

#include <gif_lib.h>

#include <QHash>

#include <algorithm>
#include <vector>

namespace velt {
namespace {

int squaredDistance(QRgb a, QRgb b) {
    const int r = qRed(a) - qRed(b);
    const int g = qGreen(a) - qGreen(b);
    const int bl = qBlue(a) - qBlue(b);
    return r * r + g * g + bl * bl;
}

// Palette index of every pixel; the nearest entry for colours the palette lacks.
std::vector<GifByteType> indexedPixels(const QImage& image, const QList<QRgb>& palette) {
    QHash<QRgb, GifByteType> nearest;
    for (int i = 0; i < palette.size(); ++i) {
        nearest.insert(palette[i], static_cast<GifByteType>(i));
    }
    std::vector<GifByteType> pixels(static_cast<std::size_t>(image.width()) * image.height());
    std::size_t at = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = line[x] | 0xff000000u;
            auto found = nearest.constFind(colour);
            if (found == nearest.constEnd()) {
                const auto best =
                    std::min_element(palette.begin(), palette.end(), [colour](QRgb a, QRgb b) {
                        return squaredDistance(a, colour) < squaredDistance(b, colour);
                    });
                found = nearest.insert(colour, static_cast<GifByteType>(best - palette.begin()));
            }
            pixels[at++] = *found;
        }
    }
    return pixels;
}

int appendBytes(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<std::string*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
    return length;
}

// The GIF file's bytes, empty when the encoder failed.
std::string encode(const QImage& image, const QList<QRgb>& palette) {
    std::vector<GifColorType> colours(256);
    for (int i = 0; i < palette.size(); ++i) {
        colours[static_cast<std::size_t>(i)] = {static_cast<GifByteType>(qRed(palette[i])),
                                                static_cast<GifByteType>(qGreen(palette[i])),
                                                static_cast<GifByteType>(qBlue(palette[i]))};
    }
    std::string bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendBytes, &error);
    if (gif == nullptr) {
        return {};
    }
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    const std::vector<GifByteType> pixels = indexedPixels(image, palette);
    bool ok = map != nullptr &&
              EGifPutScreenDesc(gif, image.width(), image.height(), 8, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < image.height(); ++y) {
        auto* line =
            const_cast<GifByteType*>(pixels.data() + static_cast<std::size_t>(y) * image.width());
        ok = EGifPutLine(gif, line, image.width()) == GIF_OK;
    }
    GifFreeMapObject(map);
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    return ok ? bytes : std::string();
}

} // namespace

QList<QRgb> graphPalette(const QImage& image) {
    QHash<QRgb, int> counts;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            ++counts[line[x] | 0xff000000u];
        }
    }
    QList<QRgb> palette(std::begin(kGraphColours), std::end(kGraphColours));
    for (const QRgb colour : kGraphExtraColours) {
        if (counts.contains(colour)) {
            palette.append(colour);
        }
    }
    std::vector<std::pair<int, QRgb>> others;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (!palette.contains(it.key())) {
            others.emplace_back(-it.value(), it.key());
        }
    }
    // The most frequent first; equal counts by colour, so the palette never depends on
    // hash order.
    std::sort(others.begin(), others.end());
    for (std::size_t i = 0; i < others.size() && palette.size() < 256; ++i) {
        palette.append(others[i].second);
    }
    while (palette.size() < 256) {
        palette.append(qRgb(0, 0, 0));
    }
    return palette;
}

std::string gifBytes(const QImage& image) {
    if (image.isNull() || image.width() > 0xffff || image.height() > 0xffff) {
        return {};
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    return encode(rgb, graphPalette(rgb));
}

std::optional<std::string> writeGif(const QImage& image, const std::string& fileName) {
    const std::string bytes = gifBytes(image);
    // Through a temporary file renamed over the target: a failed write never leaves half a
    // picture under the user's name.
    if (bytes.empty() || !replaceFile(fileName, bytes)) {
        return kCannotWritePictureMessage + fileName;
    }
    return std::nullopt;
}

} // namespace velt
