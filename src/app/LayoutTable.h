#pragma once
// The fixed layout of the program's windows, kept in units of 1/120 inch and converted to
// the screen's resolution at the first showing of the main window.

#include <array>

namespace velt {

/// The resolution the layout was made for; at exactly this resolution nothing is changed.
inline constexpr int kLayoutDpi = 120;

/// One value of the layout converted to `dpi`: value * dpi / 120 in single precision, plus
/// 0.5, truncated toward zero.
int ScaleDim(int value, int dpi);

struct FormSize {
    const char* form;
    int width;
    int height;
};

/// The sizes of the twenty forms at 120 dpi, in their order of creation.
const std::array<FormSize, 20>& formSizes();

struct ControlBox {
    int width;
    int height;
    int top;
    int left;
};

/// The main window's status bar at 120 dpi.
inline constexpr ControlBox kStatusBarBox{752, 24, 480, 0};

} // namespace velt
