// Tower records from a data file: any 1112 bytes are refused or give a usable tower.
#include "model/TowerRecord.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const auto tower = velt::readTowerRecord(in);
    if (!tower)
        return 0;
    if (!velt::isUsableTower(*tower))
        __builtin_trap();
    // Written again, the record reads back with the same numbers.
    const auto again = velt::decodeTowerRecord(velt::encodeTowerRecord(*tower));
    if (!again || again->conductorX != tower->conductorX ||
        again->conductorY != tower->conductorY ||
        again->phaseConductorCount != tower->phaseConductorCount ||
        again->groundWireCount != tower->groundWireCount)
        __builtin_trap();
    return 0;
}
