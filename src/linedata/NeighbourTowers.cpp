#include "linedata/NeighbourTowers.h"

#include "model/BuiltInTowers.h"

#include <algorithm>

namespace velt {

std::vector<NeighbourTowerEntry> neighbourTowerEntries(const TowerList& list) {
    const std::vector<std::string> texts = list.texts();
    std::vector<NeighbourTowerEntry> entries;
    for (int i = 0; i < list.size(); ++i) {
        entries.push_back(
            {texts[static_cast<std::size_t>(i)], *list.tower(i), i < kBuiltInTowerCount});
    }
    // Outside a showing the test tower is not listed, yet a neighbour may still use it.
    if (const TowerDefinition* test = list.unlistedTestTower()) {
        entries.push_back({displayKey(test->towerSeries, test->towerType), *test, false});
    }
    return entries;
}

int neighbourTowerEntry(std::vector<NeighbourTowerEntry>& entries, const TowerDefinition& tower,
                        bool builtIn) {
    const auto same = std::find_if(entries.begin(), entries.end(), [&](const auto& entry) {
        return entry.builtIn == builtIn &&
               (builtIn ? entry.tower.towerSeries == tower.towerSeries : entry.tower == tower);
    });
    if (same != entries.end()) {
        return static_cast<int>(same - entries.begin());
    }
    entries.push_back({displayKey(tower.towerSeries, tower.towerType), tower, builtIn});
    return static_cast<int>(entries.size()) - 1;
}

} // namespace velt
