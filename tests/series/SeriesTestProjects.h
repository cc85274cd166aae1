#pragma once
// The example projects as a series takes them, changed where a test needs it.

#include "series/SeriesProject.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <stdexcept>
#include <string>

namespace velt::testing {

/// examples/NAME.json as a document.
inline nlohmann::json exampleDocument(const std::string& name) {
    std::ifstream in(std::string(VELT_EXAMPLES_DIR) + "/" + name + ".json");
    return nlohmann::json::parse(in);
}

/// `document` loaded for a series; throws when the loader refuses it.
inline SeriesProject seriesProject(const nlohmann::json& document) {
    SeriesProjectLoad load = loadSeriesProject(document.dump(), VELT_EXAMPLES_DIR);
    if (!load.project) {
        throw std::runtime_error("refused: " + load.result.message);
    }
    return std::move(*load.project);
}

} // namespace velt::testing
