#pragma once
// The cross-section of a tower on a white panel: working conductors as red dots, ground
// wires as green dots, the ground, the tower axis and a two-line legend; the conductors of
// neighbouring lines when there are any. This is the geometry in pixels;
// TowerPreviewPainter draws it.

#include "model/LineProject.h"
#include "model/TowerDefinition.h"
#include "model/Translatable.h"
#include "render/PixelGeometry.h"

#include <vector>

namespace velt {

/// What the line-data dialog's preview and the tower editor's drawing do differently.
struct TowerDrawingStyle {
    /// A conductor on the axis: the preview centres its dot on the conductor's point; the
    /// editor draws it half a diameter lower, level with the dots beside the axis.
    bool centreAxisDots = true;
    /// Three short strokes right of the axis, from the ground down past the legend; only
    /// the preview has them.
    bool footStrokes = true;
};

/// The tower editor's drawing.
inline constexpr TowerDrawingStyle kTowerEditorStyle{false, false};

/// Conductor positions in metres: `working` working conductors, then `groundWires` ground
/// wires, from element 0 of both arrays.
struct TowerConductors {
    const double* x = nullptr;
    const double* y = nullptr;
    int working = 0;
    int groundWires = 0;
};

/// The working conductors and ground wires of the line project (its arrays from index 1).
TowerConductors towerConductors(const LineProject& project);
/// The working conductors and ground wires of a tower record.
TowerConductors towerConductors(const TowerDefinition& tower);

inline const char* const kWorkingLegend = VELT_TRANSLATE_NOOP("velt", " Przewód roboczy");
inline const char* const kGroundWireLegend = VELT_TRANSLATE_NOOP("velt", " Przewód odgromowy");

/// A conductor of a neighbouring line beside the tower.
struct TowerNeighbourWire {
    double x = 0.0; ///< from the tower's axis [m], left < 0
    double y = 0.0; ///< above the ground [m]
    bool groundWire = false;
    bool operator==(const TowerNeighbourWire&) const = default;
};

struct TowerDot {
    PixelRect box;        ///< bounding box of the filled circle
    double mappedX = 0.0; ///< the conductor's exact point in pixels
    double mappedY = 0.0;
    bool groundWire = false;
    bool neighbour = false; ///< of a neighbouring line
};

struct TowerPreviewGeometry {
    int width = 0;
    int height = 0;
    /// False when no conductor stands off the axis (no tower chosen): the area stays white.
    bool drawn = false;
    /// Working conductors first, ground wires above the ground, then the neighbouring lines'.
    std::vector<TowerDot> dots;
    std::vector<PixelLine> groundLines;
    std::vector<PixelLine> footStrokes;
    PixelRect workingLegendDot;
    PlacedText workingLegendText;
    PixelRect groundLegendDot;
    PlacedText groundLegendText;
    PixelLine axis;
};

/// The drawing of `conductors` in an area of `width` by `height` pixels, with the
/// `neighbours` inside its extent; without them the drawing is the tower's alone.
TowerPreviewGeometry towerPreviewGeometry(int width, int height, const TowerConductors& conductors,
                                          const TowerDrawingStyle& style = {},
                                          const std::vector<TowerNeighbourWire>& neighbours = {});

} // namespace velt
