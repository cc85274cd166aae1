#pragma once
// The percentage in status bar panel 0 while a loop of a pass runs.

#include "calc/CalculationUi.h"

namespace velt {

class PassProgress {
  public:
    PassProgress(CalculationUi& ui, int count)
        : ui_(ui), share_(100.0f / static_cast<float>(count)) {}
    /// Called before each row or point: shows "%d%%" at every new multiple of 10.
    void advance();

  private:
    CalculationUi& ui_;
    float share_;
    float accumulator_ = 0.0f;
    int lastShown_ = -1;
};

} // namespace velt
