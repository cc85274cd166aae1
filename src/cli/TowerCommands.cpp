#include "cli/TowerCommands.h"

#include "model/OldTowerList.h"
#include "model/TowerCatalogue.h"
#include "project/TowerJson.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>

namespace velt {
namespace {

constexpr int kOk = 0;
constexpr int kFileError = 1;
constexpr int kRefused = 2;
constexpr const char* kKeySeparator = " <-> ";

// Messages go to standard error; the replace question is answered by --replace.
class CommandUi : public CatalogueUi {
  public:
    CommandUi(std::ostream& err, bool replace) : err_(err), replace_(replace) {}
    void showMessage(const std::string& text) override {
        err_ << text << '\n';
        shown_ = true;
    }
    bool confirm(const std::string&) override { return replace_; }
    bool shown() const { return shown_; }

  private:
    std::ostream& err_;
    bool replace_;
    bool shown_ = false;
};

int exitStatus(CatalogueResult result, std::ostream& err) {
    switch (result) {
    case CatalogueResult::Done:
    case CatalogueResult::Replaced:
        return kOk;
    case CatalogueResult::Kept:
        // Without --replace the question is the reason for refusing.
        err << kReplaceQuestion << '\n';
        return kRefused;
    case CatalogueResult::NotFound:
    case CatalogueResult::Refused:
        return kRefused;
    case CatalogueResult::FileError:
        break;
    }
    return kFileError;
}

bool splitKey(const std::string& key, std::string& series, std::string& type, std::ostream& err) {
    const auto at = key.find(kKeySeparator);
    if (at == std::string::npos) {
        err << "A tower key has the form \"SERIES <-> TYPE\": " << key << '\n';
        return false;
    }
    series = key.substr(0, at);
    type = key.substr(at + std::string(kKeySeparator).size());
    return true;
}

bool fileExists(const std::string& name) {
    std::error_code error;
    return std::filesystem::exists(name, error);
}

int listTowers(const std::string& path, std::ostream& out, std::ostream& err) {
    const CatalogueFiles names = catalogueFiles(path);
    for (const std::string* name : {&names.indexName, &names.dataName}) {
        if (!fileExists(*name)) {
            err << kCannotOpenMessage << *name << '\n';
            return kFileError;
        }
    }
    CommandUi ui(err, false);
    const std::vector<std::string> keys = ListTowers(path, ui);
    for (const std::string& key : keys)
        out << key << '\n';
    return keys.empty() ? kFileError : kOk;
}

// The project file's tower form, keys in the order a project lists them.
nlohmann::ordered_json orderedTower(const TowerDefinition& tower) {
    const nlohmann::json json = towerToJson(tower);
    nlohmann::ordered_json ordered;
    for (const char* key :
         {"series", "type", "nominalVoltage", "phaseVoltagePeak", "phaseDiameter", "groundDiameter",
          "phaseBundleSize", "phaseBundleSpacing", "groundBundleSize", "groundBundleSpacing",
          "phase", "groundX", "groundWireHeight"})
        ordered[key] = json.at(key);
    return ordered;
}

int showTower(const std::string& path, const std::string& key, std::ostream& out,
              std::ostream& err) {
    CommandUi ui(err, false);
    const auto tower = ReadTower(path, key, ui);
    if (!tower) {
        if (ui.shown())
            return kFileError;
        err << kNoSuchTowerMessage << '\n';
        return kRefused;
    }
    out << orderedTower(*tower).dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
        << '\n';
    return kOk;
}

int addTower(const std::string& path, const std::string& towerFile, bool replace,
             std::ostream& err) {
    std::ifstream in(towerFile, std::ios::binary);
    if (!in) {
        err << kCannotOpenMessage << std::filesystem::absolute(towerFile).string() << '\n';
        return kFileError;
    }
    const nlohmann::json json = nlohmann::json::parse(in, nullptr, false);
    if (json.is_discarded()) {
        err << "Not a JSON tower: " << towerFile << '\n';
        return kRefused;
    }
    std::string message;
    const auto tower = towerFromJson(json, message);
    if (!tower) {
        err << message << '\n';
        return kRefused;
    }
    CommandUi ui(err, replace);
    // Only the data file decides whether the catalogue exists.
    if (!fileExists(catalogueFiles(path).dataName))
        return exitStatus(CreateCatalogue(path, *tower, ui), err);
    return exitStatus(StoreTower(path, *tower, ui), err);
}

int deleteTower(const std::string& path, const std::string& key, std::ostream& err) {
    std::string series;
    std::string type;
    if (!splitKey(key, series, type, err))
        return kRefused;
    CommandUi ui(err, false);
    return exitStatus(DeleteTower(path, series, type, ui), err);
}

int convertTowers(const std::string& oldFile, const std::string& newPath, std::ostream& err) {
    // A file without a single tower would leave an empty catalogue behind: refused unwritten.
    if (std::ifstream old(oldFile, std::ios::binary); old && readOldTowerList(old).towers.empty()) {
        err << kReadErrorMessage << std::filesystem::absolute(oldFile).string() << '\n';
        return kFileError;
    }
    CommandUi ui(err, false);
    return exitStatus(ConvertOldCatalogue(oldFile, newPath, ui), err);
}

} // namespace

int runTowerCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app("Tower catalogues (CATALOGUE: any extension or none)", "velt-calc towers");
    app.require_subcommand(1);
    std::string catalogue;
    std::string key;
    std::string file;
    bool replace = false;

    CLI::App* list = app.add_subcommand("list", "Print the keys of the towers, in index order");
    list->add_option("CATALOGUE", catalogue)->required();
    CLI::App* show = app.add_subcommand("show", "Print a tower in the project file's tower form");
    show->add_option("CATALOGUE", catalogue)->required();
    show->add_option("KEY", key, "\"SERIES <-> TYPE\"")->required();
    CLI::App* add = app.add_subcommand("add", "Add a tower; create the catalogue when needed");
    add->add_option("CATALOGUE", catalogue)->required();
    add->add_option("TOWER", file, "Tower in the project file's tower form (JSON)")->required();
    add->add_flag("--replace", replace, "Replace a tower of the same key");
    CLI::App* remove = app.add_subcommand("delete", "Remove a tower from the index");
    remove->add_option("CATALOGUE", catalogue)->required();
    remove->add_option("KEY", key, "\"SERIES <-> TYPE\"")->required();
    CLI::App* convert = app.add_subcommand("convert", "Convert an old tower list (.lin)");
    convert->add_option("OLD", file)->required();
    convert->add_option("NEWBASE", catalogue)->required();

    try {
        // CLI11 takes the words last first.
        std::vector<std::string> words(args.rbegin(), args.rend());
        app.parse(words);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kOk;
    } catch (const CLI::ParseError& error) {
        err << error.what() << '\n';
        return kRefused;
    }
    if (list->parsed())
        return listTowers(catalogue, out, err);
    if (show->parsed())
        return showTower(catalogue, key, out, err);
    if (add->parsed())
        return addTower(catalogue, file, replace, err);
    if (remove->parsed())
        return deleteTower(catalogue, key, err);
    return convertTowers(file, catalogue, err);
}

} // namespace velt
