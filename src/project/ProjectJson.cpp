#include "project/ProjectJson.h"

#include "model/BuiltInTowers.h"
#include "model/TowerCatalogue.h"
#include "model/Translatable.h"
#include "project/CatalogueTower.h"
#include "project/ProjectSchema.h"
#include "project/TowerJson.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

namespace velt::projectjson {
namespace {

const char* const kFileErrorText = VELT_TRANSLATE_NOOP("velt", "Nie mogę otworzyć pliku!\n");

} // namespace

[[noreturn]] void malformed(const std::string& key, const std::string& what) {
    throw Stop{LoadStatus::Refused, "Project key \"" + key + "\": " + what + projectKeyNote(key)};
}

[[noreturn]] void refuse(const std::string& message) {
    throw Stop{LoadStatus::Refused, message};
}

std::string keyPath(const std::string& path, const std::string& key) {
    return path.empty() ? key : path + "." + key;
}

void checkKeys(const json& object, const std::string& path, const char* probe) {
    const std::vector<std::string> known = projectSchemaKeys(path, probe);
    for (const auto& item : object.items()) {
        if (std::find(known.begin(), known.end(), item.key()) == known.end()) {
            std::string list;
            for (const std::string& key : known) {
                list.append(list.empty() ? "" : ", ").append(key);
            }
            throw Stop{LoadStatus::Refused, "Project key \"" + keyPath(path, item.key()) +
                                                "\": unknown key (known here: " + list + ")"};
        }
    }
}

const json* find(const json& object, const char* key) {
    const auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
}

double numberOf(const json& value, const std::string& key) {
    if (!value.is_number()) {
        malformed(key, "a number is expected");
    }
    return value.get<double>();
}

const json& objectOf(const json& value, const std::string& key) {
    if (!value.is_object()) {
        malformed(key, "an object is expected");
    }
    return value;
}

// The object under `key`, holding only the `known` keys; nothing when the project leaves
// it out.
const json* sectionOf(const json& project, const char* key) {
    const json* section = find(project, key);
    if (section != nullptr) {
        objectOf(*section, key);
        checkKeys(*section, key);
    }
    return section;
}

// Index of `value` among `options`; the key's default when missing.
int choiceOf(const json& object, const char* key, std::initializer_list<const char*> options,
             int missing, const std::string& path) {
    const json* value = find(object, key);
    if (value == nullptr) {
        return missing;
    }
    int index = 0;
    std::string list;
    for (const char* option : options) {
        if (value->is_string() && value->get<std::string>() == option) {
            return index;
        }
        list += (index == 0 ? "\"" : " or \"") + std::string(option) + "\"";
        ++index;
    }
    malformed(keyPath(path, key), list + " is expected");
}

std::string folderPath(const std::string& folder, const std::string& name) {
    const std::filesystem::path path(name);
    if (folder.empty() || path.is_absolute()) {
        return name;
    }
    return (std::filesystem::path(folder) / path).string();
}

namespace {

ChosenTower catalogueTower(const json& towerValue, const std::string& key,
                           const std::string& folder) {
    checkKeys(towerValue, key, "catalogue");
    const json* catalogue = find(towerValue, "catalogue");
    const json* displayKey = find(towerValue, "key");
    if (catalogue == nullptr || !catalogue->is_string()) {
        malformed(keyPath(key, "catalogue"), "the catalogue file name is expected");
    }
    if (displayKey == nullptr || !displayKey->is_string()) {
        malformed(keyPath(key, "key"), "the tower's \"series <-> type\" key is expected");
    }
    const std::string path = folderPath(folder, catalogue->get<std::string>());
    const std::string dataFile = catalogueFiles(path).dataName;
    if (!std::ifstream(dataFile, std::ios::binary).is_open()) {
        throw Stop{LoadStatus::FileError, kFileErrorText + dataFile};
    }
    std::string message;
    auto tower = readCatalogueTower(path, displayKey->get<std::string>(), message);
    if (!tower) {
        refuse(message);
    }
    return {std::move(*tower), kBuiltInTowerCount, false};
}

} // namespace

ChosenTower towerAt(const json& value, const std::string& key, const std::string& folder) {
    if (value.is_string()) {
        const TowerDefinition* builtIn = builtInTowerBySeries(value.get<std::string>());
        if (builtIn == nullptr) {
            malformed(key, "\"S12\", \"H52\", \"Z52\" or a tower object is expected");
        }
        return {*builtIn, static_cast<int>(builtIn - builtInTowers().data()), true};
    }
    if (!value.is_object()) {
        malformed(key, "a series name or a tower object is expected");
    }
    if (value.contains("catalogue")) {
        return catalogueTower(value, key, folder);
    }
    std::string message;
    auto tower = towerFromJson(value, message);
    if (!tower) {
        refuse(key == "tower" ? message : key + ": " + message);
    }
    return {std::move(*tower), kBuiltInTowerCount, false};
}

} // namespace velt::projectjson
