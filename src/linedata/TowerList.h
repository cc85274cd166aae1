#pragma once
// The entries of the line-data dialog's tower list: the built-in towers, the towers read
// from catalogues, and, while the dialog is shown, the tower editor's test tower.

#include "model/TowerDefinition.h"

#include <optional>
#include <string>
#include <vector>

namespace velt {

class TowerList {
  public:
    /// The texts of the entries, in list order.
    std::vector<std::string> texts() const;
    int size() const;
    /// The tower of entry `index`; nullptr outside the list.
    const TowerDefinition* tower(int index) const;

    struct Added {
        int index = -1;
        bool inserted = false; ///< a new entry; false: the entry of the same text took it
    };
    /// A tower read from a catalogue, listed as "%s <-> %s" before the test-tower entry. A
    /// tower listed under the same text already is replaced, so no entry is listed twice.
    Added addCatalogueTower(const TowerDefinition& tower);

    /// The tower the tower editor hands over for testing (none: no test tower).
    void setTestTower(std::optional<TowerDefinition> tower) { testTower_ = std::move(tower); }
    /// On showing: the test tower joins the list as its last entry. Returns the entry's text,
    /// or nothing when there is no test tower or its entry is listed already.
    std::optional<std::string> showTestEntry();
    /// On hiding: the test-tower entry leaves the list. Returns its index, or -1 when none
    /// was listed.
    int hideTestEntry();
    /// The test tower while its entry is not listed (outside a showing); nullptr otherwise.
    const TowerDefinition* unlistedTestTower() const;

  private:
    std::vector<TowerDefinition> catalogueTowers_;
    std::optional<TowerDefinition> testTower_;
    /// The test tower as listed; a tower handed over while the dialog is shown waits for
    /// the next showing, so the entry's text and tower always agree.
    std::optional<TowerDefinition> listedTestTower_;
};

} // namespace velt
