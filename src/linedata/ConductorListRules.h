#pragma once
// The rules of the three conductor-list editors: the shield wires of the line-data dialog
// and the working conductors and ground wires of the tower editor.

#include "model/LineDataForm.h"
#include "model/LineProject.h"
#include "model/Translatable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velt {

enum class ConductorEditor {
    ShieldWires,       ///< TW_PEkr
    WorkingConductors, ///< TW_PRob
    GroundWires,       ///< TW_NPOdg
};

inline const std::string kDuplicateRowsMessage =
    VELT_TRANSLATE_NOOP("velt", "Błędne dane!\nWspółrzędne się powtarzają!");

/// The locked state after a duplicate: "&Dodaj", "&Tak", "&Nie" (where present) and the
/// list are disabled, and the later copy stays selected until it is deleted.
struct ConductorListLock {
    bool locked = false;
    std::optional<std::size_t> selected; ///< 0-based entry to select
};

struct AddRowResult {
    bool added = false;     ///< the count field shows the new number of entries
    int duplicatePairs = 0; ///< the duplicate message is shown once per pair
};

/// Adds the position typed in TW_NewPrzew after it closed with "&Tak". The shield-wire
/// editor silently ignores a height not above 0. Then scans every pair of entries for equal
/// texts (as typed, so "1" and "1.0" differ) and locks the list on a duplicate.
AddRowResult addConductorRow(std::vector<ConductorRow>& rows, ConductorListLock& lock,
                             ConductorEditor editor, const ConductorRow& typed);

/// "&Skasuj": removes the selected entry and unlocks the editor. Without a selection (or
/// with one past the end) nothing happens; returns whether an entry was removed.
bool deleteConductorRow(std::vector<ConductorRow>& rows, ConductorListLock& lock,
                        std::optional<std::size_t> selected);

inline const std::string kShieldDiameterMessage =
    VELT_TRANSLATE_NOOP("velt", "Nie podano średnicy przewodów ekranujących!");

/// "&Tak" of the shield-wire editor: returns the refusal message (the editor stays open) or
/// nothing (it closes with Yes). An empty list closes without writing; otherwise the
/// project gets radius = diameter / 2, spacing 1.0, one sub-conductor per bundle and one
/// shield wire per entry.
std::optional<std::string> acceptShieldWires(LineProject& project, const ShieldWireForm& form);

/// The tower editor's fields that both of its list editors read.
struct TowerListFields {
    std::vector<ConductorRow> workingRows; ///< TW_PRob list: distance, relative height
    std::vector<ConductorRow> groundRows;  ///< TW_NPOdg list: distance (height unused)
    std::string workingSuspensionHeight;   ///< tower editor: working-conductor height
    std::string groundSuspensionHeight;    ///< tower editor: ground-wire height
};

/// The common fields of one list editor.
struct BundleFields {
    std::string diameter = "0.0";      ///< Edit2
    std::string bundleCount;           ///< Edit3, a whole number
    std::string bundleSpacing = "0.0"; ///< Edit4
};

struct TowerListAccept {
    std::optional<std::string> message; ///< nothing: the editor closes with OK
    std::vector<std::size_t> selected;  ///< 0-based entries of the own list to select
};

/// "&Tak" of TW_PRob (`editor` WorkingConductors) or TW_NPOdg (GroundWires): the overlap
/// of working conductors and ground wires, then diameter, bundle count and bundle spacing.
TowerListAccept acceptTowerList(ConductorEditor editor, const TowerListFields& lists,
                                const BundleFields& fields);

} // namespace velt
