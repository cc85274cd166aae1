#pragma once
// The panel of the temporary "Pobrane dane do obliczeń" window: the line data a calculation
// started with, read from the live line project.

#include "model/LineProject.h"
#include "render/PixelGeometry.h"
#include "render/SourceText.h"
#include "render/TextMeasure.h"

#include <vector>

namespace velt {

struct PanelText {
    PlacedText placed;
    TextStyle style = TextStyle::Regular;
};

/// The panel's texts, each line one height of "W" below the last; the building coordinates
/// as typed, without the tower shift.
std::vector<PanelText> calculationDataTexts(const LineProject& project, const TextMeasure& measure,
                                            SourceTranslator translate = untranslated);

} // namespace velt
