#include "calc/DenseLu.h"

#include <cmath>
#include <utility>

namespace velt {

DenseLu::DenseLu(std::vector<double> a, int n) : lu_(std::move(a)), pivot_(n), n_(n) {
    auto at = [this](int r, int c) -> double& { return lu_[static_cast<std::size_t>(r * n_ + c)]; };
    for (int k = 0; k < n; ++k) {
        int p = k;
        for (int r = k + 1; r < n; ++r) {
            if (std::fabs(at(r, k)) > std::fabs(at(p, k))) {
                p = r;
            }
        }
        pivot_[k] = p;
        if (at(p, k) == 0.0 || !std::isfinite(at(p, k))) {
            singular_ = true;
            return;
        }
        for (int c = 0; c < n; ++c) {
            std::swap(at(k, c), at(p, c));
        }
        for (int r = k + 1; r < n; ++r) {
            at(r, k) /= at(k, k);
            for (int c = k + 1; c < n; ++c) {
                at(r, c) -= at(r, k) * at(k, c);
            }
        }
    }
}

void DenseLu::solve(std::span<double> b) const {
    auto at = [this](int r, int c) { return lu_[static_cast<std::size_t>(r * n_ + c)]; };
    // The rows were exchanged whole, so the exchanges come first, then the two triangles.
    for (int k = 0; k < n_; ++k) {
        std::swap(b[k], b[pivot_[k]]);
    }
    for (int k = 0; k < n_; ++k) {
        for (int r = k + 1; r < n_; ++r) {
            b[r] -= at(r, k) * b[k];
        }
    }
    for (int k = n_ - 1; k >= 0; --k) {
        for (int c = k + 1; c < n_; ++c) {
            b[k] -= at(k, c) * b[c];
        }
        b[k] /= at(k, k);
    }
}

} // namespace velt
