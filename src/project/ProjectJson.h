#pragma once
// The pieces every part of the project reader shares: refusals that name the key, the
// schema's key lists, numbers, choices and the tower a project names.

#include "model/TowerDefinition.h"
#include "project/ProjectFile.h"

#include <nlohmann/json.hpp>

#include <initializer_list>
#include <string>

namespace velt::projectjson {

using json = nlohmann::json;

/// Ends loading with a status and message.
struct Stop {
    LoadStatus status;
    std::string message;
};

/// Refuses the file: the message names `key` and quotes its unit and range from the schema.
[[noreturn]] void malformed(const std::string& key, const std::string& what);
/// Refuses the file with `message` as it is.
[[noreturn]] void refuse(const std::string& message);

/// "path.key", or "key" at the top.
std::string keyPath(const std::string& path, const std::string& key);

/// Refuses a key the schema does not list for the object at `path`; `probe` picks the form
/// of a choice.
void checkKeys(const json& object, const std::string& path, const char* probe = "");

const json* find(const json& object, const char* key);
double numberOf(const json& value, const std::string& key);
const json& objectOf(const json& value, const std::string& key);
/// The object under `key` with only the schema's keys; nothing when the project leaves it out.
const json* sectionOf(const json& project, const char* key);
/// Index of the value of `key` among `options`; `missing` when the key is left out.
int choiceOf(const json& object, const char* key, std::initializer_list<const char*> options,
             int missing, const std::string& path = "");
/// `name` taken from `folder` unless absolute.
std::string folderPath(const std::string& folder, const std::string& name);

/// The tower a project names at `key`: a built-in series, a catalogue tower or a whole tower.
struct ChosenTower {
    TowerDefinition tower;
    int listIndex = -1; ///< the built-in entry, or an entry after the built-in ones
    bool builtIn = false;
};
ChosenTower towerAt(const json& value, const std::string& key, const std::string& folder);

} // namespace velt::projectjson
