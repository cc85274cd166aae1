#pragma once
// The tower editor's catalogue commands: which catalogue and which tower each one works on,
// and the questions they ask. The file operations themselves and their messages are those
// of TowerCatalogue.

#include "model/DialogAnswer.h"
#include "model/TowerCatalogue.h"
#include "model/Translatable.h"
#include "toweredit/TowerEditorState.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velt {

inline const std::string kNoCatalogueMessage = VELT_TRANSLATE_NOOP("velt", "Nie podano pliku!");
inline const std::string kNothingToDeleteMessage =
    VELT_TRANSLATE_NOOP("velt", "Nie wybrano słupa do usunięcia z pliku!");
inline const std::string kAddToFileQuestion =
    VELT_TRANSLATE_NOOP("velt", "Plik już istnieje!\nCzy chcesz dodać dane do istniejącego pliku?");
inline const std::string kDeleteCaption = VELT_TRANSLATE_NOOP("velt", "USUWANIE SŁUPA Z PLIKU!");
inline const std::string kDeleteQuestion =
    VELT_TRANSLATE_NOOP("velt", "Czy usunąć wybrany słup z pliku?");
inline const std::string kSearchingStatus = VELT_TRANSLATE_NOOP("velt", "Szukam słupa...");

/// The catalogue questions with a third answer.
class TowerCatalogueUi : public CatalogueUi {
  public:
    virtual DialogAnswer askYesNoCancel(const std::string& question) = 0;
};

/// What opening a catalogue leaves for the form.
struct OpenedCatalogue {
    bool listed = false;                  ///< the tower list is replaced by `keys`
    std::vector<std::string> keys;        ///< display keys in index order
    std::optional<std::string> shownPath; ///< the new text of the path field, if any
};

/// Opens the catalogue of a file the user picked: a missing file changes nothing but the
/// two catalogue names, which stay empty.
OpenedCatalogue openCatalogue(TowerEditorState& state, const std::string& chosenName,
                              CatalogueUi& ui);

/// The data file of the catalogue the path field shows (the path without its extension).
std::string shownCatalogueFile(const std::string& shownPath);

/// Reads the tower of `displayKey` among the first `listCount` towers of the shown catalogue
/// into the editor.
std::optional<TowerDefinition> readChosenTower(TowerEditorState& state,
                                               const std::string& shownPath,
                                               const std::string& displayKey, std::size_t listCount,
                                               CatalogueUi& ui);

/// "Zapisz" after its checks: adds the tower to the shown catalogue or, when agreed,
/// replaces the tower of its key.
CatalogueResult storeInShownCatalogue(const std::string& shownPath, const TowerDefinition& tower,
                                      CatalogueUi& ui);

/// "Zapisz jako" once a name is chosen: a new catalogue, or for an existing data file the
/// question whether to add (Yes), to start the catalogue anew with this tower (No) or to
/// stop (Cancel).
CatalogueResult storeInChosenCatalogue(const std::string& chosenName, const TowerDefinition& tower,
                                       TowerCatalogueUi& ui);

/// "Usuń słup z pliku" before its question: refused without a shown catalogue or a chosen
/// list entry.
std::optional<std::string> deletionRefusal(const std::string& shownPath, bool entryChosen);

/// Deletes the tower read last (the key of `editorTower`) from the catalogue opened last.
CatalogueResult deleteTowerReadLast(const TowerEditorState& state, CatalogueUi& ui);

} // namespace velt
