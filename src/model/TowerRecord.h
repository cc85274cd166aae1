#pragma once
// The 1112-byte tower record of a catalogue's data file.

#include "model/TowerDefinition.h"

#include <array>
#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>

namespace velt {

inline constexpr std::size_t kTowerRecordSize = 1112;
/// Characters of the series field (no terminator when all are used) and of the type field.
inline constexpr std::size_t kSeriesChars = 8;
inline constexpr std::size_t kTypeChars = 15;
/// Sub-conductors of a bundle; more exist on no line.
inline constexpr std::uint32_t kMaxBundleSize = 16;

using TowerRecordBytes = std::array<unsigned char, kTowerRecordSize>;

/// The tower as the record keeps it: series cut to 8 and type to 15 Windows-1250
/// characters, slots behind the conductors 0.0.
TowerDefinition storedForm(const TowerDefinition& tower);

/// True when the record could hold the tower and a calculation could use it: at most 64
/// conductors, bundles of 1 to 16, finite numbers in every significant field,
/// no negative diameter or spacing.
bool isUsableTower(const TowerDefinition& tower);

/// Little-endian field by field; texts in Windows-1250, NUL-padded.
TowerRecordBytes encodeTowerRecord(const TowerDefinition& tower);

/// The tower of a record, or nothing when the record does not pass isUsableTower.
std::optional<TowerDefinition> decodeTowerRecord(const TowerRecordBytes& bytes);

/// Writes one record; false when the stream failed.
bool writeTowerRecord(std::ostream& out, const TowerDefinition& tower);

/// Reads one record at the current position; nothing on a short read or an unusable record.
std::optional<TowerDefinition> readTowerRecord(std::istream& in);

} // namespace velt
