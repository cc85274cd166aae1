#include "model/TowerCatalogue.h"

#include "model/FileNames.h"
#include "model/FileReplacement.h"
#include "model/OldTowerList.h"
#include "model/TowerIndex.h"
#include "model/TowerRecord.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace velt {
namespace fs = std::filesystem;

namespace {

bool exists(const std::string& name) {
    std::error_code error;
    return fs::exists(name, error);
}

std::uintmax_t sizeOf(const std::string& name) {
    std::error_code error;
    const auto size = fs::file_size(name, error);
    return error ? 0 : size;
}

CatalogueResult report(CatalogueUi& ui, const std::string& text, CatalogueResult result) {
    ui.showMessage(text);
    return result;
}

bool sameKey(const IndexEntry& entry, const std::string& series, const std::string& type) {
    return entry.complete && entry.series == series && entry.type == type;
}

std::string recordBytes(const TowerDefinition& tower) {
    const TowerRecordBytes bytes = encodeTowerRecord(tower);
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

bool canStore(const TowerDefinition& stored) {
    return isUsableTower(stored) && keyFitsIndex(stored.towerSeries, stored.towerType);
}

} // namespace

CatalogueFiles catalogueFiles(const std::string& path) {
    std::error_code error;
    fs::path full = fs::absolute(fs::path(path), error);
    if (error)
        full = fs::path(path);
    const std::string base = full.lexically_normal().string();
    // Catalogues from other systems may carry their extensions in capitals.
    const std::string data = existingExtensionCase(withExtension(base, ".VELT_data"));
    return {data,
            existingExtensionCase(replaceExtension(data, extensionInCaseOf(data, ".VELT_index")))};
}

std::vector<std::string> ListTowers(const std::string& path, CatalogueUi& ui) {
    const CatalogueFiles names = catalogueFiles(path);
    if (!exists(names.indexName) || !exists(names.dataName))
        return {};
    std::ifstream index(names.indexName, std::ios::binary);
    if (!index)
        return {};
    std::vector<std::string> keys;
    for (const IndexEntry& entry : readIndex(index)) {
        // A line without its brackets names no tower.
        if (entry.complete)
            keys.push_back(displayKey(entry.series, entry.type));
    }
    if (keys.empty())
        ui.showMessage(kListErrorMessage + names.indexName);
    return keys;
}

std::optional<TowerDefinition> ReadTower(const std::string& path, const std::string& wanted,
                                         CatalogueUi& ui, std::size_t lineLimit) {
    const CatalogueFiles names = catalogueFiles(path);
    std::ifstream index(names.indexName, std::ios::binary);
    if (!index) {
        ui.showMessage(kCannotOpenMessage + names.indexName);
        return std::nullopt;
    }
    // The limit counts the lines that gave a key, as the list the user chose from did.
    std::size_t listed = 0;
    for (const IndexEntry& entry : readIndex(index)) {
        if (!entry.complete)
            continue;
        if (listed++ == lineLimit)
            break;
        ui.advanceProgress();
        if (displayKey(entry.series, entry.type) != wanted)
            continue;
        std::ifstream data(names.dataName, std::ios::binary);
        if (!data) {
            ui.showMessage(kCannotOpenMessage + names.dataName);
            continue;
        }
        const auto size = sizeOf(names.dataName);
        std::optional<TowerDefinition> tower;
        if (entry.offset >= 0 &&
            static_cast<std::uintmax_t>(entry.offset) + kTowerRecordSize <= size &&
            data.seekg(entry.offset))
            tower = readTowerRecord(data);
        if (!tower) {
            ui.showMessage(kReadErrorMessage + names.dataName);
            continue;
        }
        return tower;
    }
    return std::nullopt;
}

CatalogueResult CreateCatalogue(const std::string& path, const TowerDefinition& tower,
                                CatalogueUi& ui) {
    const CatalogueFiles names = catalogueFiles(path);
    const TowerDefinition stored = storedForm(tower);
    if (!canStore(stored))
        return report(ui, kBadTowerMessage, CatalogueResult::Refused);
    FileReplacement data(names.dataName);
    if (!data.open())
        return report(ui, kCannotOpenMessage + names.dataName, CatalogueResult::FileError);
    if (!data.write(recordBytes(stored)))
        return report(ui, kCreateFailedMessage, CatalogueResult::FileError);
    FileReplacement index(names.indexName);
    if (!index.open())
        return report(ui, kCannotOpenMessage + names.indexName, CatalogueResult::FileError);
    if (!index.write(formatIndexLine(0, stored.towerSeries, stored.towerType)))
        return report(ui, kWriteErrorMessage + names.indexName, CatalogueResult::FileError);
    // The data file first: an old index left beside it finds no record past its end.
    if (!data.commit())
        return report(ui, kCreateFailedMessage, CatalogueResult::FileError);
    if (!index.commit())
        return report(ui, kWriteErrorMessage + names.indexName, CatalogueResult::FileError);
    return report(ui, kSavedMessage, CatalogueResult::Done);
}

CatalogueResult StoreTower(std::iostream& index, std::iostream& data, const CatalogueFiles& names,
                           const TowerDefinition& tower, CatalogueUi& ui) {
    const TowerDefinition stored = storedForm(tower);
    if (!canStore(stored))
        return report(ui, kBadTowerMessage, CatalogueResult::Refused);
    const auto writeError = [&](const std::string& name) {
        return report(ui, kWriteErrorMessage + name, CatalogueResult::FileError);
    };
    index.seekg(0);
    const std::string indexText{std::istreambuf_iterator<char>(index),
                                std::istreambuf_iterator<char>()};
    std::istringstream indexLines(indexText);
    const std::vector<IndexEntry> entries = readIndex(indexLines);
    data.clear();
    data.seekg(0, std::ios::end);
    const std::streamoff dataSize = data.tellg();
    if (dataSize < 0)
        return writeError(names.dataName);
    for (const IndexEntry& entry : entries) {
        if (!sameKey(entry, stored.towerSeries, stored.towerType))
            continue;
        if (!ui.confirm(kReplaceQuestion))
            return CatalogueResult::Kept;
        // Only a whole record inside the file is overwritten; nothing is written past its end.
        if (entry.offset < 0 ||
            entry.offset > dataSize - static_cast<std::streamoff>(kTowerRecordSize))
            return writeError(names.dataName);
        data.clear();
        if (!data.seekp(entry.offset) || !writeTowerRecord(data, stored))
            return writeError(names.dataName);
        return CatalogueResult::Replaced;
    }
    data.clear();
    if (!data.seekp(0, std::ios::end))
        return writeError(names.dataName);
    const std::streamoff offset = data.tellp();
    if (offset < 0 || !writeTowerRecord(data, stored))
        return writeError(names.dataName);
    // An index whose last line lacks its line end would swallow the new line.
    std::string line = formatIndexLine(offset, stored.towerSeries, stored.towerType);
    if (!indexText.empty() && indexText.back() != '\n')
        line = "\r\n" + line;
    index.clear();
    if (!index.seekp(0, std::ios::end))
        return writeError(names.indexName);
    index.write(line.data(), static_cast<std::streamsize>(line.size()));
    index.flush();
    if (!index)
        return writeError(names.indexName);
    return CatalogueResult::Done;
}

CatalogueResult StoreTower(const std::string& path, const TowerDefinition& tower, CatalogueUi& ui) {
    const CatalogueFiles names = catalogueFiles(path);
    std::ifstream indexFile(names.indexName, std::ios::binary);
    if (!indexFile.is_open())
        return report(ui, kCannotOpenMessage + names.indexName, CatalogueResult::FileError);
    std::ifstream dataFile(names.dataName, std::ios::binary);
    if (!dataFile.is_open())
        return report(ui, kCannotOpenMessage + names.dataName, CatalogueResult::FileError);
    // Both files are changed in memory and then replaced whole, the data file first: a
    // failure on the way leaves the catalogue as it was.
    std::stringstream index;
    index << indexFile.rdbuf();
    std::stringstream data;
    data << dataFile.rdbuf();
    indexFile.close();
    dataFile.close();
    const CatalogueResult result = StoreTower(index, data, names, tower, ui);
    if (result != CatalogueResult::Done && result != CatalogueResult::Replaced)
        return result;
    if (!replaceFile(names.dataName, data.str()))
        return report(ui, kWriteErrorMessage + names.dataName, CatalogueResult::FileError);
    if (result == CatalogueResult::Done && !replaceFile(names.indexName, index.str()))
        return report(ui, kWriteErrorMessage + names.indexName, CatalogueResult::FileError);
    // Said only once the files hold it.
    return report(ui, result == CatalogueResult::Done ? kAddedMessage : kReplacedMessage, result);
}

CatalogueResult DeleteTower(const std::string& path, const std::string& series,
                            const std::string& type, CatalogueUi& ui) {
    const CatalogueFiles names = catalogueFiles(path);
    if (!exists(names.indexName) || !exists(names.dataName))
        return report(ui, kMissingFilesMessage, CatalogueResult::FileError);
    std::ifstream in(names.indexName, std::ios::binary);
    if (!in)
        return report(ui, kCannotOpenMessage + names.indexName, CatalogueResult::FileError);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    in.close();
    // Whole lines, so that the rewrite changes nothing but the deleted line.
    std::vector<std::string> lines;
    for (std::size_t from = 0; from < text.size();) {
        auto end = text.find('\n', from);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(from, end - from);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        from = end + 1;
    }
    std::size_t found = lines.size();
    for (std::size_t i = 0; i < lines.size() && found == lines.size(); ++i) {
        if (sameKey(parseIndexLine(lines[i]), series, type))
            found = i;
    }
    if (found == lines.size())
        return report(ui, kNoSuchTowerMessage, CatalogueResult::NotFound);
    std::string rewritten;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i != found)
            rewritten += lines[i] + "\r\n";
    }
    FileReplacement index(names.indexName);
    if (!index.open() || !index.write(rewritten) || !index.commit())
        return report(ui, kWriteErrorMessage + names.indexName, CatalogueResult::FileError);
    return CatalogueResult::Done;
}

