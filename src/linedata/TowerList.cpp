#include "linedata/TowerList.h"

#include "model/BuiltInTowers.h"

#include <algorithm>

namespace velt {
namespace {

std::string entryText(const TowerDefinition& tower) {
    return displayKey(tower.towerSeries, tower.towerType);
}

} // namespace

std::vector<std::string> TowerList::texts() const {
    const auto& builtIn = builtInTowerListTexts();
    std::vector<std::string> texts(builtIn.begin(), builtIn.end());
    for (const TowerDefinition& tower : catalogueTowers_) {
        texts.push_back(entryText(tower));
    }
    if (listedTestTower_) {
        texts.push_back(entryText(*listedTestTower_));
    }
    return texts;
}

int TowerList::size() const {
    return kBuiltInTowerCount + static_cast<int>(catalogueTowers_.size()) +
           (listedTestTower_ ? 1 : 0);
}

const TowerDefinition* TowerList::tower(int index) const {
    if (index < 0 || index >= size()) {
        return nullptr;
    }
    if (index < kBuiltInTowerCount) {
        return &builtInTowers()[static_cast<std::size_t>(index)];
    }
    const auto slot = static_cast<std::size_t>(index - kBuiltInTowerCount);
    return slot < catalogueTowers_.size() ? &catalogueTowers_[slot] : &*listedTestTower_;
}

TowerList::Added TowerList::addCatalogueTower(const TowerDefinition& tower) {
    const std::string text = entryText(tower);
    const auto same = std::find_if(catalogueTowers_.begin(), catalogueTowers_.end(),
                                   [&](const TowerDefinition& t) { return entryText(t) == text; });
    if (same != catalogueTowers_.end()) {
        *same = tower;
        return {kBuiltInTowerCount + static_cast<int>(same - catalogueTowers_.begin()), false};
    }
    catalogueTowers_.push_back(tower);
    return {kBuiltInTowerCount + static_cast<int>(catalogueTowers_.size()) - 1, true};
}

std::optional<std::string> TowerList::showTestEntry() {
    if (!testTower_ || listedTestTower_) {
        return std::nullopt;
    }
    listedTestTower_ = testTower_;
    return entryText(*listedTestTower_);
}

int TowerList::hideTestEntry() {
    if (!listedTestTower_) {
        return -1;
    }
    listedTestTower_.reset();
    return size();
}

const TowerDefinition* TowerList::unlistedTestTower() const {
    return testTower_ && !listedTestTower_ ? &*testTower_ : nullptr;
}

} // namespace velt
