#include "analysis/FieldMap.h"

#include "analysis/FieldMapRows.h"
#include "calc/NeighbourConductors.h"

#include <tbb/blocked_range.h>
#include <tbb/info.h>
#include <tbb/parallel_for.h>
#include <tbb/task_arena.h>

#include <algorithm>
#include <limits>

namespace velt {
namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

std::optional<MapSources> sourcesOf(const ConductorList& conductors, bool magnetic) {
    if (magnetic) {
        return currentSources(conductors);
    }
    const auto engine = ElectricEngine::solve(conductors);
    if (!engine) {
        return std::nullopt;
    }
    return chargeSources(*engine);
}

// Points inside a conductor or the building have no value.
void maskRow(const FieldMap& map, const ConductorList& conductors, const double* x, double y,
             double* row) {
    const int n = map.grid.columns;
    for (const FieldConductor& c : conductors) {
        const double dy = y - c.y;
        if (!(std::fabs(dy) < c.radius)) {
            continue;
        }
        for (int i = 0; i < n; ++i) {
            const double dx = x[i] - c.x;
            if (dx * dx + dy * dy < c.radius * c.radius) {
                row[i] = kNoValue;
            }
        }
    }
    if (const auto& building = map.scene.building) {
        for (int i = 0; i < n; ++i) {
            if (building->covers(map.grid.x(i), y)) {
                row[i] = kNoValue;
            }
        }
    }
}

// Rows [first, last), each computed whole by one thread with the same arithmetic.
struct RowRange {
    const FieldMap& map;
    const MapSources& sources;
    const ConductorList& conductors;
    const std::vector<double>& x; ///< columns in the frame of the conductors
    double* values;

    void operator()(const tbb::blocked_range<int>& rows) const {
        RowWork work(map.grid.columns);
        for (int j = rows.begin(); j != rows.end(); ++j) {
            double* row = values + static_cast<std::size_t>(j) * map.grid.columns;
            const double y = map.grid.y(j);
            fieldRow(sources, x.data(), y, work, row);
            maskRow(map, conductors, x.data(), y, row);
        }
    }
};

void computeRows(const RowRange& range, int rows, int threads) {
    const tbb::blocked_range<int> all(0, rows, 4);
    if (threads <= 0) {
        tbb::parallel_for(all, range);
        return;
    }
    // More threads than cores would only wait for each other.
    tbb::task_arena arena(std::min(threads, tbb::info::default_concurrency()));
    arena.execute([&] { tbb::parallel_for(all, range); });
}

} // namespace

std::optional<FieldMap> computeFieldMap(const LineProject& project, const LineDataForm& form,
                                        const FieldMapGrid& grid, int threads) {
    const ConductorList conductors = corridorConductors(project, form, false);
    const auto sources = sourcesOf(conductors, form.magnetic());
    if (!sources) {
        return std::nullopt;
    }
    FieldMap map;
    map.grid = grid;
    map.magnetic = form.magnetic();
    map.scene = fieldMapScene(project, form, conductors);
    map.values.resize(grid.points());
    // The conductors stand in the frame of the pass, the tower axis at mainTowerAxis.
    const double frameLeft = grid.left + mainTowerAxis(project);
    std::vector<double> x(static_cast<std::size_t>(grid.columns));
    for (int i = 0; i < grid.columns; ++i) {
        x[static_cast<std::size_t>(i)] = frameLeft + i * grid.stepX;
    }
    computeRows({map, *sources, conductors, x, map.values.data()}, grid.rows, threads);
    return map;
}

} // namespace velt
