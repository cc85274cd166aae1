#pragma once
// The project a series varies: its document as the file holds it, and what the series
// needs to know of the line, from loading the document once through the project loader.

#include "model/CalculationOptions.h"
#include "project/ProjectFile.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velt {

/// The line as the loader accepted it, for the keys a series may vary in it.
struct ProjectFacts {
    bool magnetic = false;
    bool onConductors = false;
    bool verticalLine = false;
    bool twoCircuits = false;
    bool groundWires = false;   ///< the tower has ground wires
    bool building = false;      ///< the project has a building
    std::size_t currents = 0;   ///< the currents the project lists
    std::size_t neighbours = 0; ///< the neighbouring lines it lists
    std::vector<ExposureLimit> limits;
    MagneticUnit magneticUnit = MagneticUnit::AmperesPerMetre;
};

struct SeriesProject {
    nlohmann::json document;
    std::string folder; ///< where the files the project names are looked up
    ProjectFacts facts;
};

/// A project loaded for a series, or the loader's refusal.
struct SeriesProjectLoad {
    LoadResult result;
    std::optional<SeriesProject> project; ///< when the loader accepted it
};

/// Loads `jsonText` through the project loader; `folder` as loadProject takes it.
SeriesProjectLoad loadSeriesProject(const std::string& jsonText, const std::string& folder);

/// Reads and loads the project file `path`, as velt-calc reads a project.
SeriesProjectLoad openSeriesProject(const std::string& path);

} // namespace velt
