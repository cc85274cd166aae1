#include "model/TowerRecord.h"

#include "model/Cp1250.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace velt {
namespace {

constexpr std::size_t kXOffset = 48;
constexpr std::size_t kYOffset = 560;
constexpr std::size_t kSeriesOffset = 1072;
constexpr std::size_t kTypeOffset = 1080;
constexpr std::size_t kTypeField = 16;
constexpr std::size_t kCountsOffset = 1096;

void putU32(unsigned char* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<unsigned char>(value >> (8 * i));
}

std::uint32_t getU32(const unsigned char* at) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    return value;
}

void putDouble(unsigned char* at, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i)
        at[i] = static_cast<unsigned char>(bits >> (8 * i));
}

double getDouble(const unsigned char* at) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<std::uint64_t>(at[i]) << (8 * i);
    return std::bit_cast<double>(bits);
}

std::string fieldText(const unsigned char* at, std::size_t size) {
    std::size_t length = 0;
    while (length < size && at[length] != 0)
        ++length;
    return fromCp1250(std::string(reinterpret_cast<const char*>(at), length));
}

// Windows-1250 is one byte a character, so the cut happens on the encoded text.
std::string storedText(const std::string& utf8, std::size_t maxChars) {
    std::string encoded = toCp1250(utf8);
    const auto nul = encoded.find('\0');
    if (nul != std::string::npos)
        encoded.resize(nul);
    if (encoded.size() > maxChars)
        encoded.resize(maxChars);
    return encoded;
}

std::size_t usedSlots(const TowerDefinition& tower) {
    const std::uint64_t used =
        std::uint64_t{tower.phaseConductorCount} + std::uint64_t{tower.groundWireCount};
    return used > static_cast<std::uint64_t>(kTowerPositions) ? kTowerPositions
                                                              : static_cast<std::size_t>(used);
}

} // namespace

TowerDefinition storedForm(const TowerDefinition& tower) {
    TowerDefinition stored = tower;
    stored.towerSeries = fromCp1250(storedText(tower.towerSeries, kSeriesChars));
    stored.towerType = fromCp1250(storedText(tower.towerType, kTypeChars));
    for (std::size_t i = usedSlots(tower); i < static_cast<std::size_t>(kTowerPositions); ++i) {
        stored.conductorX[i] = 0.0;
        stored.conductorY[i] = 0.0;
    }
    return stored;
}

bool isUsableTower(const TowerDefinition& tower) {
    const std::uint64_t used =
        std::uint64_t{tower.phaseConductorCount} + std::uint64_t{tower.groundWireCount};
    if (used > static_cast<std::uint64_t>(kTowerPositions))
        return false;
    // A class without conductors has no bundles to size: many lines have no ground wire.
    const std::pair<std::uint32_t, std::uint32_t> classes[] = {
        {tower.phaseConductorCount, tower.phaseBundleSize},
        {tower.groundWireCount, tower.groundBundleSize}};
    for (const auto& [count, bundle] : classes) {
        if ((count > 0 && bundle < 1) || bundle > kMaxBundleSize)
            return false;
    }
    for (const double value : {tower.nominalVoltage, tower.phaseVoltagePeak}) {
        if (!std::isfinite(value))
            return false;
    }
    for (const double size : {tower.phaseDiameter, tower.groundDiameter, tower.phaseBundleSpacing,
                              tower.groundBundleSpacing}) {
        // Written so that NaN fails as well.
        if (!(size >= 0.0) || !std::isfinite(size))
            return false;
    }
    for (std::size_t i = 0; i < used; ++i) {
        if (!std::isfinite(tower.conductorX[i]) || !std::isfinite(tower.conductorY[i]))
            return false;
    }
    return true;
}

TowerRecordBytes encodeTowerRecord(const TowerDefinition& tower) {
    const TowerDefinition stored = storedForm(tower);
    TowerRecordBytes bytes{};
    unsigned char* b = bytes.data();
    putDouble(b + 0, stored.nominalVoltage);
    putDouble(b + 8, stored.phaseVoltagePeak);
    putDouble(b + 16, stored.phaseDiameter);
    putDouble(b + 24, stored.groundDiameter);
    putDouble(b + 32, stored.groundBundleSpacing);
    putDouble(b + 40, stored.phaseBundleSpacing);
    for (std::size_t i = 0; i < static_cast<std::size_t>(kTowerPositions); ++i) {
        putDouble(b + kXOffset + 8 * i, stored.conductorX[i]);
        putDouble(b + kYOffset + 8 * i, stored.conductorY[i]);
    }
    const std::string series = storedText(tower.towerSeries, kSeriesChars);
    const std::string type = storedText(tower.towerType, kTypeChars);
    std::memcpy(b + kSeriesOffset, series.data(), series.size());
    std::memcpy(b + kTypeOffset, type.data(), type.size());
    putU32(b + kCountsOffset, stored.phaseConductorCount);
    putU32(b + kCountsOffset + 4, stored.groundWireCount);
    putU32(b + kCountsOffset + 8, stored.phaseBundleSize);
    putU32(b + kCountsOffset + 12, stored.groundBundleSize);
    return bytes;
}

std::optional<TowerDefinition> decodeTowerRecord(const TowerRecordBytes& bytes) {
    const unsigned char* b = bytes.data();
    TowerDefinition tower{};
    tower.nominalVoltage = getDouble(b + 0);
    tower.phaseVoltagePeak = getDouble(b + 8);
    tower.phaseDiameter = getDouble(b + 16);
    tower.groundDiameter = getDouble(b + 24);
    tower.groundBundleSpacing = getDouble(b + 32);
    tower.phaseBundleSpacing = getDouble(b + 40);
    tower.towerSeries = fieldText(b + kSeriesOffset, kSeriesChars);
    tower.towerType = fieldText(b + kTypeOffset, kTypeField);
    tower.phaseConductorCount = getU32(b + kCountsOffset);
    tower.groundWireCount = getU32(b + kCountsOffset + 4);
    tower.phaseBundleSize = getU32(b + kCountsOffset + 8);
    tower.groundBundleSize = getU32(b + kCountsOffset + 12);
    if (tower.phaseConductorCount > static_cast<std::uint32_t>(kTowerPositions) ||
        tower.groundWireCount > static_cast<std::uint32_t>(kTowerPositions))
        return std::nullopt;
    // Slots behind the conductors are not significant; they stay 0.0.
    const std::size_t used = tower.phaseConductorCount + tower.groundWireCount;
    for (std::size_t i = 0; i < used && i < static_cast<std::size_t>(kTowerPositions); ++i) {
        tower.conductorX[i] = getDouble(b + kXOffset + 8 * i);
        tower.conductorY[i] = getDouble(b + kYOffset + 8 * i);
    }
    if (!isUsableTower(tower))
        return std::nullopt;
    return tower;
}

bool writeTowerRecord(std::ostream& out, const TowerDefinition& tower) {
    const TowerRecordBytes bytes = encodeTowerRecord(tower);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}

std::optional<TowerDefinition> readTowerRecord(std::istream& in) {
    TowerRecordBytes bytes{};
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(bytes.size()))
        return std::nullopt;
    return decodeTowerRecord(bytes);
}

} // namespace velt
