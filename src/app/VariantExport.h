#pragma once
// "Eksportuj wariant...": the active variant as a PNG image of its window, an SVG drawing
// through the same painter, the printed page as PDF, or its profile as a CSV table.

#include "results/GraphFormat.h"

#include <QSize>
#include <QString>

namespace velt {

class VariantView;

/// The save question's filter, one entry per format.
QString exportFilter();

/// Writes the variant of `view` to `path` as `format`, whole or not at all (an earlier file
/// stays whole on failure). `towerShifted` is the line project's flag. Pictures are drawn at
/// `pictureSize` logical pixels, the window's size when none is given.
bool exportVariant(const VariantView& view, bool towerShifted, const QString& path,
                   GraphFormat format, QSize pictureSize = {});

} // namespace velt
