#pragma once
// The grid a field map is computed on: columns across the cross-section, rows from the
// ground up, chosen from what the user asks and checked before anything is computed.

#include "model/LineDataForm.h"
#include "model/LineProject.h"

#include <cstddef>
#include <optional>
#include <string>
#include <variant>

namespace velt {

/// The most points one map computes.
inline constexpr std::size_t kMaxMapPoints = 1'000'000;
/// Steps across and up when the user names none (201 by 101 points).
inline constexpr int kDefaultMapStepsAcross = 200;
inline constexpr int kDefaultMapStepsUp = 100;
/// The top of the map above the highest conductor when the user names none [m].
inline constexpr double kMapHeadroom = 5.0;

/// What the user asks of a map; whatever is left out takes its default.
struct FieldMapRequest {
    /// As the calculation's range: both sides of the tower axis, or from the line's start
    /// for a shifted tower [m].
    double range = 0.0;
    std::optional<double> top{};   ///< height of the highest row [m]
    std::optional<double> stepX{}; ///< between columns [m]
    std::optional<double> stepY{}; ///< between rows [m]
};

/// Column i lies at distance left + i stepX from the tower axis, row j at height j stepY.
struct FieldMapGrid {
    double left = 0.0;
    double stepX = 0.0;
    int columns = 0;
    double stepY = 0.0;
    int rows = 0;

    double x(int column) const { return left + column * stepX; }
    double y(int row) const { return row * stepY; }
    std::size_t points() const {
        return static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows);
    }
};

/// The grid of `request` over the current set-up (its tower shift, and its conductors and
/// neighbouring lines for the default top), or the message that refuses it: a range, top or
/// step that is not a positive number, or more than kMaxMapPoints points.
std::variant<FieldMapGrid, std::string>
fieldMapGrid(const LineProject& project, const LineDataForm& form, const FieldMapRequest& request);

} // namespace velt
