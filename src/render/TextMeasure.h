#pragma once
// Text sizes for the graph layout, from whatever canvas will draw the texts.

#include <string_view>

namespace velt {

/// The font variants of the graph: the canvas's own font, bold, bold underlined.
enum class TextStyle { Regular, Bold, BoldUnderlined };

class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    /// Width in pixels of the UTF-8 `text`.
    virtual int width(std::string_view text, TextStyle style) const = 0;
    /// Height in pixels of a line of `text`.
    virtual int height(std::string_view text, TextStyle style) const = 0;
};

} // namespace velt
