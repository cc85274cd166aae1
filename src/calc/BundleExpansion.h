#pragma once
// On the conductor surfaces every working bundle is computed as its sub-conductors.

#include "model/LineProject.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace velt {

/// Sub-conductor k (1..n1) of a bundle of n1 (2, 3 or 4) sub-conductors whose neighbours are
/// s apart, placed from its position (x, y): a pair side by side, a triangle on its base, a
/// square standing on its lower side.
std::pair<double, double> subConductorPosition(double x, double y, double s, std::uint32_t n1,
                                               std::uint32_t k);

/// Positions 1..N after expanding the working bundles of n1 > 1 sub-conductors; element 0
/// is unused. Ground and shield conductors follow the sub-conductors in their order.
std::vector<std::pair<double, double>> expandedPositions(const LineProject& project);

/// Expands the bundles in the project for one pass and restores the exact geometry after.
class BundleExpansion {
  public:
    /// Expands only when `onConductors` and the working bundles have more than one
    /// sub-conductor. The expanded project must fit the conductor arrays.
    BundleExpansion(LineProject& project, bool onConductors);
    ~BundleExpansion();
    BundleExpansion(const BundleExpansion&) = delete;
    BundleExpansion& operator=(const BundleExpansion&) = delete;

    bool expanded() const { return expanded_; }
    /// Restores counts and positions (idempotent).
    void undo();

  private:
    LineProject& project_;
    bool expanded_ = false;
    std::uint32_t phaseCount_ = 0;
    std::uint32_t conductorCount_ = 0;
    std::array<double, kConductorSlots> x_{};
    std::array<double, kConductorSlots> y_{};
};

} // namespace velt
