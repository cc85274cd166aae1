#pragma once
// velt-calc --map, --map-png, --map-svg, --map-pdf and --map-grid: the field over the whole
// cross-section, as a CSV table and pictures.

#include "analysis/FieldMapGrid.h"
#include "model/LineDataForm.h"
#include "model/LineProject.h"

#include <optional>
#include <ostream>
#include <string>
#include <variant>

namespace velt {

struct MapOptions {
    std::string csv;
    std::string png;
    std::string svg;
    std::string pdf;
    std::string grid; ///< "XSTEP,YSTEP[,TOP]"; empty: the default grid
    bool wanted() const { return !csv.empty() || !png.empty() || !svg.empty() || !pdf.empty(); }
};

/// Empty when `text` is "XSTEP,YSTEP" or "XSTEP,YSTEP,TOP" of numbers, else what is wrong.
std::string checkMapGridOption(const std::string& text);

/// The map's grid for the project and the calculation's `range`, or the message that
/// refuses it (naming the value); checked before anything is computed.
std::variant<FieldMapGrid, std::string> mapGridOf(const MapOptions& options,
                                                  const LineProject& project,
                                                  const LineDataForm& form, double range);

/// Computes the map on `grid` after the calculation and writes the files asked for; the
/// names written go to `out`, failures to `err`. False when a file could not be written.
bool writeMapOutputs(const MapOptions& options, const FieldMapGrid& grid,
                     const LineProject& project, const LineDataForm& form, std::ostream& out,
                     std::ostream& err);

} // namespace velt
