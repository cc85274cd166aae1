#pragma once
// One tower type: the field set of a catalogue record.

#include <array>
#include <cstdint>
#include <string>

namespace velt {

/// Working conductors and ground wires together never exceed this many positions.
inline constexpr int kTowerPositions = 64;

struct TowerDefinition {
    double nominalVoltage = 0.0;
    double phaseVoltagePeak = 0.0;
    double phaseDiameter = 0.0;
    double groundDiameter = 0.0;
    double groundBundleSpacing = 0.0;
    double phaseBundleSpacing = 0.0;
    /// Slots 0..phaseConductorCount-1 are the working conductors, the ground wires follow.
    std::array<double, kTowerPositions> conductorX{};
    /// Working conductors: height above the lowest working conductor. Ground wires: the
    /// ground-wire suspension height at the time of saving (0.0 when unknown).
    std::array<double, kTowerPositions> conductorY{};
    std::string towerSeries; ///< UTF-8 in memory; at most 8 characters on disk
    std::string towerType;   ///< UTF-8 in memory; at most 15 characters on disk
    std::uint32_t phaseConductorCount = 0;
    std::uint32_t groundWireCount = 0;
    std::uint32_t phaseBundleSize = 0;
    std::uint32_t groundBundleSize = 0;

    bool operator==(const TowerDefinition&) const = default;
};

/// The display key of a tower in lists: series, " <-> ", type.
std::string displayKey(const std::string& series, const std::string& type);

} // namespace velt
