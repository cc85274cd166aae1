#pragma once
// Tower catalogues: a data file of tower records and a text index, addressed through any
// file name the user picks. Every operation opens and closes its files itself.

#include "model/TowerDefinition.h"
#include "model/Translatable.h"

#include <cstddef>
#include <iosfwd>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace velt {

inline constexpr const char* kCannotOpenMessage =
    VELT_TRANSLATE_NOOP("velt", "Nie mogę otworzyć pliku!\n");
inline constexpr const char* kReadErrorMessage =
    VELT_TRANSLATE_NOOP("velt", "Błąd odczytu danych z pliku!\n");
inline constexpr const char* kListErrorMessage =
    VELT_TRANSLATE_NOOP("velt", "Błąd w odczycie danych!\n");
inline constexpr const char* kWriteErrorMessage =
    VELT_TRANSLATE_NOOP("velt", "Błąd zapisu do pliku!\n");
inline constexpr const char* kCreateFailedMessage =
    VELT_TRANSLATE_NOOP("velt", "Zapis sie nie powiódł!");
inline constexpr const char* kSavedMessage = VELT_TRANSLATE_NOOP("velt", "Zapisano słup...");
inline constexpr const char* kAddedMessage = VELT_TRANSLATE_NOOP("velt", "Słup dodany...");
inline constexpr const char* kReplacedMessage =
    VELT_TRANSLATE_NOOP("velt", "Słup w pliku zastąpiony...");
inline constexpr const char* kReplaceQuestion =
    VELT_TRANSLATE_NOOP("velt", "Słup już istnieje!\nCzy chcesz go zastąpić?");
inline constexpr const char* kMissingFilesMessage =
    VELT_TRANSLATE_NOOP("velt", "Plik z danymi (lub indexem) nie istnieje");
inline constexpr const char* kNoSuchTowerMessage =
    VELT_TRANSLATE_NOOP("velt", "Podany słup nie istnieje w pliku!");
inline constexpr const char* kConvertCannotOpenMessage =
    VELT_TRANSLATE_NOOP("velt", "Nie mogę otworzyć pliku!");
inline constexpr const char* kConvertedMessage =
    VELT_TRANSLATE_NOOP("velt", "Konwersja zakończona");
inline constexpr const char* kCountingStatus = VELT_TRANSLATE_NOOP("velt", "Przeszukuję plik...");
inline constexpr const char* kConvertingStatus = VELT_TRANSLATE_NOOP("velt", "Sprawdzam dane...");
/// A tower the record cannot hold, or whose key an index line could not give back.
inline constexpr const char* kBadTowerMessage = VELT_TRANSLATE_NOOP("velt", "Błędne dane słupa!");

/// What the catalogue operations show and ask. The tower editor shows message boxes,
/// velt-calc prints to standard error and answers from its options.
class CatalogueUi {
  public:
    virtual ~CatalogueUi() = default;
    virtual void showMessage(const std::string& text) = 0;
    /// A yes/no question; true is yes.
    virtual bool confirm(const std::string& question) = 0;
    /// The main window's second status panel.
    virtual void setStatus(const std::string& text) { (void)text; }
    /// The progress gauge of reading and conversion.
    virtual void setProgressMaximum(std::size_t maximum) { (void)maximum; }
    virtual void advanceProgress() {}
};

enum class CatalogueResult {
    Done,      ///< created, added, deleted or converted
    Replaced,  ///< the tower of the same key was overwritten
    Kept,      ///< the replace question was answered no; nothing changed
    NotFound,  ///< no tower of that key
    Refused,   ///< a tower the catalogue cannot hold
    FileError, ///< a file could not be opened, read or written; the message was shown
};

struct CatalogueFiles {
    std::string dataName;  ///< full path, extension ".VELT_data"
    std::string indexName; ///< full path, extension ".VELT_index"
};

/// Both file names of the catalogue addressed by `path` (any extension, or none).
CatalogueFiles catalogueFiles(const std::string& path);

/// Display keys in index order; nothing (and no message) when a file is missing.
std::vector<std::string> ListTowers(const std::string& path, CatalogueUi& ui);

/// The tower whose display key is `displayKey`, searched among the first `lineLimit` towers
/// of the index (the number of keys the user chose from). Advances the progress per line.
std::optional<TowerDefinition>
ReadTower(const std::string& path, const std::string& displayKey, CatalogueUi& ui,
          std::size_t lineLimit = std::numeric_limits<std::size_t>::max());

/// Both files replaced by a catalogue holding this tower alone.
CatalogueResult CreateCatalogue(const std::string& path, const TowerDefinition& tower,
                                CatalogueUi& ui);

/// Adds the tower, or replaces the tower of the same key when ui.confirm(kReplaceQuestion)
/// agrees.
CatalogueResult StoreTower(const std::string& path, const TowerDefinition& tower, CatalogueUi& ui);

/// StoreTower on open streams (index and data file, read and written in place); the names
/// go into the failure messages. A failed write leaves the earlier records and index lines
/// as they were. Success is not reported here: the caller says so once the files hold it.
CatalogueResult StoreTower(std::iostream& index, std::iostream& data, const CatalogueFiles& names,
                           const TowerDefinition& tower, CatalogueUi& ui);

/// Removes the index line of the tower (series, type); the data file is not changed.
CatalogueResult DeleteTower(const std::string& path, const std::string& series,
                            const std::string& type, CatalogueUi& ui);

/// A new catalogue at `newPath` holding every usable tower of the old tower list, in
/// file order.
CatalogueResult ConvertOldCatalogue(const std::string& oldPath, const std::string& newPath,
                                    CatalogueUi& ui);

} // namespace velt
