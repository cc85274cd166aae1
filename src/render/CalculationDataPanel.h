#pragma once
// The panel of the temporary "Pobrane dane do obliczeń" window: the line data a calculation
// started with, read from the live line project.

#include "model/LineProject.h"

#include <QSize>

#include <string>
#include <vector>

class QPainter;

namespace velt {

/// One text of the panel, its top-left corner at (x, y).
struct PanelText {
    int x = 0;
    int y = 0;
    std::string text;
    bool bold = false;
    bool underline = false;
};

/// The panel's texts for a font whose "W" is `textHeight` pixels high. The building
/// coordinates are shown as typed, without the tower shift.
std::vector<PanelText> calculationDataTexts(const LineProject& project, int textHeight);

/// Fills `size` with white and draws the panel.
void paintCalculationData(QPainter& painter, QSize size, const LineProject& project);

} // namespace velt
