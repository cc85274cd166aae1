#pragma once
// The graph of a variant saved as a GIF picture with a 256-entry palette.

#include "model/Translatable.h"

#include <QImage>

#include <optional>
#include <string>

namespace velt {

/// The colours the graph draws with; the palette keeps them exactly.
inline constexpr QRgb kGraphColours[] = {
    qRgb(255, 255, 255), qRgb(0, 0, 0),   qRgb(255, 0, 0),
    qRgb(0, 255, 0),     qRgb(0, 128, 0), qRgb(0, 0, 255),
};

/// The message of a picture that could not be written, before the file name.
inline const std::string kCannotWritePictureMessage =
    VELT_TRANSLATE_NOOP("velt", "Nie mogę zapisać rysunku do pliku!\n");

/// The colours of what the calculation's options add to the graph (the limits' orange, the
/// neighbouring lines' magentas); the palette keeps those the picture has.
inline constexpr QRgb kGraphExtraColours[] = {
    qRgb(255, 128, 0),
    qRgb(200, 0, 200),
    qRgb(120, 0, 120),
};

/// A 256-entry palette for `image`: the graph's colours first, then those of
/// kGraphExtraColours that it has, then its most frequent other colours; every colour when
/// the image has no more than 256.
QList<QRgb> graphPalette(const QImage& image);

/// The GIF file of `image`; empty when it cannot be encoded.
std::string gifBytes(const QImage& image);

/// Writes `image` as a GIF under `fileName`, overwriting a file of that name; a failed write
/// leaves an earlier file as it was. Returns the message (naming the file) on failure.
std::optional<std::string> writeGif(const QImage& image, const std::string& fileName);

} // namespace velt
