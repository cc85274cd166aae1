#pragma once
// One complete calculation of a series' project with values written into its document:
// the document goes through the project loader and the calculation as velt-calc takes a
// project file, so the result is the one velt-calc gives for that file.

#include "model/FieldProfile.h"
#include "model/LineProject.h"
#include "project/ProjectFile.h"
#include "series/SeriesPlan.h"

#include <memory>
#include <string>
#include <vector>

namespace velt {

struct ProjectCalculation {
    std::unique_ptr<LineProject> project;
    std::unique_ptr<LoadedProject> loaded;
    std::unique_ptr<FieldProfile> profile;
    bool computed = false;
    /// Why not: the loader's message, or the messages the calculation showed, one a line.
    std::string refused;
};

/// The project's document with `values` written in, as a project file holds it.
std::string projectTextWith(const SeriesProject& project, const std::vector<KeyValue>& values);

/// Loads the project with `values` written in and calculates it, the calculation's
/// questions answered from the document. Safe to call from several threads at once.
ProjectCalculation calculateWith(const SeriesProject& project, const std::vector<KeyValue>& values);

/// calculateWith into the records of `calculation`, cleared first: a thread that runs many
/// calculations reuses one set of records.
void calculateInto(ProjectCalculation& calculation, const SeriesProject& project,
                   const std::vector<KeyValue>& values);

} // namespace velt
