#include "RenderFixtures.h"

#include "calc/CalculationDriver.h"
#include "project/BatchUi.h"
#include "project/ProjectFile.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace velt::testing {

namespace {

std::unique_ptr<LoadedProject> calculated(const std::string& jsonText, Computed& c) {
    auto loaded = std::make_unique<LoadedProject>();
    const LoadResult load = loadProject(jsonText, {}, *c.project, *loaded);
    if (load.status != LoadStatus::Accepted) {
        throw std::runtime_error("project refused: " + load.message);
    }
    std::ostringstream err;
    BatchUi ui(loaded->answers, err);
    PassContext ctx{*c.project, *c.profile, loaded->form, ui};
    if (calculate(ctx) != CalculationOutcome::Done) {
        throw std::runtime_error("calculation refused: " + err.str());
    }
    return loaded;
}

} // namespace

Computed computeProject(const std::string& jsonText) {
    Computed c;
    calculated(jsonText, c);
    return c;
}

ComputedWithExtras computeWithExtras(const std::string& jsonText) {
    ComputedWithExtras c;
    const auto loaded = calculated(jsonText, c);
    *c.form = loaded->form;
    c.extras = completeCalculation(*c.project, *c.form, *c.profile);
    return c;
}

std::string withMembers(std::string jsonText, const std::string& members) {
    const std::size_t end = jsonText.rfind('}');
    if (end == std::string::npos) {
        throw std::runtime_error("not a JSON object");
    }
    return jsonText.insert(end, ", " + members + "\n");
}

std::string exampleProject(const std::string& name) {
    std::ifstream file(std::string(VELT_EXAMPLES_DIR) + "/" + name + ".json");
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string largestGraphProject() {
    return R"({
      "tower": "Z52", "workingHeight": 12.0, "groundWireHeight": 30.0,
      "field": "magnetic", "mode": "line", "line": {"kind": "horizontal", "y": 1.8},
      "currents": [650.0, 400.0],
      "building": {"frontX": 25.0, "frontY": 6.0, "roofX": 35.0, "roofY": 9.0},
      "shieldWires": {"diameter": 0.02,
                      "positions": [[-15.0, 8.0], [15.0, 8.5], [-20.0, 6.0], [20.0, 6.5]]},
      "range": 60.0,
      "comment": "Linia dwutorowa, budynek i przewody ekranujące"
    })";
}

} // namespace velt::testing
