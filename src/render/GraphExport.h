#pragma once
// The graph of a variant written to a file in one of its forms: a PNG or GIF picture and an
// SVG drawing of the window version, the printed page as PDF, the profile as a CSV table.
// velt-calc and the desktop program both write through here.

#include "analysis/CalculationExtras.h"
#include "model/FieldProfile.h"
#include "results/GraphFormat.h"

#include <QSize>
#include <QString>

#include <string>

namespace velt {

/// What a graph file is drawn from.
struct GraphFileSource {
    const FieldProfile& profile;
    bool towerShifted = false; ///< the line project's flag
    QSize size{};              ///< window version in logical pixels (PNG, GIF, SVG)
    int svgDpi = 96;           ///< texts of the SVG drawing are sized as on this screen
    QString title{};           ///< the SVG drawing's title
    /// What the calculation's options add to the graph; none: the graph as it always was.
    const CalculationExtras* extras = nullptr;
};

/// The bytes of the file; empty when drawing failed.
std::string graphFileBytes(GraphFormat format, const GraphFileSource& source);

/// Writes the file whole or not at all: an earlier file of the name stays as it was when any
/// step fails. False on failure.
bool writeGraphFile(const std::string& path, GraphFormat format, const GraphFileSource& source);

} // namespace velt
