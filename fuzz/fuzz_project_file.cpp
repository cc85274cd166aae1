// Line project files: the whole load into an accepted line set-up. Catalogue towers are
// looked up in a scratch folder holding one catalogue ("wieze", tower "S12 <-> P").
#include "model/BuiltInTowers.h"
#include "model/TowerCatalogue.h"
#include "project/ProjectFile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace {

class SilentUi : public velt::CatalogueUi {
  public:
    void showMessage(const std::string&) override {}
    bool confirm(const std::string&) override { return false; }
};

std::string scratchFolder() {
    const auto folder = std::filesystem::temp_directory_path() / "velt-fuzz-project";
    std::filesystem::create_directories(folder);
    SilentUi ui;
    velt::CreateCatalogue((folder / "wieze").string(), velt::builtInTowers()[0], ui);
    return folder.string();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = scratchFolder();
    auto project = std::make_unique<velt::LineProject>();
    auto loaded = std::make_unique<velt::LoadedProject>();
    const std::string text(reinterpret_cast<const char*>(data), size);
    const velt::LoadResult result = velt::loadProject(text, folder, *project, *loaded);
    if (result.status == velt::LoadStatus::Accepted) {
        if (!project->lineDataAccepted)
            __builtin_trap();
    } else if (result.message.empty() || project->lineDataAccepted) {
        __builtin_trap();
    }
    return 0;
}
