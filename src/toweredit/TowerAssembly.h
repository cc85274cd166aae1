#pragma once
// Assembling a tower from the editor's fields and lists for "Testuj", "Zapisz" and
// "Zapisz jako", and the capacity of the tower record that the list editors keep.

#include "model/Translatable.h"
#include "toweredit/TowerEditorState.h"

#include <cstddef>
#include <optional>
#include <string>

namespace velt {

inline const std::string kNoSeriesOrTypeMessage =
    VELT_TRANSLATE_NOOP("velt", "Nie podano serii lub typu!");
inline const std::string kNoVoltageMessage =
    VELT_TRANSLATE_NOOP("velt", "Nie podano napięcia znamionowego!");
inline const std::string kNoWorkingConductorsMessage =
    VELT_TRANSLATE_NOOP("velt", "Nie podano przewodów roboczych!");
/// Catalogue files keep series and type in Windows-1250; nothing is changed silently.
inline const std::string kNameNotStorableMessage = VELT_TRANSLATE_NOOP(
    "velt", "Seria lub typ słupa zawiera znak, którego nie można zapisać w pliku!");
inline const std::string kTooManyTowerConductorsMessage = VELT_TRANSLATE_NOOP(
    "velt", "Za dużo przewodów!\nSłup może mieć najwyżej 64 przewody robocze i odgromowe razem.");

struct AssembledTower {
    std::optional<TowerDefinition> tower;
    std::string message; ///< the first failed check when there is no tower
};

/// Checks series and type, the voltage and the working conductors, then builds the record:
/// voltages from the chosen entry, diameters, spacings, counts and bundle sizes from
/// `editorTower`, positions from the list rows (working heights relative), every ground wire
/// at the typed ground-wire height, the series cut to 8 characters.
AssembledTower assembleTower(const TowerEditorState& state, const TowerEditorFields& fields,
                             const TowerEditorLists& lists);

/// "Testuj": the tower becomes the test tower, its series marked with "*".
void keepTestTower(TowerEditorState& state, TowerDefinition tower);

/// The refusal of "&Dodaj" in a list editor when the record could not hold one more
/// conductor besides the rows of both lists.
std::optional<std::string> newRowRefusal(std::size_t workingRows, std::size_t groundRows);

} // namespace velt
