#include "series/SeriesProject.h"

#include "linedata/LineDataRules.h"
#include "project/ProjectFiles.h"

#include <memory>

namespace velt {
namespace {

std::size_t listSize(const nlohmann::json& document, const char* key) {
    const auto found = document.find(key);
    return found != document.end() && found->is_array() ? found->size() : 0;
}

ProjectFacts factsOf(const nlohmann::json& document, const LineProject& project,
                     const LoadedProject& loaded) {
    const LineDataForm& form = loaded.form;
    ProjectFacts facts;
    facts.magnetic = form.magnetic();
    facts.onConductors = form.onConductors();
    facts.verticalLine = form.verticalLine();
    facts.twoCircuits = twoCircuits(project.phaseConductorCount);
    facts.groundWires = project.groundWireCount > 0;
    facts.building = document.contains("building");
    facts.currents = listSize(document, "currents");
    facts.neighbours = form.options.neighbours.size();
    facts.limits = form.options.limits;
    facts.magneticUnit = form.options.magneticUnit;
    return facts;
}

} // namespace

SeriesProjectLoad loadSeriesProject(const std::string& jsonText, const std::string& folder) {
    // The records are large; on the heap, as velt-calc keeps them.
    auto project = std::make_unique<LineProject>();
    auto loaded = std::make_unique<LoadedProject>();
    SeriesProjectLoad load;
    load.result = loadProject(jsonText, folder, *project, *loaded);
    if (load.result.status == LoadStatus::Accepted) {
        // The loader accepted it, so it is one JSON object.
        nlohmann::json document = nlohmann::json::parse(jsonText);
        ProjectFacts facts = factsOf(document, *project, *loaded);
        load.project = SeriesProject{std::move(document), folder, std::move(facts)};
    }
    return load;
}

SeriesProjectLoad openSeriesProject(const std::string& path) {
    std::string text;
    if (auto failure = readProjectText(path, text)) {
        return {{LoadStatus::FileError, std::move(*failure)}, std::nullopt};
    }
    return loadSeriesProject(text, projectFolderOf(path));
}

} // namespace velt
