#pragma once
// Line projects for the field-pass tests and benchmarks, with the scripted user interface.

#include "ScriptedUi.h"
#include "calc/FieldPass.h"
#include "model/FieldProfile.h"
#include "model/LineDataForm.h"
#include "model/LineProject.h"
#include "model/TowerDefinition.h"

#include <memory>
#include <string>

namespace velt::testing {

/// The records of one running program, on the heap (they are large).
struct Bench {
    std::unique_ptr<LineProject> project = std::make_unique<LineProject>();
    std::unique_ptr<FieldProfile> profile = std::make_unique<FieldProfile>();
    LineDataForm form;
    ScriptedUi ui;
    PassContext context() { return {*project, *profile, form, ui}; }
};

/// A built-in tower (list index) at working height `hw` and ground-wire height `hg`,
/// accepted as the line-data dialog would accept it.
void setUpBuiltIn(Bench& b, int index, const std::string& hw = "12", const std::string& hg = "40");

/// Any tower, accepted the same way.
void setUpTower(Bench& b, const TowerDefinition& tower, const std::string& hw = "12",
                const std::string& hg = "40");

/// Moves the accepted tower `shift` to the right, as the tower-shift dialog does.
void shiftTower(Bench& b, double shift);

/// The largest configuration the model computes on the conductors: two circuits of
/// four-conductor bundles, two ground wires, 13 shield wires and a building (59 conductors
/// once the bundles are expanded).
void setUpLargest(Bench& b);

/// Built-in tower `index` as a neighbouring line at `offset`, hanging as setUpBuiltIn hangs
/// it, with the main line's own peak voltage and `current` in each circuit.
NeighbourLine builtInNeighbour(int index, double offset, double current = 500.0);

/// The largest corridor: Z52 with bundles of four, and three neighbours of 24-conductor
/// bundles with 14 ground wires each (500 conductors once every bundle is expanded).
void setUpLargestCorridor(Bench& b);

/// Prepares a pass along a horizontal line at `y` over `range` for an unshifted tower in
/// the frame the first pass uses (axis at `range` / 2), without the drawing-range question.
void prepareFullWidth(Bench& b, double range, double y);

/// A single working conductor of radius `r` at (0, h), peak voltage `peak` [kV].
void setUpSingleConductor(Bench& b, double r, double h, double peak);

} // namespace velt::testing