CatalogueResult ConvertOldCatalogue(const std::string& oldPath, const std::string& newPath,
                                    CatalogueUi& ui) {
    // The old file is opened first: a missing one must not empty an existing catalogue.
    std::ifstream old(oldPath, std::ios::binary);
    if (!old)
        return report(ui, kConvertCannotOpenMessage, CatalogueResult::FileError);
    const CatalogueFiles names = catalogueFiles(newPath);
    FileReplacement data(names.dataName);
    FileReplacement index(names.indexName);
    if (!data.open() || !index.open())
        return report(ui, kConvertCannotOpenMessage, CatalogueResult::FileError);
    ui.setStatus(kCountingStatus);
    const OldTowerList list = readOldTowerList(old);
    ui.setProgressMaximum(list.groupCount);
    ui.setStatus(kConvertingStatus);
    for (std::size_t g = 0; g < list.groupCount; ++g)
        ui.advanceProgress();
    std::string records;
    std::string lines;
    for (const TowerDefinition& tower : list.towers) {
        lines += formatIndexLine(static_cast<std::int64_t>(records.size()), tower.towerSeries,
                                 tower.towerType);
        records += recordBytes(tower);
    }
    // Both files are written whole before either replaces its old one.
    if (!data.write(records))
        return report(ui, kWriteErrorMessage + names.dataName, CatalogueResult::FileError);
    if (!index.write(lines))
        return report(ui, kWriteErrorMessage + names.indexName, CatalogueResult::FileError);
    if (!data.commit())
        return report(ui, kWriteErrorMessage + names.dataName, CatalogueResult::FileError);
    if (!index.commit())
        return report(ui, kWriteErrorMessage + names.indexName, CatalogueResult::FileError);
    return report(ui, kConvertedMessage, CatalogueResult::Done);
}

} // namespace velt
