#include "calc/PassProgress.h"

#include <cmath>
#include <string>

namespace velt {

void PassProgress::advance() {
    accumulator_ += share_;
    const int percent = static_cast<int>(std::floor(accumulator_));
    if (percent % 10 == 0 && percent != lastShown_) {
        ui_.setStatus(0, std::to_string(percent) + "%");
        lastShown_ = percent;
    }
}

} // namespace velt
