#pragma once
// velt-calc --png, --gif, --svg, --pdf: the graph of the computed variant drawn off-screen as
// the variant's window shows it, or as its printed page.

#include "analysis/CalculationExtras.h"
#include "analysis/FieldMap.h"
#include "model/CalculationOptions.h"
#include "model/FieldProfile.h"
#include "results/GraphFormat.h"

#include <ostream>
#include <string>

namespace velt {

/// The drawing area of the image when no size is given: a variant window's client area on
/// a common screen.
inline constexpr int kDefaultPictureWidth = 1000;
inline constexpr int kDefaultPictureHeight = 700;
/// The largest image side velt-calc draws.
inline constexpr int kLargestPictureSide = 10000;

/// Empty when velt-calc can write pictures, else why not (for the option check).
std::string checkPictureOption(const std::string& path);

/// Empty when `text` is a size "WxH" of 1 to kLargestPictureSide pixels each, else what is
/// wrong with it.
std::string checkPictureSize(const std::string& text);

/// The SVG drawing's texts are sized as on a screen of this many dots per inch.
inline constexpr int kSvgDpi = 96;

/// Writes the window version of the graph of `profile`, `size` ("WxH", empty for the default)
/// pixels, as a PNG image, a GIF picture or an SVG drawing, or the printed page as a PDF
/// file (of its own size), to `path`: whole or not at all. `towerShifted` is the
/// project's flag. The file name goes to `out`, a failure to `err` with the name.
bool writeGraphPicture(const std::string& path, GraphFormat format, const std::string& size,
                       const FieldProfile& profile, bool towerShifted, std::ostream& out,
                       std::ostream& err, const CalculationExtras* extras = nullptr);

/// Writes `map` as a PNG image or SVG drawing of the default picture size, or its printed
/// page as a PDF file, to `path`: whole or not at all.
bool writeMapPicture(const std::string& path, GraphFormat format, const FieldMap& map,
                     const CalculationOptions& options, std::ostream& out, std::ostream& err);

} // namespace velt
