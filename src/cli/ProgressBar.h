#pragma once
// The progress of a long batch run on a terminal: one line redrawn in place.

#include <cstddef>
#include <ostream>

namespace velt {

class ProgressBar {
  public:
    ProgressBar(std::ostream& out, std::size_t total);
    /// Redraws the line when the shown percentage changes.
    void show(std::size_t done);
    /// Ends the line.
    void finish();

  private:
    std::ostream& out_;
    std::size_t total_;
    int shownPercent_ = -1;
};

} // namespace velt
