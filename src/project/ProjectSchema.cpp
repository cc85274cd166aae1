#include "project/ProjectSchema.h"

namespace velt {
namespace {

using nlohmann::json;

// Follows a "#/$defs/name" reference; any other node is itself.
const json& resolved(const json& node) {
    const auto ref = node.find("$ref");
    if (ref == node.end() || !ref->is_string()) {
        return node;
    }
    const std::string& target = ref->get_ref<const std::string&>();
    const std::string prefix = "#/$defs/";
    if (target.compare(0, prefix.size(), prefix) != 0) {
        return node;
    }
    const json& defs = projectSchema().at("$defs");
    const auto def = defs.find(target.substr(prefix.size()));
    return def == defs.end() ? node : *def;
}

const json* propertyOf(const json& node, const std::string& key) {
    const json& object = resolved(node);
    const auto properties = object.find("properties");
    if (properties != object.end()) {
        const auto it = properties->find(key);
        if (it != properties->end()) {
            return &*it;
        }
    }
    const auto choices = object.find("oneOf");
    if (choices != object.end()) {
        for (const json& choice : *choices) {
            if (const json* found = propertyOf(choice, key)) {
                return found;
            }
        }
    }
    return nullptr;
}

std::vector<std::string> keysOf(const json& object) {
    std::vector<std::string> keys;
    const auto properties = object.find("properties");
    if (properties != object.end()) {
        for (const auto& item : properties->items()) {
            keys.push_back(item.key());
        }
    }
    return keys;
}

// The items of an array, for each "[i]" that follows a key ("neighbours[2]").
const json* itemsOf(const json* node, std::string_view indices) {
    for (std::size_t at = indices.find('['); node != nullptr && at != std::string_view::npos;
         at = indices.find('[', at + 1)) {
        const json& array = resolved(*node);
        const auto items = array.find("items");
        node = items == array.end() ? nullptr : &*items;
    }
    return node;
}

} // namespace

const json& projectSchema() {
    static const json schema = json::parse(projectSchemaText());
    return schema;
}

const json* projectSchemaAt(std::string_view keyPath) {
    const json* node = &projectSchema();
    std::size_t start = 0;
    while (node != nullptr && start < keyPath.size()) {
        const std::size_t dot = std::min(keyPath.find('.', start), keyPath.size());
        const std::string_view part = keyPath.substr(start, dot - start);
        const std::size_t bracket = std::min(part.find('['), part.size());
        node = propertyOf(*node, std::string(part.substr(0, bracket)));
        node = itemsOf(node, part.substr(bracket));
        start = dot + 1;
    }
    return node == nullptr ? nullptr : &resolved(*node);
}

std::vector<std::string> projectSchemaKeys(std::string_view keyPath, std::string_view probe) {
    const json* node = projectSchemaAt(keyPath);
    if (node == nullptr) {
        return {};
    }
    const auto choices = node->find("oneOf");
    if (choices == node->end()) {
        return keysOf(*node);
    }
    std::vector<std::string> keys;
    for (const json& choice : *choices) {
        const json& object = resolved(choice);
        if (object.contains("properties")) {
            keys = keysOf(object);
            if (object["properties"].contains(std::string(probe))) {
                break;
            }
        }
    }
    return keys;
}

std::string projectKeyNote(std::string_view keyPath) {
    const json* node = projectSchemaAt(keyPath);
    if (node == nullptr || !node->contains("description")) {
        return {};
    }
    return " (" + node->at("description").get<std::string>() + ")";
}

} // namespace velt
