#include "render/MapContours.h"

#include <array>
#include <cstdint>
#include <unordered_map>

namespace velt {
namespace {

// A cell's edges: 0 bottom, 1 right, 2 top, 3 left; the pieces of each corner case (bit 1
// the bottom-left corner at or above the level, 2 bottom-right, 4 top-right, 8 top-left).
// The two saddles (5 and 10) are listed as when the cell's centre lies below the level.
constexpr std::array<std::array<int, 4>, 16> kPieces = {{
    {-1, -1, -1, -1},
    {3, 0, -1, -1},
    {0, 1, -1, -1},
    {3, 1, -1, -1},
    {1, 2, -1, -1},
    {3, 0, 1, 2},
    {0, 2, -1, -1},
    {3, 2, -1, -1},
    {2, 3, -1, -1},
    {0, 2, -1, -1},
    {0, 1, 2, 3},
    {1, 2, -1, -1},
    {1, 3, -1, -1},
    {0, 1, -1, -1},
    {3, 0, -1, -1},
    {-1, -1, -1, -1},
}};

// The saddles when the centre lies at or above the level: the corners below are cut off.
constexpr std::array<int, 4> kSaddle5High = {0, 1, 2, 3};
constexpr std::array<int, 4> kSaddle10High = {3, 0, 1, 2};

struct Piece {
    std::int64_t from; ///< edge ids, shared with the neighbouring cell
    std::int64_t to;
    MapPoint a;
    MapPoint b;
};

class Tracer {
  public:
    Tracer(const FieldMap& map, double level) : map_(map), level_(level) {}

    void cell(int i, int j);
    std::vector<ContourLine> join() const;

  private:
    double value(int i, int j) const { return map_.at(i, j); }
    // Edge e of cell (i, j): its id and where the level crosses it.
    std::int64_t edgeId(int i, int j, int e) const;
    MapPoint crossing(int i, int j, int e) const;
    MapPoint between(int i0, int j0, int i1, int j1) const;
    ContourLine follow(std::size_t first, std::vector<bool>& used,
                       const std::unordered_multimap<std::int64_t, std::size_t>& ends) const;

    const FieldMap& map_;
    double level_;
    std::vector<Piece> pieces_;
};

std::int64_t Tracer::edgeId(int i, int j, int e) const {
    // Horizontal edges are even, vertical ones odd; each named by its lower-left corner.
    const int ci = e == 1 ? i + 1 : i;
    const int cj = e == 2 ? j + 1 : j;
    const std::int64_t corner = static_cast<std::int64_t>(cj) * map_.grid.columns + ci;
    return 2 * corner + (e == 1 || e == 3 ? 1 : 0);
}

MapPoint Tracer::between(int i0, int j0, int i1, int j1) const {
    const double v0 = value(i0, j0);
    const double v1 = value(i1, j1);
    const double t = (level_ - v0) / (v1 - v0);
    const FieldMapGrid& g = map_.grid;
    return {g.x(i0) + t * (g.x(i1) - g.x(i0)), g.y(j0) + t * (g.y(j1) - g.y(j0))};
}

MapPoint Tracer::crossing(int i, int j, int e) const {
    switch (e) {
    case 0:
        return between(i, j, i + 1, j);
    case 1:
        return between(i + 1, j, i + 1, j + 1);
    case 2:
        return between(i, j + 1, i + 1, j + 1);
    default:
        return between(i, j, i, j + 1);
    }
}

void Tracer::cell(int i, int j) {
    const double v[4] = {value(i, j), value(i + 1, j), value(i + 1, j + 1), value(i, j + 1)};
    int index = 0;
    for (int k = 0; k < 4; ++k) {
        if (!FieldMap::hasValue(v[k])) {
            return;
        }
        index |= v[k] >= level_ ? 1 << k : 0;
    }
    std::array<int, 4> edges = kPieces[static_cast<std::size_t>(index)];
    if ((index == 5 || index == 10) && (v[0] + v[1] + v[2] + v[3]) / 4 >= level_) {
        edges = index == 5 ? kSaddle5High : kSaddle10High;
    }
    for (int k = 0; k < 4 && edges[k] >= 0; k += 2) {
        pieces_.push_back({edgeId(i, j, edges[k]), edgeId(i, j, edges[k + 1]),
                           crossing(i, j, edges[k]), crossing(i, j, edges[k + 1])});
    }
}

// The line through piece `first`, extended at both ends through the pieces that share an
// edge with it.
ContourLine Tracer::follow(std::size_t first, std::vector<bool>& used,
                           const std::unordered_multimap<std::int64_t, std::size_t>& ends) const {
    used[first] = true;
    std::vector<MapPoint> ahead{pieces_[first].b};
    std::vector<MapPoint> behind{pieces_[first].a};
    for (const bool forward : {true, false}) {
        std::int64_t edge = forward ? pieces_[first].to : pieces_[first].from;
        std::vector<MapPoint>& out = forward ? ahead : behind;
        for (bool found = true; found;) {
            found = false;
            const auto [lo, hi] = ends.equal_range(edge);
            for (auto it = lo; it != hi && !found; ++it) {
                if (used[it->second]) {
                    continue;
                }
                const Piece& p = pieces_[it->second];
                used[it->second] = found = true;
                const bool fromHere = p.from == edge;
                out.push_back(fromHere ? p.b : p.a);
                edge = fromHere ? p.to : p.from;
            }
        }
    }
    ContourLine line(behind.rbegin(), behind.rend());
    line.insert(line.end(), ahead.begin(), ahead.end());
    return line;
}

std::vector<ContourLine> Tracer::join() const {
    std::unordered_multimap<std::int64_t, std::size_t> ends;
    for (std::size_t k = 0; k < pieces_.size(); ++k) {
        ends.emplace(pieces_[k].from, k);
        ends.emplace(pieces_[k].to, k);
    }
    std::vector<bool> used(pieces_.size(), false);
    std::vector<ContourLine> lines;
    for (std::size_t k = 0; k < pieces_.size(); ++k) {
        if (!used[k]) {
            lines.push_back(follow(k, used, ends));
        }
    }
    return lines;
}

} // namespace

std::vector<ContourLine> contourLines(const FieldMap& map, double level) {
    Tracer tracer(map, level);
    for (int j = 0; j + 1 < map.grid.rows; ++j) {
        for (int i = 0; i + 1 < map.grid.columns; ++i) {
            tracer.cell(i, j);
        }
    }
    return tracer.join();
}

} // namespace velt
