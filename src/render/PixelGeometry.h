#pragma once
// Whole-pixel shapes of the pictures, computed without a canvas, and the drawing's own
// truncation of metres and field values into pixels.

#include <algorithm>
#include <cmath>
#include <string>

namespace velt {

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

struct PixelLine {
    PixelPoint from;
    PixelPoint to;
    bool operator==(const PixelLine&) const = default;
};

/// Right and bottom are outside the rectangle, as for a canvas's rectangles and ellipses.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

/// A text with its top-left corner at `at`.
struct PlacedText {
    PixelPoint at;
    std::string text;
    bool operator==(const PlacedText&) const = default;
};

/// Truncation toward zero. A value a hair below a whole number (a scale multiplied back,
/// 57.99999999 for 58) counts as that number; a degenerate scale's infinity or NaN stays
/// inside a range any canvas clips safely.
inline int pixel(double v) {
    constexpr double kLimit = 1 << 22;
    constexpr double kHair = 1e-7;
    if (std::isnan(v)) {
        return 0;
    }
    v += v >= 0.0 ? kHair : -kHair;
    return static_cast<int>(std::clamp(v, -kLimit, kLimit));
}

/// `a` / `b`, or 0 for an empty scale, so that nothing downstream divides by zero.
inline double ratio(double a, double b) {
    return b == 0.0 ? 0.0 : a / b;
}

} // namespace velt
