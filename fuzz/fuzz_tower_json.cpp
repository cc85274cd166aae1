// Tower files of velt-calc: an accepted tower fits a catalogue and survives its own form.
#include "model/TowerIndex.h"
#include "model/TowerRecord.h"
#include "project/TowerJson.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto json = nlohmann::json::parse(data, data + size, nullptr, false);
    if (json.is_discarded())
        return 0;
    std::string message;
    const auto tower = velt::towerFromJson(json, message);
    if (!tower) {
        if (message.empty())
            __builtin_trap();
        return 0;
    }
    if (!velt::isUsableTower(*tower) || !velt::keyFitsIndex(tower->towerSeries, tower->towerType) ||
        velt::storedForm(*tower) != *tower)
        __builtin_trap();
    const auto again = velt::towerFromJson(velt::towerToJson(*tower), message);
    if (!again || *again != *tower)
        __builtin_trap();
    return 0;
}
