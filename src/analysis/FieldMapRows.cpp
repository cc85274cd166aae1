#include "analysis/FieldMapRows.h"

#include "calc/FieldConstants.h"
#include "calc/FieldPhasor.h"

#include <algorithm>
#include <cmath>

namespace velt {
namespace {

// The four phasor components of a row; every loop below runs over the row's points.
struct RowPhasors {
    double* __restrict sinX;
    double* __restrict sinY;
    double* __restrict cosX;
    double* __restrict cosY;
};

// Line charge c and its image, as ElectricEngine::field adds them.
void addCharge(const MapSources& s, std::size_t c, const double* __restrict x, int n, double y,
               RowPhasors f) {
    const double cx = s.x[c];
    const double below = y - s.y[c];
    const double above = y + s.y[c];
    const double below2 = below * below;
    const double above2 = above * above;
    const double qs = s.sin[c];
    const double qc = s.cos[c];
    for (int i = 0; i < n; ++i) {
        const double dx = x[i] - cx;
        const double d2 = dx * dx + below2;
        const double i2 = dx * dx + above2;
        const double gx = dx / d2 - dx / i2;
        const double gy = below / d2 - above / i2;
        f.sinX[i] += qs * gx;
        f.sinY[i] += qs * gy;
        f.cosX[i] += qc * gx;
        f.cosY[i] += qc * gy;
    }
}

// Straight current c, as MagneticEngine::field adds it.
void addCurrent(const MapSources& s, std::size_t c, const double* __restrict x, int n, double y,
                RowPhasors f) {
    const double cx = s.x[c];
    const double dy = y - s.y[c];
    const double dy2 = dy * dy;
    const double dyIs = dy * s.sin[c];
    const double dyIc = dy * s.cos[c];
    const double is = s.sin[c];
    const double ic = s.cos[c];
    for (int i = 0; i < n; ++i) {
        const double dx = x[i] - cx;
        const double scale = 2.0 * kPi * (dx * dx + dy2);
        const double back = cx - x[i];
        f.sinX[i] += dyIs / scale;
        f.sinY[i] += back * is / scale;
        f.cosX[i] += dyIc / scale;
        f.cosY[i] += back * ic / scale;
    }
}

// The largest squared magnitude of the 41 instants: the square root of the largest square
// is the largest root, to the bit.
void largestSquare(RowPhasors f, int n, double* __restrict largest) {
    std::fill(largest, largest + n, 0.0);
    for (const PassInstant& at : passInstants()) {
        for (int i = 0; i < n; ++i) {
            const double hx = f.sinX[i] * at.sin + f.cosX[i] * at.cos;
            const double hy = f.sinY[i] * at.sin + f.cosY[i] * at.cos;
            const double h2 = hx * hx + hy * hy;
            largest[i] = h2 > largest[i] ? h2 : largest[i];
        }
    }
}

} // namespace

MapSources chargeSources(const ElectricEngine& engine) {
    MapSources s;
    const ConductorList& list = engine.conductors();
    for (std::size_t i = 0; i < list.size(); ++i) {
        s.x.push_back(list[i].x);
        s.y.push_back(list[i].y);
        s.sin.push_back(engine.charges()[i].sin);
        s.cos.push_back(engine.charges()[i].cos);
    }
    return s;
}

MapSources currentSources(const ConductorList& conductors) {
    MapSources s;
    s.magnetic = true;
    for (const FieldConductor& c : conductors) {
        if (c.role == ConductorRole::Working) {
            s.x.push_back(c.x);
            s.y.push_back(c.y);
            s.sin.push_back(c.current.sin);
            s.cos.push_back(c.current.cos);
        }
    }
    return s;
}

RowWork::RowWork(int columns)
    : columns_(columns), sinX_(columns), sinY_(columns), cosX_(columns), cosY_(columns),
      largest_(columns) {}

void fieldRow(const MapSources& s, const double* x, double y, RowWork& w, double* out) {
    const int n = w.columns_;
    const RowPhasors f{w.sinX_.data(), w.sinY_.data(), w.cosX_.data(), w.cosY_.data()};
    for (double* component : {f.sinX, f.sinY, f.cosX, f.cosY}) {
        std::fill(component, component + n, 0.0);
    }
    for (std::size_t c = 0; c < s.x.size(); ++c) {
        (s.magnetic ? addCurrent : addCharge)(s, c, x, n, y, f);
    }
    double* largest = w.largest_.data();
    largestSquare(f, n, largest);
    // The electric pass gives RMS values, the magnetic pass peak values.
    const double scale = s.magnetic ? 1.0 : std::sqrt(2.0);
    for (int i = 0; i < n; ++i) {
        out[i] = std::sqrt(largest[i]) / scale;
    }
}

} // namespace velt
