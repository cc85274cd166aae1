#pragma once
// Solving a small dense system several times with one factorisation.

#include <span>
#include <vector>

namespace velt {

/// LU factors of a square matrix with partial pivoting.
class DenseLu {
  public:
    /// Factors the n×n matrix `a`, stored row after row.
    DenseLu(std::vector<double> a, int n);

    /// True when a pivot vanished; solve() must not be called then.
    bool singular() const { return singular_; }

    /// Replaces b (n values) by the solution of A x = b.
    void solve(std::span<double> b) const;

  private:
    std::vector<double> lu_;
    std::vector<int> pivot_;
    int n_ = 0;
    bool singular_ = false;
};

} // namespace velt
