#include "SchemaCheck.h"

#include <algorithm>
#include <set>

namespace velt::test {
namespace {

using nlohmann::json;

const std::set<std::string> kAnnotations = {"$schema", "$id",         "$defs",
                                            "title",   "description", "default"};

class Checker {
  public:
    explicit Checker(const json& root) : root_(root) {}

    void check(const json& schema, const json& value, const std::string& path) {
        for (const auto& [keyword, rule] : schema.items()) {
            if (kAnnotations.count(keyword) == 0) {
                apply(keyword, rule, schema, value, path);
            }
        }
    }

    std::vector<std::string> errors;

  private:
    void fail(const std::string& path, const std::string& what) {
        errors.push_back((path.empty() ? "/" : path) + ": " + what);
    }

    bool passes(const json& schema, const json& value) {
        Checker inner(root_);
        inner.check(schema, value, "");
        return inner.errors.empty();
    }

    static bool hasType(const json& value, const std::string& type) {
        if (type == "object")
            return value.is_object();
        if (type == "array")
            return value.is_array();
        if (type == "string")
            return value.is_string();
        if (type == "number")
            return value.is_number();
        if (type == "integer")
            return value.is_number_integer();
        if (type == "boolean")
            return value.is_boolean();
        return false;
    }

    static std::size_t codePoints(const std::string& text) {
        return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        }));
    }

    void apply(const std::string& keyword, const json& rule, const json& schema, const json& value,
               const std::string& path) {
        if (keyword == "$ref") {
            const std::string prefix = "#/$defs/";
            const std::string target = rule.get<std::string>();
            if (target.rfind(prefix, 0) != 0 ||
                !root_["$defs"].contains(target.substr(prefix.size())))
                return fail(path, "unresolved $ref " + target);
            check(root_["$defs"][target.substr(prefix.size())], value, path);
        } else if (keyword == "type") {
            if (!hasType(value, rule.get<std::string>()))
                fail(path, "not of type " + rule.get<std::string>());
        } else if (keyword == "enum") {
            if (std::find(rule.begin(), rule.end(), value) == rule.end())
                fail(path, "not one of " + rule.dump());
        } else if (keyword == "oneOf") {
            const auto matches = std::count_if(rule.begin(), rule.end(),
                                               [&](const json& s) { return passes(s, value); });
            if (matches != 1)
                fail(path, std::to_string(matches) + " alternatives of oneOf match");
        } else if (value.is_number()) {
            numberRule(keyword, rule, value.get<double>(), path);
        } else if (value.is_string()) {
            stringRule(keyword, rule, value.get<std::string>(), path);
        } else if (value.is_array()) {
            arrayRule(keyword, rule, schema, value, path);
        } else if (value.is_object()) {
            objectRule(keyword, rule, schema, value, path);
        }
        known(keyword, rule, path);
    }

    void known(const std::string& keyword, const json& rule, const std::string& path) {
        static const std::set<std::string> all = {"$ref",
                                                  "type",
                                                  "enum",
                                                  "oneOf",
                                                  "minimum",
                                                  "maximum",
                                                  "exclusiveMinimum",
                                                  "minLength",
                                                  "maxLength",
                                                  "minItems",
                                                  "maxItems",
                                                  "items",
                                                  "prefixItems",
                                                  "properties",
                                                  "required",
                                                  "additionalProperties"};
        if (all.count(keyword) == 0)
            fail(path, "the check does not know the keyword " + keyword);
        if (keyword == "additionalProperties" && rule != false)
            fail(path, "the check knows only \"additionalProperties\": false");
    }

    void numberRule(const std::string& keyword, const json& rule, double x,
                    const std::string& path) {
        const double bound = rule.is_number() ? rule.get<double>() : 0.0;
        if ((keyword == "minimum" && x < bound) || (keyword == "maximum" && x > bound) ||
            (keyword == "exclusiveMinimum" && x <= bound))
            fail(path, "breaks " + keyword + " " + rule.dump());
    }

    void stringRule(const std::string& keyword, const json& rule, const std::string& text,
                    const std::string& path) {
        if ((keyword == "minLength" && codePoints(text) < rule.get<std::size_t>()) ||
            (keyword == "maxLength" && codePoints(text) > rule.get<std::size_t>()))
            fail(path, "breaks " + keyword + " " + rule.dump());
    }

    void arrayRule(const std::string& keyword, const json& rule, const json& schema,
                   const json& value, const std::string& path) {
        const std::size_t prefix =
            schema.contains("prefixItems") ? schema["prefixItems"].size() : 0;
        if ((keyword == "minItems" && value.size() < rule.get<std::size_t>()) ||
            (keyword == "maxItems" && value.size() > rule.get<std::size_t>()))
            fail(path, "breaks " + keyword + " " + rule.dump());
        for (std::size_t i = 0; i < value.size(); ++i) {
            const std::string at = path + "/" + std::to_string(i);
            if (keyword == "prefixItems" && i < rule.size())
                check(rule[i], value[i], at);
            if (keyword == "items" && i >= prefix)
                check(rule, value[i], at);
        }
    }

    void objectRule(const std::string& keyword, const json& rule, const json& schema,
                    const json& value, const std::string& path) {
        if (keyword == "required") {
            for (const json& key : rule)
                if (!value.contains(key.get<std::string>()))
                    fail(path, "misses the required key " + key.get<std::string>());
        } else if (keyword == "properties") {
            for (const auto& [key, item] : value.items())
                if (rule.contains(key))
                    check(rule[key], item, path + "/" + key);
        } else if (keyword == "additionalProperties" && rule == false) {
            const json& properties =
                schema.contains("properties") ? schema["properties"] : json::object();
            for (const auto& [key, item] : value.items())
                if (!properties.contains(key))
                    fail(path, "holds the unknown key " + key);
        }
    }

    const json& root_;
};

} // namespace

std::vector<std::string> schemaErrors(const json& schema, const json& instance) {
    Checker checker(schema);
    checker.check(schema, instance, "");
    return std::move(checker.errors);
}

} // namespace velt::test
