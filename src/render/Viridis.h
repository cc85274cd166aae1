#pragma once
// The colour scale of the field maps: viridis, perceptually uniform from dark violet over
// blue and green to yellow, and readable in grey and for colour-blind eyes.

#include <array>
#include <cstdint>

namespace velt {

struct RgbColour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const RgbColour&) const = default;
};

inline constexpr int kViridisColours = 256;

/// The scale's colours; entry 0 stands for the scale's bottom, the last for its top.
const std::array<RgbColour, kViridisColours>& viridisColours();

} // namespace velt
