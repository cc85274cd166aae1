#include "toweredit/CatalogueCommands.h"

#include "model/FileNames.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace velt {
namespace {

const std::string kDataExtension = ".VELT_data";

bool exists(const std::string& name) {
    std::error_code error;
    return std::filesystem::exists(name, error);
}

} // namespace

OpenedCatalogue openCatalogue(TowerEditorState& state, const std::string& chosenName,
                              CatalogueUi& ui) {
    const CatalogueFiles names = catalogueFiles(chosenName);
    state.catalogueIndexName.clear();
    state.catalogueDataName.clear();
    OpenedCatalogue opened;
    if (!exists(names.indexName) || !exists(names.dataName)) {
        return opened;
    }
    state.catalogueIndexName = names.indexName;
    state.catalogueDataName = names.dataName;
    if (!std::ifstream(names.indexName).is_open()) {
        return opened;
    }
    opened.listed = true;
    opened.keys = ListTowers(names.dataName, ui);
    if (!opened.keys.empty()) {
        opened.shownPath = replaceExtension(names.dataName, "");
    }
    return opened;
}

// The shown path is the data file without its extension; a name with more dots must not
// lose another part of it.
std::string shownCatalogueFile(const std::string& shownPath) {
    return shownPath + kDataExtension;
}

std::optional<TowerDefinition> readChosenTower(TowerEditorState& state,
                                               const std::string& shownPath,
                                               const std::string& displayKey, std::size_t listCount,
                                               CatalogueUi& ui) {
    auto tower = ReadTower(shownCatalogueFile(shownPath), displayKey, ui, listCount);
    if (tower) {
        takeCatalogueTower(state, *tower);
    }
    return tower;
}

CatalogueResult storeInShownCatalogue(const std::string& shownPath, const TowerDefinition& tower,
                                      CatalogueUi& ui) {
    return StoreTower(shownCatalogueFile(shownPath), tower, ui);
}

CatalogueResult storeInChosenCatalogue(const std::string& chosenName, const TowerDefinition& tower,
                                       TowerCatalogueUi& ui) {
    const std::string dataName = catalogueFiles(chosenName).dataName;
    if (!exists(dataName)) {
        return CreateCatalogue(dataName, tower, ui);
    }
    switch (ui.askYesNoCancel(kAddToFileQuestion)) {
    case DialogAnswer::Yes:
        return StoreTower(dataName, tower, ui);
    case DialogAnswer::No:
        return CreateCatalogue(dataName, tower, ui);
    case DialogAnswer::Cancel:
        break;
    }
    return CatalogueResult::Kept;
}

std::optional<std::string> deletionRefusal(const std::string& shownPath, bool entryChosen) {
    if (shownPath.empty() || !entryChosen) {
        return kNothingToDeleteMessage;
    }
    return std::nullopt;
}

CatalogueResult deleteTowerReadLast(const TowerEditorState& state, CatalogueUi& ui) {
    // Without names (the last file picked was missing) there is no catalogue to delete from.
    if (state.catalogueDataName.empty()) {
        ui.showMessage(kMissingFilesMessage);
        return CatalogueResult::FileError;
    }
    return DeleteTower(state.catalogueDataName, state.editorTower.towerSeries,
                       state.editorTower.towerType, ui);
}

} // namespace velt
