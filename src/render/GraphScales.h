#pragma once
// The scales of a field graph: rounding to nice values, the tower axis on the plot, and
// the mapping of profile points, values, heights and positions to pixels.

#include "model/FieldProfile.h"

#include <vector>

namespace velt {

/// A scale rounded up: 1, 2, 5, 10, then the next multiple of 10; v <= 0 stays.
double nice(double v);

/// An axis position rounded up: 5, 10, then the next multiple of 10; v <= 1 stays.
double niceAxis(double v);

struct GraphScales {
    double axis = 0.0;        ///< a: the tower axis, metres from the plot's left edge
    double shift = 0.0;       ///< a minus the profile's axis, added to profile positions
    double xMax = 0.0;        ///< metres across the plot
    double heightScale = 0.0; ///< metres of conductor height up the plot
    double valueScale = 0.0;  ///< field units up the plot
    double px = 0.0;          ///< pixels per metre across
    double kv = 0.0;          ///< pixels per field unit
    double kh = 0.0;          ///< pixels per metre of height
    double gx = 0.0;          ///< distance between the 51 ticks across
    double gy = 0.0;          ///< distance between the 50 ticks up
    /// The profile's values times this are the value axis's: 1, or mu0 for a magnetic field
    /// drawn as the induction in uT.
    double valueFactor = 1.0;
    bool operator==(const GraphScales&) const = default;
};

/// The scales of `f` on a plot of `plotW` by `plotH` pixels. `towerShifted` is the line
/// project's current flag: while the user works with a shifted tower, a graph of an
/// unshifted tower keeps its computed axis even without the axis correction. The value
/// axis is rounded from the sampled maximum times `valueFactor`, so that an axis in another
/// unit gets round labels of its own.
GraphScales graphScales(const FieldProfile& f, int plotW, int plotH, bool towerShifted,
                        double valueFactor = 1.0);

/// Profile coordinates to pixels, the plot's top-left corner at (`left`, `top`).
struct GraphMapping {
    GraphScales scales;
    int left = 0;
    int top = 0;
    int plotH = 0;
    double step = 0.0; ///< metres between profile points

    /// Profile point `i` (from 1), across; `extra` pixels are added before truncation.
    int pointX(int i, double extra = 0.0) const;
    int valueY(double v) const; ///< `v` in the profile's unit
    int heightY(double z) const;
    int positionX(double u) const;
};

/// A building x of the record in the profile's coordinate. The building is recorded from
/// the tower axis (plus the tower shift), the conductors in the frame of the pass; the two
/// differ when the left half was computed, whose profile starts a half range before the axis.
double buildingInProfile(const FieldProfile& f, double x);

/// Number of profile points the record holds (its count, within the arrays).
int storedPointCount(const FieldProfile& f);

/// The points j where the profile crosses 1 kV/m, in the order they are marked: for an
/// unshifted tower the one nearest the axis (searched upward with the axis correction,
/// downward without), for a shifted tower the one found downward, then the one found upward.
std::vector<int> crossingIndices(const FieldProfile& f);

} // namespace velt
