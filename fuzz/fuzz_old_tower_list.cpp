// Old tower lists (".lin"): any text gives usable towers, which can be written and read again.
#include "model/OldTowerList.h"
#include "model/TowerRecord.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const velt::OldTowerList list = velt::readOldTowerList(in);
    if (list.towers.size() > list.groupCount)
        __builtin_trap();
    for (const velt::TowerDefinition& tower : list.towers) {
        if (!velt::isUsableTower(tower))
            __builtin_trap();
    }
    std::ostringstream out;
    velt::writeOldTowerList(out, list.towers);
    std::istringstream again(out.str());
    for (const velt::TowerDefinition& tower : velt::readOldTowerList(again).towers) {
        if (!velt::isUsableTower(tower))
            __builtin_trap();
    }
    return 0;
}
